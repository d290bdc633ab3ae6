#include <expat.h>

#include <exception>
#include <memory>
#include <new>

#include "platform/posix/expat_shift_jis.h"
#include "platform/xml_reader.h"

namespace pinmover {

namespace {

// With namespace processing expat names an element "URI<separator>local"; a line break can be
// no part of a name, so the local name is what follows the last one.
constexpr XML_Char namespaceSeparator = '\n';
constexpr int blockSize = 64 * 1024;

std::string_view LocalName(const XML_Char* name) {
  std::string_view full(name);
  auto separator = full.rfind(namespaceSeparator);
  return separator == std::string_view::npos ? full : full.substr(separator + 1);
}

std::string_view NamespaceOf(const XML_Char* name) {
  std::string_view full(name);
  auto separator = full.rfind(namespaceSeparator);
  return separator == std::string_view::npos ? std::string_view() : full.substr(0, separator);
}

struct ParserDeleter {
  void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};

class ExpatParse {
 public:
  explicit ExpatParse(XmlHandler& handler)
      : parser_(XML_ParserCreateNS(nullptr, namespaceSeparator)), handler_(handler) {
    if (!parser_) throw std::bad_alloc();
    XML_Parser parser = parser_.get();
    XML_SetUserData(parser, this);
    XML_SetElementHandler(parser, &ExpatParse::OnStart, &ExpatParse::OnEnd);
    XML_SetCharacterDataHandler(parser, &ExpatParse::OnText);
    XML_SetStartDoctypeDeclHandler(parser, &ExpatParse::OnDoctype);
    XML_SetDefaultHandlerExpand(parser, &ExpatParse::OnOther);
    XML_SetUnknownEncodingHandler(parser, &ExpatShiftJis::HandleUnknownEncoding, &shiftJis_);
  }

  std::optional<XmlError> Run(InputFile& file) {
    XML_Parser parser = parser_.get();
    for (;;) {
      void* buffer = XML_GetBuffer(parser, blockSize);
      if (!buffer) throw std::bad_alloc();
      std::size_t count = file.Read({static_cast<char*>(buffer), blockSize});
      bool last = count == 0;
      fed_ += count;
      if (XML_ParseBuffer(parser, static_cast<int>(count), last) != XML_STATUS_OK) break;
      if (last) return std::nullopt;
      if (fed_ - lastEvent_ > maxXmlMarkupBytes) {
        return XmlError{Line(), Column(), {}, XmlErrorKind::TooLong};
      }
    }
    if (handlerFailure_) std::rethrow_exception(handlerFailure_);
    if (refusal_) return refusal_;
    XML_Error code = XML_GetErrorCode(parser);
    if (code == XML_ERROR_NO_MEMORY) throw std::bad_alloc();
    return XmlError{Line(), Column(), XML_ErrorString(code)};
  }

 private:
  static ExpatParse& Self(void* data) { return *static_cast<ExpatParse*>(data); }

  std::uint64_t Line() const { return XML_GetCurrentLineNumber(parser_.get()); }
  std::uint64_t Column() const { return XML_GetCurrentColumnNumber(parser_.get()) + 1; }

  // Where the latest thing the document gave ends, at least; what expat has not yet given
  // anything of since then is one stretch of markup.
  void Progress() {
    lastEvent_ = static_cast<std::uint64_t>(XML_GetCurrentByteIndex(parser_.get()));
  }

  // Expat may still call a handler or two after it was told to stop.
  bool Stopped() const { return refusal_ || handlerFailure_; }

  void Refuse(XmlError refusal) {
    refusal_ = std::move(refusal);
    XML_StopParser(parser_.get(), XML_FALSE);
  }

  // An exception must not unwind through expat's C frames: it is kept, and raised again once
  // expat has returned.
  template <class Step>
  void Deliver(Step step) {
    if (Stopped()) return;
    try {
      step();
    } catch (...) {
      handlerFailure_ = std::current_exception();
      XML_StopParser(parser_.get(), XML_FALSE);
    }
  }

  static void XMLCALL OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
    ExpatParse& self = Self(data);
    self.Progress();
    if (self.Stopped()) return;
    if (++self.depth_ > maxXmlDepth) {
      self.Refuse({self.Line(), self.Column(), {}, XmlErrorKind::TooDeep});
      return;
    }
    self.Deliver([&] {
      self.attributes_.clear();
      for (const XML_Char** attribute = attributes; *attribute; attribute += 2) {
        self.attributes_.emplace_back(LocalName(attribute[0]), attribute[1]);
      }
      self.handler_.StartElement(LocalName(name), self.attributes_, NamespaceOf(name));
    });
  }

  static void XMLCALL OnEnd(void* data, const XML_Char* name) {
    ExpatParse& self = Self(data);
    self.Progress();
    --self.depth_;
    self.Deliver([&] { self.handler_.EndElement(LocalName(name)); });
  }

  static void XMLCALL OnText(void* data, const XML_Char* text, int length) {
    ExpatParse& self = Self(data);
    self.Progress();
    self.Deliver([&] { self.handler_.Text({text, static_cast<std::size_t>(length)}); });
  }

  // Comments, blanks outside the root element and the like: nothing to hand on.
  static void XMLCALL OnOther(void* data, const XML_Char*, int) { Self(data).Progress(); }

  static void XMLCALL OnDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*,
                                int) {
    ExpatParse& self = Self(data);
    if (!self.Stopped()) self.Refuse({self.Line(), self.Column(), {}, XmlErrorKind::DocumentType});
  }

  std::unique_ptr<XML_ParserStruct, ParserDeleter> parser_;
  XmlHandler& handler_;
  ExpatShiftJis shiftJis_;
  XmlAttributes attributes_;
  int depth_ = 0;
  std::uint64_t fed_ = 0;
  std::uint64_t lastEvent_ = 0;
  std::optional<XmlError> refusal_;
  std::exception_ptr handlerFailure_;
};

}  // namespace

std::optional<XmlError> ParseXml(InputFile& file, XmlHandler& handler) {
  return ExpatParse(handler).Run(file);
}

}  // namespace pinmover
