#include "ui/win32/shell_paths.h"

#include "ui/win32/win32_text.h"

namespace pinmover {

std::string ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return SjisText(path);
    }
    path.resize(path.size() * 2);
  }
}

std::vector<std::string> DroppedNames(HDROP drop) {
  std::vector<std::string> names;
  UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    UINT length = ::DragQueryFileW(drop, i, nullptr, 0);
    std::wstring name(length + 1, L'\0');
    name.resize(::DragQueryFileW(drop, i, name.data(), length + 1));
    names.push_back(SjisText(name));
  }
  return names;
}

}  // namespace pinmover
