#include "platform/win32/xml_input_stream.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/win32/wide_text.h"
#include "platform/win32/xml_encoding_declaration.h"
#include "platform/xml_encoding_name.h"
#include "text/utf8.h"

namespace pinmover {

namespace {

constexpr std::size_t blockSize = 64 * 1024;
constexpr UINT shiftJis = 932;
constexpr UINT latin1 = 28591;
// What Read answers once the file failed or the document holds what no parser may read;
// XmlLite passes it on, and the parse then asks the stream what happened.
constexpr HRESULT readFailed = HRESULT_FROM_WIN32(ERROR_READ_FAULT);

bool IsEncodingNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
         c == '_' || c == '-';
}

// How much of rest (longer than limit) one read may take. Wine's XmlLite garbles a UTF-8
// character that a read ends inside or right after, and moves the wrong bytes forward: a read
// that ends with an ASCII byte is safe. Where the window holds none, a cut between characters
// is what any other reader needs; the parse notices when Wine's garbles it anyway.
std::size_t SafeReadLength(std::string_view rest, std::size_t limit) {
  std::string_view window = rest.substr(0, limit);
  auto lastAscii = std::find_if(window.rbegin(), window.rend(),
                                [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
  if (lastAscii != window.rend()) return static_cast<std::size_t>(window.rend() - lastAscii);
  return std::max<std::size_t>(1, Utf8Prefix(rest, limit).size());
}

bool AllowedInXml(wchar_t c) {
  return c >= 0x20 ? c != 0xFFFE && c != 0xFFFF : c == '\t' || c == '\n' || c == '\r';
}

}  // namespace

HRESULT STDMETHODCALLTYPE XmlInputStream::QueryInterface(REFIID id, void** object) {
  if (!object) return E_POINTER;
  if (id == IID_IUnknown || id == IID_ISequentialStream) {
    *object = static_cast<ISequentialStream*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

// An exception must not unwind through XmlLite: it is kept until the parse asks for it.
HRESULT STDMETHODCALLTYPE XmlInputStream::Read(void* buffer, ULONG size, ULONG* done) {
  if (auto since = markup_.OpenSince();
      since && givenOut_ - std::max(*since, atProgress_) > maxXmlMarkupBytes) {
    if (!decodingError_) decodingError_ = XmlError{line_, column_ + 1, {}, XmlErrorKind::TooLong};
    ended_ = true;
    if (done) *done = 0;
    return readFailed;
  }
  ULONG filled = 0;
  try {
    while (filled < size) {
      if (readyOffset_ == ready_.size()) {
        if (!Refill()) break;
        continue;
      }
      std::size_t available = ready_.size() - readyOffset_;
      std::size_t count = std::min<std::size_t>(size - filled, available);
      if (count < available) {
        count = SafeReadLength(std::string_view(ready_).substr(readyOffset_), count);
      }
      std::memcpy(static_cast<char*>(buffer) + filled, ready_.data() + readyOffset_, count);
      markup_.Follow(std::string_view(ready_).substr(readyOffset_, count), givenOut_ + filled);
      readyOffset_ += count;
      filled += static_cast<ULONG>(count);
      if (count < available) break;
    }
  } catch (...) {
    readFailure_ = std::current_exception();
  }
  givenOut_ += filled;
  if (done) *done = filled;
  if (filled == 0 && Failed()) return readFailed;
  // S_FALSE tells XmlLite that the document has ended; a read cut short above has not.
  return filled < size && Exhausted() ? S_FALSE : S_OK;
}

void XmlInputStream::RethrowReadFailure() const {
  if (readFailure_) std::rethrow_exception(readFailure_);
}

XmlError XmlInputStream::ErrorHere(std::string message) const {
  return {line_, column_ + 1, std::move(message)};
}

bool XmlInputStream::Refill() {
  if (ended_ || readFailure_) return false;
  ready_.clear();
  readyOffset_ = 0;
  block_.resize(blockSize);
  block_.resize(file_.Read(block_));
  bool first = !started_;
  if (first) {
    started_ = true;
    ChooseSource();
    if (decodingError_) return false;
  }
  if (block_.empty()) ended_ = true;
  std::string bytes = carried_ + block_;
  std::size_t whole = ended_ ? bytes.size() : WholeCharacters(bytes);
  carried_.assign(bytes, whole);
  bytes.resize(whole);
  Decode(bytes, first);
  return !ready_.empty() || !ended_;
}

// From the byte order mark, else from the first characters, else from the declaration.
void XmlInputStream::ChooseSource() {
  std::string_view start = block_;
  std::size_t mark = 0;
  if (start.starts_with(utf8ByteOrderMark)) {
    mark = utf8ByteOrderMark.size();
  } else if (start.starts_with("\xFF\xFE")) {
    source_ = Source::Utf16Le;
    mark = 2;
  } else if (start.starts_with("\xFE\xFF")) {
    source_ = Source::Utf16Be;
    mark = 2;
  } else if (start.starts_with(std::string_view("<\0", 2))) {
    source_ = Source::Utf16Le;
  } else if (start.starts_with(std::string_view("\0<", 2))) {
    source_ = Source::Utf16Be;
  } else if (auto declaration = FindEncodingDeclaration(start)) {
    std::string_view name =
        start.substr(declaration->nameBegin, declaration->nameEnd - declaration->nameBegin);
    switch (ClassifyEncodingName(name)) {
      case DeclaredEncoding::Utf8:
        break;
      case DeclaredEncoding::ShiftJis:
        source_ = Source::CodePage;
        codePage_ = shiftJis;
        break;
      case DeclaredEncoding::Latin1:
        source_ = Source::CodePage;
        codePage_ = latin1;
        break;
      case DeclaredEncoding::Ascii:
        source_ = Source::Ascii;
        codePage_ = latin1;
        break;
      case DeclaredEncoding::Other:
        column_ = declaration->nameBegin;
        Fail(std::all_of(name.begin(), name.end(), IsEncodingNameCharacter)
                 ? "unknown encoding " + std::string(name)
                 : std::string("unknown encoding"));
        return;
    }
    encodingName_ = name;
  }
  if (source_ == Source::Utf16Le || source_ == Source::Utf16Be) encodingName_ = "UTF-16";
  block_.erase(0, mark);
  ready_ = utf8ByteOrderMark;
}

// Up to the end of the last character that the bytes hold whole.
std::size_t XmlInputStream::WholeCharacters(std::string_view bytes) const {
  switch (source_) {
    case Source::Utf16Le:
    case Source::Utf16Be: {
      std::size_t even = bytes.size() & ~std::size_t{1};
      if (even == 0) return 0;
      auto high =
          static_cast<unsigned char>(bytes[source_ == Source::Utf16Le ? even - 1 : even - 2]);
      return high >= 0xD8 && high <= 0xDB ? even - 2 : even;
    }
    case Source::Utf8:
      return WholeUtf8Length(bytes);
    case Source::CodePage: {
      std::size_t at = 0;
      while (at < bytes.size() && at + CharacterLength(bytes, at) <= bytes.size()) {
        at += CharacterLength(bytes, at);
      }
      return at;
    }
    case Source::Ascii:
      break;
  }
  return bytes.size();
}

std::size_t XmlInputStream::CharacterLength(std::string_view bytes, std::size_t at) const {
  auto byte = static_cast<unsigned char>(bytes[at]);
  if (source_ == Source::Utf16Le || source_ == Source::Utf16Be) return 2;
  if (source_ == Source::Utf8) return DecodeUtf8At(bytes, at).length;
  return codePage_ == shiftJis && ::IsDBCSLeadByteEx(shiftJis, byte) ? 2 : 1;
}

// The bytes before the first one that starts no character; needed once a conversion failed, so
// character by character is fast enough.
std::size_t XmlInputStream::ValidLength(std::string_view bytes) const {
  std::size_t at = 0;
  while (at < bytes.size()) {
    std::size_t length = std::min(CharacterLength(bytes, at), bytes.size() - at);
    if (!Convert(bytes.substr(at, length))) break;
    at += length;
  }
  return at;
}

std::optional<std::wstring> XmlInputStream::Convert(std::string_view bytes) const {
  switch (source_) {
    case Source::Utf16Le:
    case Source::Utf16Be: {
      if (bytes.size() % 2 != 0) return std::nullopt;
      std::wstring wide(bytes.size() / 2, L'\0');
      for (std::size_t i = 0; i < wide.size(); ++i) {
        auto first = static_cast<unsigned char>(bytes[2 * i]);
        auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        wide[i] = static_cast<wchar_t>(source_ == Source::Utf16Le ? first | second << 8
                                                                  : first << 8 | second);
      }
      return wide;
    }
    case Source::Ascii:
      // ASCII is the first half of ISO-8859-1; a byte of the other half is no ASCII.
      if (std::any_of(bytes.begin(), bytes.end(),
                      [](char byte) { return static_cast<unsigned char>(byte) >= 0x80; })) {
        return std::nullopt;
      }
      break;
    case Source::Utf8:
    case Source::CodePage:
      break;
  }
  return WideFromCodePage(codePage_, bytes);
}

void XmlInputStream::Decode(std::string_view bytes, bool first) {
  std::size_t valid = bytes.size();
  auto wide = Convert(bytes);
  if (!wide) {
    valid = ValidLength(bytes);
    wide = Convert(bytes.substr(0, valid));
    if (!wide) wide.emplace();
  }
  // The declaration goes to XmlLite without its encoding, which no longer applies; the same
  // number of spaces keeps every column where it was.
  if (first) {
    if (auto declaration = FindEncodingDeclaration(std::wstring_view(*wide))) {
      std::fill(wide->begin() + static_cast<std::ptrdiff_t>(declaration->begin),
                wide->begin() + static_cast<std::ptrdiff_t>(declaration->end), L' ');
    }
  }
  std::size_t accepted = Append(*wide);
  if (accepted < wide->size()) {
    char text[64];
    std::snprintf(text, sizeof text, "a character that XML does not allow (U+%04X)",
                  static_cast<unsigned>((*wide)[accepted]));
    Fail(text);
  } else if (valid < bytes.size()) {
    Fail("a byte sequence that is no " + encodingName_ + " character");
  }
}

// Passes on the characters up to the first that XML does not allow, and returns their count.
std::size_t XmlInputStream::Append(std::wstring_view wide) {
  std::size_t at = 0;
  while (at < wide.size()) {
    wchar_t c = wide[at];
    std::size_t length = 1;
    if (IS_HIGH_SURROGATE(c) && at + 1 < wide.size() && IS_LOW_SURROGATE(wide[at + 1])) {
      length = 2;
    } else if (IS_HIGH_SURROGATE(c) || IS_LOW_SURROGATE(c) || !AllowedInXml(c)) {
      break;
    }
    if (c == L'\n' && afterCarriageReturn_) {
      afterCarriageReturn_ = false;
    } else if (c == L'\n' || c == L'\r') {
      afterCarriageReturn_ = c == L'\r';
      ++line_;
      column_ = 0;
    } else {
      afterCarriageReturn_ = false;
      ++column_;
    }
    at += length;
  }
  replacementCharacters_ += static_cast<std::uint64_t>(
      std::count(wide.begin(), wide.begin() + static_cast<std::ptrdiff_t>(at), L'\uFFFD'));
  // Whole characters, none a lone surrogate: they always convert.
  ready_ += Utf8FromWide(wide.substr(0, at)).value_or(std::string());
  return at;
}

void XmlInputStream::Fail(std::string message) {
  decodingError_ = ErrorHere(std::move(message));
  ended_ = true;
}

}  // namespace pinmover
