#pragma once

#include <windows.h>

#include <string>

namespace pinmover {

// XmlLite's failure codes in words: the short description Microsoft gives each, and the code.
std::string XmlLiteErrorText(HRESULT code);

}  // namespace pinmover
