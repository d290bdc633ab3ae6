#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <objidl.h>

#include <exception>
#include <optional>
#include <string>

#include "platform/file_system.h"
#include "platform/xml_reader.h"

namespace pinmover {

// A document as XmlLite reads it: from the file, a block at a time, decoded here with the
// system's converters and handed on as UTF-8 with a byte order mark, the declaration's encoding
// blanked out. Wine's XmlLite reads nothing but UTF-8 and UTF-16 (and UTF-16 past its first
// read makes it crash), turns bytes that are no UTF-8 into U+FFFD without a word, and lets
// control characters through; Windows' own would decode other encodings with tables of its own
// choosing. Decoded here, every document is checked alike: a byte sequence the encoding lacks,
// or a character XML does not allow, ends the stream with an error that says exactly where.
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
  // How many U+FFFD the document itself has held so far.
  std::uint64_t ReplacementCharacters() const { return replacementCharacters_; }
  // An error at the place just after the last character given to XmlLite.
  XmlError ErrorHere(std::string message) const;

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
  std::optional<XmlError> decodingError_;
  std::exception_ptr readFailure_;
};
#pragma GCC diagnostic pop

}  // namespace pinmover
