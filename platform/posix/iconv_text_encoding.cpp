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

// One converter per direction, opened when a text first needs it and kept: opening one costs
// about three times as much as converting a name. A descriptor carries state, so each thread
// has its own.
class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(::iconv_open(to, from)) {}
  ~Converter() {
    if (Usable()) ::iconv_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Usable() const noexcept { return handle_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t Get() noexcept { return handle_; }

 private:
  iconv_t handle_;
};

// Converts a whole text, or gives nothing when any byte cannot be converted.
template <class Out, class In>
std::optional<Out> Convert(Converter& converter, In text) {
  if (!converter.Usable()) return std::nullopt;
  // A conversion that failed half-way may have left the descriptor in a shift state.
  ::iconv(converter.Get(), nullptr, nullptr, nullptr, nullptr);
  std::string input(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(text[0]));
  std::string output(input.size() * 4 + 16, '\0');
  char* in = input.data();
  std::size_t inLeft = input.size();
  char* out = output.data();
  std::size_t outLeft = output.size();
  std::size_t result = ::iconv(converter.Get(), &in, &inLeft, &out, &outLeft);
  if (result != static_cast<std::size_t>(-1)) {
    result = ::iconv(converter.Get(), nullptr, nullptr, &out, &outLeft);
  }
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
  thread_local Converter converter("UTF-8", "CP932");
  return Convert<std::string>(converter, sjis);
}

std::optional<std::string> Utf8ToSjis(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  thread_local Converter converter("CP932", "UTF-8");
  return Convert<std::string>(converter, utf8);
}

std::optional<std::u16string> SjisToUtf16(std::string_view sjis) {
  thread_local Converter converter("UTF-16LE", "CP932");
  return Convert<std::u16string>(converter, sjis);
}

std::optional<std::string> Utf16ToSjis(std::u16string_view utf16) {
  thread_local Converter converter("CP932", "UTF-16LE");
  return Convert<std::string>(converter, utf16);
}

}  // namespace pinmover
