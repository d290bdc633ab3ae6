#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/text_encoding.h"

namespace pinmover {

namespace {

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

// Converts a whole text with iconv, or gives nothing when any byte cannot be converted.
template <class Out, class In>
std::optional<Out> Convert(const char* to, const char* from, In text) {
  iconv_t converter = ::iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string input(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(text[0]));
  std::string output(input.size() * 4 + 16, '\0');
  char* in = input.data();
  std::size_t inLeft = input.size();
  char* out = output.data();
  std::size_t outLeft = output.size();
  std::size_t result = ::iconv(converter, &in, &inLeft, &out, &outLeft);
  if (result != static_cast<std::size_t>(-1)) {
    result = ::iconv(converter, nullptr, nullptr, &out, &outLeft);
  }
  ::iconv_close(converter);
  // A character that the target set lacks counts as a failure too, never as a substitute.
  if (result != 0 || inLeft != 0) return std::nullopt;
  std::size_t bytes = output.size() - outLeft;
  Out converted(bytes / sizeof(typename Out::value_type), typename Out::value_type{});
  std::memcpy(converted.data(), output.data(), bytes);
  return converted;
}

}  // namespace

// ASCII reads the same in all three encodings; most paths are ASCII, and passing them
// straight through spares every run the loading of the code page converter.
std::optional<std::string> SjisToUtf8(std::string_view sjis) {
  if (IsAscii(sjis)) return std::string(sjis);
  return Convert<std::string>("UTF-8", "CP932", sjis);
}

std::optional<std::string> Utf8ToSjis(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  return Convert<std::string>("CP932", "UTF-8", utf8);
}

std::optional<std::u16string> SjisToUtf16(std::string_view sjis) {
  return Convert<std::u16string>("UTF-16LE", "CP932", sjis);
}

std::optional<std::string> Utf16ToSjis(std::u16string_view utf16) {
  return Convert<std::string>("CP932", "UTF-16LE", utf16);
}

}  // namespace pinmover
