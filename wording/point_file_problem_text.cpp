#include "wording/point_file_problem_text.h"

#include "unitfile/point_file_layout.h"

namespace pinmover {

namespace {

// How a problem of one slot begins, so that every report names the slot alike.
std::string SlotPrefix(const Problem& problem) {
  return problem.slot < 0 ? std::string() : "枠 " + std::to_string(problem.slot) + ": ";
}

std::string Text(const Problem& problem) {
  switch (problem.kind) {
    case ProblemKind::WrongFileSize:
      return "大きさが " + std::to_string(pointFileSize) + " バイトではありません";
    case ProblemKind::WrongHeader: return "ヘッダーが正しくありません";
    case ProblemKind::InUseMarkNotOne: return "使用中の印が 1 ではありません";
    case ProblemKind::ChecksumMismatch: return "チェックサムが合いません";
    case ProblemKind::BytesAfterName: return "名前の後ろに 0 でないバイトがあります";
    case ProblemKind::WrongAttributeBits: return "属性のビットが正しくありません";
    case ProblemKind::UnusedBytesSet: return "使われない領域に 0 でないバイトがあります";
    case ProblemKind::WrongCreationTime: return "作成日時が正しくありません";
    case ProblemKind::EmptySlotBytesSet: return "空きの枠に 0 でないバイトがあります";
    case ProblemKind::FilledSlotAfterEmpty: return "空きの枠の後ろに使用中の枠があります";
    case ProblemKind::LastSlotsNotEmpty:
      return "枠 " + std::to_string(maxPointsPerFile) + " から " + std::to_string(slotCount - 1) +
             " が 0 ではありません";
    case ProblemKind::NameUnitNotJis:
      return "名前の " + std::to_string(problem.count) + " 文字目 (" + problem.detail +
             ") は JIS X 0208 の文字ではありません";
    case ProblemKind::PositionOffEarth:
      return "緯度・経度が範囲外のため、この地点は書き出していません";
    default: return {};
  }
}

}  // namespace

std::string PointFileProblemText(const Problem& problem) {
  return SlotPrefix(problem) + Text(problem);
}

}  // namespace pinmover
