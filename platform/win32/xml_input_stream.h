#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <objidl.h>

#include <exception>
#include <optional>
#include <string>

#include "platform/file_system.h"
#include "platform/win32/markup_stretch.h"
#include "platform/xml_reader.h"

namespace pinmover {

// A document as XmlLite reads it: from the file, a block at a time, decoded here with the
// system's converters and handed on as UTF-8 with a byte order mark, the declaration's encoding
// blanked out. Decoded here, every document is checked alike: a byte sequence the encoding
// lacks, or a character XML does not allow, ends the stream with an error that says exactly
// where; Windows' own XmlLite would decode other encodings with tables of its own choosing.
//
// This file holds every way round the faults of Wine's XmlLite, which the tests run under:
// 1. it reads nothing but UTF-8 and UTF-16, and fails at once on Shift_JIS or ISO-8859-1;
// 2. UTF-16 past its first read makes it crash;
// 3. it turns bytes that are no UTF-8 into U+FFFD without a word, and lets control characters
//    through;
// 4. it garbles a UTF-8 character that a read ends inside or right after (SafeReadLength);
// 5. it garbles a run of more than 8 KiB without an ASCII character (Garbled);
// 6. at the end of a document that leaves an element open, it hands out empty text for ever
//    instead of failing (EndlessEmptyText);
// 7. once a read has failed, it may hand out the last element again and again (Failed);
// 8. it refuses one level before the depth limit it is given (XmlLiteDepthLimit);
// 9. it crashes on a comment of 384 KiB, and builds a text node whole before it hands out any
//    of it (so the markup limit counts markup only: MarkupStretch).
// The stream takes care of 1 to 4 and 9; the parse asks it about 5 to 8.
//
// The object lives on its user's stack and outlives the reader that holds it: its reference
// count follows COM's rules but never deletes it. COM interfaces have no virtual destructor,
// and need none: nothing is ever deleted through one.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class XmlInputStream final : public ISequentialStream {
 public:
  explicit XmlInputStream(InputFile& file) : file_(file) {}
  XmlInputStream(const XmlInputStream&) = delete;
  XmlInputStream& operator=(const XmlInputStream&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override { return --references_; }
  HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG size, ULONG* done) override;
  HRESULT STDMETHODCALLTYPE Write(const void*, ULONG, ULONG*) override {
    return STG_E_ACCESSDENIED;
  }

  // Raises again a FileError (or any other exception) that reading the file met: XmlLite saw
  // only a failed read.
  void RethrowReadFailure() const;
  bool Failed() const { return readFailure_ || decodingError_; }
  // What the document holds that no XML parser may read, with its place.
  const std::optional<XmlError>& DecodingError() const { return decodingError_; }
  // Whether XmlLite has had the whole document.
  bool Exhausted() const { return ended_ && readyOffset_ == ready_.size(); }
  // Whether XmlLite garbled characters: it gave out more U+FFFD than the document has held.
  bool Garbled(std::uint64_t replacementCharactersGivenOut) const {
    return replacementCharactersGivenOut > replacementCharacters_;
  }
  // Whether a text of this length is the empty text XmlLite hands out for ever at the end of a
  // document that leaves an element open.
  bool EndlessEmptyText(std::size_t textLength) const { return textLength == 0 && Exhausted(); }
  // The depth limit to give XmlLite so that it refuses no document of maxDepth levels.
  static constexpr LONG_PTR XmlLiteDepthLimit(int maxDepth) { return maxDepth + 2; }
  // An error at the place just after the last character given to XmlLite.
  XmlError ErrorHere(std::string message) const;
  // The parse has given its user something: markup that XmlLite reads from here on without
  // doing so again is refused past maxXmlMarkupBytes.
  void Progress() { atProgress_ = givenOut_; }

 private:
  enum class Source { Utf8, Utf16Le, Utf16Be, CodePage, Ascii };

  bool Refill();
  void ChooseSource();
  std::size_t WholeCharacters(std::string_view bytes) const;
  std::size_t CharacterLength(std::string_view bytes, std::size_t at) const;
  std::size_t ValidLength(std::string_view bytes) const;
  std::optional<std::wstring> Convert(std::string_view bytes) const;
  void Decode(std::string_view bytes, bool first);
  std::size_t Append(std::wstring_view wide);
  void Fail(std::string message);

  InputFile& file_;
  ULONG references_ = 0;
  bool started_ = false;
  bool ended_ = false;
  Source source_ = Source::Utf8;
  UINT codePage_ = CP_UTF8;
  std::string encodingName_ = "UTF-8";
  std::string block_;
  std::string carried_;  // the start of a character that the next block completes
  std::string ready_;    // UTF-8 for XmlLite
  std::size_t readyOffset_ = 0;
  // Where the text given so far ends, counted as XML counts lines.
  std::uint64_t line_ = 1;
  std::uint64_t column_ = 0;
  bool afterCarriageReturn_ = false;
  std::uint64_t replacementCharacters_ = 0;
  std::uint64_t givenOut_ = 0;  // bytes handed to XmlLite
  std::uint64_t atProgress_ = 0;
  MarkupStretch markup_;
  std::optional<XmlError> decodingError_;
  std::exception_ptr readFailure_;
};
#pragma GCC diagnostic pop

}  // namespace pinmover
