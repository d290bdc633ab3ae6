#pragma once

#include <string>

#include "formats/read_result.h"
#include "platform/file_system.h"
#include "platform/xml_reader.h"

namespace pinmover {

// Opens path and parses it with handler, turning what stops the parse into a read failure.
ReadResult ReadXmlDocument(FileSystem& files, const std::string& path, XmlHandler& handler);
// The same for a document already open.
ReadResult ParseXmlDocument(InputFile& file, XmlHandler& handler);

}  // namespace pinmover
