#include <windows.h>

#include "platform/process_environment.h"
#include "platform/win32/wide_text.h"

namespace pinmover {

std::string CurrentDirectory() {
  DWORD needed = ::GetCurrentDirectoryW(0, nullptr);
  if (needed == 0) return {};
  std::wstring buffer(needed, L'\0');
  DWORD length = ::GetCurrentDirectoryW(needed, buffer.data());
  // The folder may have been renamed to a longer name between the two calls.
  if (length == 0 || length >= needed) return {};
  buffer.resize(length);
  return SjisFromWide(buffer).value_or(std::string{});
}

}  // namespace pinmover
