#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_system.h"

namespace pinmover {

// Local names (any namespace prefix removed) and values, UTF-8.
using XmlAttributes = std::vector<std::pair<std::string_view, std::string_view>>;

// What a streaming XML parse reports, in document order. Text arrives in pieces: character
// data and CDATA alike, entities already replaced.
class XmlHandler {
 public:
  virtual ~XmlHandler() = default;
  // namespaceUri is the element's namespace, empty for none.
  virtual void StartElement(std::string_view localName, const XmlAttributes& attributes,
                            std::string_view namespaceUri) = 0;
  virtual void EndElement(std::string_view localName) = 0;
  virtual void Text(std::string_view utf8) = 0;
};

// What stops a parse: the document breaks XML's grammar, or holds what is never read.
enum class XmlErrorKind { Malformed, DocumentType, TooDeep, TooLong };

struct XmlError {
  std::uint64_t line = 0;    // counted from 1; 0 if the parser cannot tell
  std::uint64_t column = 0;  // counted from 1; 0 if the parser cannot tell
  std::string message;       // UTF-8, the parser's own words for a malformed document
  XmlErrorKind kind = XmlErrorKind::Malformed;
};

// The deepest element nesting a document may have.
inline constexpr int maxXmlDepth = 256;
// The most bytes a document may run without giving the parser's user anything: a comment, a tag
// or an attribute value. Parsers slow down with the square of such a stretch, a small KMZ can
// inflate to one of gigabytes, and Wine's XmlLite crashes on a comment of 384 KiB; no map needs
// more. Text and CDATA are handed on as they are read, however long they are.
inline constexpr std::uint64_t maxXmlMarkupBytes = 256 << 10;

// Parses the whole document from file, a block at a time, in the encoding it declares (UTF-8,
// UTF-16, ISO-8859-1, US-ASCII, Shift_JIS, Windows-31J, CP932). A document with a document type
// declaration is refused: no DTD, entity or external resource is ever loaded, nor is markup
// longer than maxXmlMarkupBytes. Returns nothing when the document was well formed and read to
// its end. Read errors propagate as FileError.
std::optional<XmlError> ParseXml(InputFile& file, XmlHandler& handler);

}  // namespace pinmover
