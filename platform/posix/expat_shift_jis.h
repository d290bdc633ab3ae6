#pragma once

#include <expat.h>

#include <vector>

namespace pinmover {

// Lets expat read documents declared as Shift_JIS, Windows-31J or CP932, decoding them with the
// platform's converter. Give it to XML_SetUnknownEncodingHandler with the object as its data;
// the object must outlive the parse.
class ExpatShiftJis {
 public:
  static int XMLCALL HandleUnknownEncoding(void* self, const XML_Char* name, XML_Encoding* info);

 private:
  static int XMLCALL ConvertPair(void* self, const char* bytes);

  // Unicode values of two-byte characters by lead * 256 + trail, each asked of the converter
  // once: 0 not yet asked, -1 no character.
  std::vector<int> pairs_;
};

}  // namespace pinmover
