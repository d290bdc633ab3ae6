#include <windows.h>

#include <climits>

#include "platform/text_encoding.h"
#include "platform/win32/wide_text.h"

namespace pinmover {

namespace {

// Code page 932 is named explicitly, never CP_ACP, so that the program reads and writes the
// same bytes on a Windows of any language.
constexpr UINT shiftJis = 932;

std::optional<std::wstring> ToWide(UINT codePage, std::string_view text) {
  if (text.empty()) return std::wstring{};
  if (text.size() > INT_MAX) return std::nullopt;
  int size = static_cast<int>(text.size());
  int length = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (length <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  if (::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(),
                            length) != length) {
    return std::nullopt;
  }
  return wide;
}

std::optional<std::string> FromWide(UINT codePage, std::wstring_view wide) {
  if (wide.empty()) return std::string{};
  if (wide.size() > INT_MAX) return std::nullopt;
  int size = static_cast<int>(wide.size());
  // Code page 932 reports a character it lacks through the default-character flag (and is
  // kept from best-fit look-alikes); UTF-8 refuses lone surrogates with WC_ERR_INVALID_CHARS.
  DWORD flags = codePage == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* usedDefaultFlag = codePage == CP_UTF8 ? nullptr : &usedDefault;
  int length =
      ::WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, usedDefaultFlag);
  if (length <= 0 || usedDefault) return std::nullopt;
  std::string text(static_cast<std::size_t>(length), '\0');
  if (::WideCharToMultiByte(codePage, flags, wide.data(), size, text.data(), length, nullptr,
                            usedDefaultFlag) != length ||
      usedDefault) {
    return std::nullopt;
  }
  return text;
}

std::u16string ToUtf16(std::wstring_view wide) { return {wide.begin(), wide.end()}; }

}  // namespace

std::optional<std::wstring> WideFromSjis(std::string_view sjis) { return ToWide(shiftJis, sjis); }

std::optional<std::string> SjisFromWide(std::wstring_view wide) { return FromWide(shiftJis, wide); }

std::optional<std::wstring> WideFromCodePage(unsigned codePage, std::string_view text) {
  return ToWide(codePage, text);
}

std::optional<std::string> Utf8FromWide(std::wstring_view wide) { return FromWide(CP_UTF8, wide); }

std::optional<std::string> SjisToUtf8(std::string_view sjis) {
  auto wide = WideFromSjis(sjis);
  if (!wide) return std::nullopt;
  return FromWide(CP_UTF8, *wide);
}

std::optional<std::string> Utf8ToSjis(std::string_view utf8) {
  auto wide = ToWide(CP_UTF8, utf8);
  if (!wide) return std::nullopt;
  return SjisFromWide(*wide);
}

std::optional<std::u16string> SjisToUtf16(std::string_view sjis) {
  auto wide = WideFromSjis(sjis);
  if (!wide) return std::nullopt;
  return ToUtf16(*wide);
}

std::optional<std::string> Utf16ToSjis(std::u16string_view utf16) {
  return SjisFromWide(std::wstring(utf16.begin(), utf16.end()));
}

}  // namespace pinmover
