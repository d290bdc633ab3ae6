#include "ui/win32/win32_text.h"

#include <windows.h>

#include <climits>

namespace pinmover {

namespace {

// Named explicitly, never CP_ACP, so that the program shows the same texts on any Windows.
constexpr UINT shiftJis = 932;

}  // namespace

std::wstring WideText(std::string_view sjis) {
  if (sjis.empty() || sjis.size() > INT_MAX) return {};
  int size = static_cast<int>(sjis.size());
  int length = ::MultiByteToWideChar(shiftJis, 0, sjis.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(shiftJis, 0, sjis.data(), size, wide.data(), length);
  return wide;
}

std::string SjisText(std::wstring_view wide) {
  if (wide.empty() || wide.size() > INT_MAX) return {};
  int size = static_cast<int>(wide.size());
  // No best fit: a look-alike letter could name a different, existing file.
  int length = ::WideCharToMultiByte(shiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0,
                                     "?", nullptr);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(shiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), size, text.data(), length,
                        "?", nullptr);
  return text;
}

}  // namespace pinmover
