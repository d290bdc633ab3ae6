#include "formats/xml/xml_document.h"

namespace pinmover {

namespace {

// The parsers' words for what they refuse, alike whichever system's parser met it.
std::string RefusalText(XmlErrorKind kind) {
  switch (kind) {
    case XmlErrorKind::DocumentType:
      return "document type declaration (DOCTYPE): not read, since it can define entities and "
             "name other files";
    case XmlErrorKind::TooDeep:
      return "elements nested more than " + std::to_string(maxXmlDepth) + " levels deep";
    default:
      return "a comment, a tag or an attribute value longer than " +
             std::to_string(maxXmlMarkupBytes) + " bytes";
  }
}

}  // namespace

ReadResult ReadXmlDocument(FileSystem& files, const std::string& path, XmlHandler& handler) {
  ReadResult result;
  OpenResult<InputFile> opened = files.OpenForReading(path);
  if (!opened.file) {
    result.failure = Problem{.kind = ProblemKind::ListOpenFailed, .cause = opened.cause};
    return result;
  }
  result = ParseXmlDocument(*opened.file, handler);
  opened.file->Close();
  return result;
}

ReadResult ParseXmlDocument(InputFile& file, XmlHandler& handler) {
  ReadResult result;
  std::optional<XmlError> error = ParseXml(file, handler);
  if (error) {
    const bool malformed = error->kind == XmlErrorKind::Malformed;
    result.failure = Problem{.kind = malformed ? ProblemKind::NotWellFormed : ProblemKind::Refused,
                             .line = error->line,
                             .column = error->column,
                             .detail = malformed ? error->message : RefusalText(error->kind)};
  }
  return result;
}

}  // namespace pinmover
