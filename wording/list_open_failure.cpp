#include "wording/list_open_failure.h"

namespace pinmover {

std::string ListOpenFailureText(FileErrorCause cause) {
  switch (cause) {
    case FileErrorCause::None: return {};
    case FileErrorCause::FileNotFound: return "ファイルが見つかりませんでした。";
    case FileErrorCause::AccessDenied: return "ファイル アクセス禁止";
    case FileErrorCause::SharingViolation: return "ファイルの共有違反です";
    default: return "読み込みに失敗しました。";
  }
}

}  // namespace pinmover
