#include <windows.h>
// Defines IID_IXmlReader here: MinGW has no library that holds it.
#include <initguid.h>
#include <xmllite.h>

#include <algorithm>
#include <array>
#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/wide_text.h"
#include "platform/win32/xml_input_stream.h"
#include "platform/win32/xmllite_errors.h"
#include "platform/xml_reader.h"

namespace pinmover {

namespace {

// xmllite.h gives its codes as an enumeration above LONG_MAX.
constexpr HRESULT Code(::XmlError error) { return static_cast<HRESULT>(error); }

using CreateXmlReaderFunction = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);

// MinGW has xmllite.h but no import library. The DLL is taken from the system folder only, so
// that no file of that name beside the program or in the current folder is loaded instead.
CreateXmlReaderFunction CreateXmlReaderFromSystem() {
  static const CreateXmlReaderFunction create = [] {
    HMODULE library = ::LoadLibraryExW(L"xmllite.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!library) return CreateXmlReaderFunction{};
    // Through void(*)(), the one function type any other may be cast from without a warning.
    return reinterpret_cast<CreateXmlReaderFunction>(
        reinterpret_cast<void (*)()>(::GetProcAddress(library, "CreateXmlReader")));
  }();
  return create;
}

struct Releaser {
  void operator()(IUnknown* object) const { object->Release(); }
};

// Text that XmlLite passed but that cannot be given on, or a failure XmlLite reported outside
// Read.
struct ParseFailure {
  std::string message;
};

class XmlLiteParse {
 public:
  XmlLiteParse(IXmlReader& reader, XmlInputStream& stream, XmlHandler& handler)
      : reader_(reader), stream_(stream), handler_(handler) {}

  std::optional<XmlError> Run() {
    HRESULT result = S_OK;
    std::optional<XmlError> stop;
    try {
      XmlNodeType type = XmlNodeType_None;
      // Once the stream has failed, nothing XmlLite says counts.
      while (!stop && (result = reader_.Read(&type)) == S_OK && !stream_.Failed()) {
        stream_.Progress();
        stop = Deliver(type);
      }
    } catch (const ParseFailure& failure) {
      stop = XmlError{Line(), Column(), failure.message};
    }
    stream_.RethrowReadFailure();
    if (stream_.DecodingError()) return stream_.DecodingError();
    if (stop) return stop;
    if (result == E_OUTOFMEMORY) throw std::bad_alloc();
    if (result == Code(WC_E_DTDPROHIBITED)) return Refusal(XmlErrorKind::DocumentType);
    if (result == Code(SC_E_MAXELEMENTDEPTH)) return Refusal(XmlErrorKind::TooDeep);
    if (FAILED(result)) return XmlError{Line(), Column(), XmlLiteErrorText(result)};
    // Expat calls a document without an element, or one that stops inside one, not well formed;
    // so do we, whatever XmlLite thinks of it.
    if (!sawElement_ || depth_ != 0) return EndOfInput();
    return std::nullopt;
  }

 private:
  std::optional<XmlError> Deliver(XmlNodeType type) {
    switch (type) {
      case XmlNodeType_Element:
        return StartElement();
      case XmlNodeType_EndElement:
        --depth_;
        handler_.EndElement(Utf8(LocalName()));
        return std::nullopt;
      case XmlNodeType_Text:
      case XmlNodeType_CDATA:
      case XmlNodeType_Whitespace:
        // Blanks around the root element are no character data, as expat sees it.
        if (depth_ > 0 && stream_.EndlessEmptyText(Text())) return EndOfInput();
        return std::nullopt;
      case XmlNodeType_DocumentType:
        return Refusal(XmlErrorKind::DocumentType);
      default:
        return std::nullopt;
    }
  }

  std::optional<XmlError> StartElement() {
    bool empty = reader_.IsEmptyElement();
    if (++depth_ > maxXmlDepth) return Refusal(XmlErrorKind::TooDeep);
    sawElement_ = true;
    std::string name = Utf8(LocalName());
    std::string namespaceUri = Utf8(NamespaceUri());
    values_.clear();
    for (HRESULT moved = reader_.MoveToFirstAttribute(); moved == S_OK;
         moved = reader_.MoveToNextAttribute()) {
      if (IsNamespaceDeclaration()) continue;
      std::string attributeName = Utf8(LocalName());
      values_.emplace_back(std::move(attributeName), Utf8(Value()));
    }
    attributes_.assign(values_.begin(), values_.end());
    handler_.StartElement(name, attributes_, namespaceUri);
    if (empty) {
      --depth_;
      handler_.EndElement(name);
    }
    return std::nullopt;
  }

  // Read in chunks, so that a long text need not be held whole where XmlLite streams it; a
  // surrogate pair cut by a chunk's end waits for its second half. Returns the length read.
  std::size_t Text() {
    std::array<wchar_t, 4096> chunk;
    UINT kept = 0;
    std::size_t length = 0;
    for (;;) {
      UINT count = 0;
      Check(reader_.ReadValueChunk(chunk.data() + kept, static_cast<UINT>(chunk.size()) - kept,
                                   &count));
      if (count == 0) break;
      length += count;
      UINT total = kept + count;
      kept = IS_HIGH_SURROGATE(chunk[total - 1]) ? 1 : 0;
      handler_.Text(Utf8({chunk.data(), total - kept}));
      stream_.Progress();
      if (kept) chunk[0] = chunk[total - 1];
    }
    if (kept) throw ParseFailure{"a lone surrogate in the text"};
    return length;
  }

  XmlError Refusal(XmlErrorKind kind) { return {Line(), Column(), {}, kind}; }

  XmlError EndOfInput() const { return stream_.ErrorHere(XmlLiteErrorText(Code(MX_E_INPUTEND))); }

  bool IsNamespaceDeclaration() {
    const WCHAR* prefix = nullptr;
    UINT length = 0;
    Check(reader_.GetPrefix(&prefix, &length));
    std::wstring_view declared = length ? std::wstring_view(prefix, length) : LocalName();
    return declared == L"xmlns";
  }

  std::wstring_view LocalName() {
    const WCHAR* name = nullptr;
    UINT length = 0;
    Check(reader_.GetLocalName(&name, &length));
    return {name, length};
  }

  std::wstring_view NamespaceUri() {
    const WCHAR* uri = nullptr;
    UINT length = 0;
    Check(reader_.GetNamespaceUri(&uri, &length));
    return {uri, length};
  }

  std::wstring_view Value() {
    const WCHAR* value = nullptr;
    UINT length = 0;
    Check(reader_.GetValue(&value, &length));
    return {value, length};
  }

  // Text that XmlLite garbled must not reach the handler.
  std::string Utf8(std::wstring_view wide) {
    replacementCharacters_ +=
        static_cast<std::uint64_t>(std::count(wide.begin(), wide.end(), L'\uFFFD'));
    if (stream_.Garbled(replacementCharacters_)) {
      throw ParseFailure{
          "XmlLite garbled the text: a run of more than 8 KiB without an ASCII character, which "
          "Wine's XmlLite cannot read"};
    }
    auto utf8 = Utf8FromWide(wide);
    if (!utf8) throw ParseFailure{"a lone surrogate in a name or value"};
    return std::move(*utf8);
  }

  static void Check(HRESULT result) {
    if (result == E_OUTOFMEMORY) throw std::bad_alloc();
    if (FAILED(result)) throw ParseFailure{XmlLiteErrorText(result)};
  }

  std::uint64_t Line() {
    UINT line = 0;
    return SUCCEEDED(reader_.GetLineNumber(&line)) ? line : 0;
  }
  std::uint64_t Column() {
    UINT column = 0;
    return SUCCEEDED(reader_.GetLinePosition(&column)) ? column : 0;
  }

  IXmlReader& reader_;
  XmlInputStream& stream_;
  XmlHandler& handler_;
  int depth_ = 0;
  bool sawElement_ = false;
  std::uint64_t replacementCharacters_ = 0;
  std::vector<std::pair<std::string, std::string>> values_;
  XmlAttributes attributes_;
};

}  // namespace

std::optional<XmlError> ParseXml(InputFile& file, XmlHandler& handler) {
  CreateXmlReaderFunction create = CreateXmlReaderFromSystem();
  if (!create) return XmlError{0, 0, "the system's XML reader (xmllite.dll) cannot be loaded"};
  XmlInputStream stream(file);
  IXmlReader* created = nullptr;
  HRESULT result = create(IID_IXmlReader, reinterpret_cast<void**>(&created), nullptr);
  if (result == E_OUTOFMEMORY) throw std::bad_alloc();
  if (FAILED(result)) return XmlError{0, 0, XmlLiteErrorText(result)};
  std::unique_ptr<IXmlReader, Releaser> reader(created);
  // Our own count of the depth decides; XmlLite's limit, set beyond it, is a second guard.
  for (auto [property, value] : {
           std::pair{XmlReaderProperty_DtdProcessing, LONG_PTR{DtdProcessing_Prohibit}},
           std::pair{XmlReaderProperty_XmlResolver, LONG_PTR{0}},
           std::pair{XmlReaderProperty_MaxElementDepth,
                     XmlInputStream::XmlLiteDepthLimit(maxXmlDepth)},
       }) {
    result = reader->SetProperty(property, value);
    if (FAILED(result)) return XmlError{0, 0, XmlLiteErrorText(result)};
  }
  result = reader->SetInput(static_cast<ISequentialStream*>(&stream));
  if (FAILED(result)) return XmlError{0, 0, XmlLiteErrorText(result)};
  return XmlLiteParse(*reader, stream, handler).Run();
}

}  // namespace pinmover
