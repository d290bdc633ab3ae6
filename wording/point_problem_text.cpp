#include "wording/point_problem_text.h"

#include "text/blanks.h"
#include "text/utf8.h"
#include "unitfile/point_file_layout.h"

namespace pinmover {

namespace {

std::string Words(const char8_t* text) { return std::string(Utf8(text)); }

// Where the item stands in its file: its number among the points, else its line.
std::string Place(const Problem& problem) {
  std::string place;
  if (problem.point != 0) {
    place = Words(u8"地点 ") + std::to_string(problem.point);
  } else if (problem.line != 0) {
    place = std::to_string(problem.line) + Words(u8" 行目");
  } else {
    place = Words(u8"名前");
  }
  // A name's blanks at either end, such as the line break a CDATA section may end with, are
  // not part of what the unit shows either.
  const std::string_view name = TrimBlanks(problem.name);
  if (name.empty()) return place + ": ";
  return place + Words(u8"「") + std::string(name) + Words(u8"」: ");
}

}  // namespace

std::string PointProblemText(const Problem& problem) {
  const std::string limit = std::to_string(maxNameCharacters);
  switch (problem.kind) {
    case ProblemKind::NameCut:
      return Place(problem) + Words(u8"名前が ") + limit + Words(u8" 文字を超えるため、") + limit +
             Words(u8" 文字までにしました");
    case ProblemKind::CharactersReplaced:
      return Place(problem) + Words(u8"ナビで表示できない文字 ") + problem.detail +
             Words(u8" を 〓 にしました");
    case ProblemKind::ControlsReplaced:
      return Place(problem) + Words(u8"名前のタブや改行を空白にしました");
    case ProblemKind::AccentsRemoved:
      return Place(problem) + Words(u8"アクセント付きの文字 ") + problem.detail +
             Words(u8" をアクセントなしの文字にしました");
    case ProblemKind::OutOfRange:
      return Place(problem) + Words(u8"緯度・経度 (") + problem.detail +
             Words(u8") が範囲外のため、この地点は変換しませんでした");
    case ProblemKind::NoPointGeometry:
      return Place(problem) + Words(u8"地点 (Point) がないため、変換しませんでした");
    case ProblemKind::UnreadableCoordinates:
      return Place(problem) + Words(u8"緯度・経度が読み取れないため、変換しませんでした");
    case ProblemKind::NoPosition:
      return Place(problem) + Words(u8"位置 (緯度・経度) が記録されていないため、変換しませんでした") +
             (problem.detail.empty() ? std::string()
                                     : Words(u8" (手がかり: ") + problem.detail + Words(u8")"));
    default: return {};
  }
}

}  // namespace pinmover
