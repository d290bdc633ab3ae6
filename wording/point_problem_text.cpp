#include "wording/point_problem_text.h"

#include "platform/text_encoding.h"
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

std::string NoPointsText(const Problem& problem) {
  std::string text = Words(u8"変換できる地点がありません");
  if (problem.count != 0) {
    text += Words(u8" (ルートやトラックの点 ") + std::to_string(problem.count) +
            Words(u8" 点は地点ではないため変換しません)");
  }
  return text;
}

}  // namespace

std::string PointChangeText(const Problem& problem) {
  const std::string limit = std::to_string(maxNameCharacters);
  const std::string metres = std::to_string(problem.count);
  switch (problem.kind) {
    case ProblemKind::NameCut:
      return Words(u8"名前が ") + limit + Words(u8" 文字を超えるため、") + limit +
             Words(u8" 文字までにしました");
    case ProblemKind::CharactersReplaced:
      return Words(u8"ナビで表示できない文字 ") + problem.detail + Words(u8" を 〓 にしました");
    case ProblemKind::ControlsReplaced: return Words(u8"名前のタブや改行を空白にしました");
    case ProblemKind::AccentsRemoved:
      return Words(u8"アクセント付きの文字 ") + problem.detail +
             Words(u8" をアクセントなしの文字にしました");
    case ProblemKind::OutOfRange:
      return Words(u8"緯度・経度 (") + problem.detail +
             Words(u8") が範囲外のため、この地点は変換しませんでした");
    case ProblemKind::NoPointGeometry:
      return Words(u8"地点 (Point) がないため、変換しませんでした");
    case ProblemKind::UnreadableCoordinates:
      return Words(u8"緯度・経度が読み取れないため、変換しませんでした");
    case ProblemKind::NoPosition:
      return Words(u8"位置 (緯度・経度) が記録されていないため、変換しませんでした") +
             (problem.detail.empty() ? std::string()
                                     : Words(u8" (手がかり: ") + problem.detail + Words(u8")"));
    case ProblemKind::IconOutOfRange:
      return Words(u8"アイコン「") + problem.detail + Words(u8"」は 1 から ") +
             std::to_string(maxIcon) + Words(u8" の番号ではないため、指定のアイコンにしました");
    case ProblemKind::VoiceOutOfRange:
      return Words(u8"音声「") + problem.detail +
             Words(u8"」は音声の番号でも音声コードでもないため、指定の音声にしました");
    case ProblemKind::DuplicateKept:
      return Words(u8"同じ名前の地点 (出力の ") + std::to_string(problem.slot + 1) +
             Words(u8" 番目) が ") + metres + Words(u8" m の所にあります。重複のまま残しました");
    case ProblemKind::DuplicateLeftOut:
      return Words(u8"出力ファイルの枠 ") + std::to_string(problem.slot) +
             Words(u8" に同じ名前の地点が ") + metres +
             Words(u8" m の所にあるため、重複として加えませんでした");
    case ProblemKind::NoPoints: return NoPointsText(problem);
    default: return {};
  }
}

std::string PointProblemText(const Problem& problem) {
  std::string text = PointChangeText(problem);
  if (text.empty()) return text;
  if (problem.kind != ProblemKind::NoPoints) text = Place(problem) + text;
  // A run of several lists says which each report concerns.
  if (problem.path.empty()) return text;
  return SjisToUtf8(problem.path).value_or(std::string(replacementCharacterUtf8)) + ": " + text;
}

}  // namespace pinmover
