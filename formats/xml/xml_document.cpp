#include "formats/xml/xml_document.h"

namespace pinmover {

ReadResult ReadXmlDocument(FileSystem& files, const std::string& path, XmlHandler& handler) {
  ReadResult result;
  OpenResult<InputFile> opened = files.OpenForReading(path);
  if (!opened.file) {
    result.failure = ReadFailure{ReadFailure::Kind::OpenFailed, opened.cause, 0, 0, {}};
    return result;
  }
  std::optional<XmlError> error = ParseXml(*opened.file, handler);
  opened.file->Close();
  if (error) {
    result.failure = ReadFailure{
        error->refused ? ReadFailure::Kind::Refused : ReadFailure::Kind::NotWellFormed,
        FileErrorCause::None, error->line, error->column, error->message};
  }
  return result;
}

}  // namespace pinmover
