#include "platform/posix/expat_shift_jis.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "platform/text_encoding.h"
#include "platform/xml_encoding_name.h"

namespace pinmover {

namespace {

// Expat takes characters of the Basic Multilingual Plane only, which holds all of code page 932.
std::optional<int> DecodeOne(std::string bytes) {
  auto utf16 = SjisToUtf16(bytes);
  if (!utf16 || utf16->size() != 1) return std::nullopt;
  return static_cast<int>((*utf16)[0]);
}

bool StartsTwoByteCharacters(unsigned char lead) {
  for (int trail = 0x40; trail <= 0xFC; ++trail) {
    if (DecodeOne({static_cast<char>(lead), static_cast<char>(trail)})) return true;
  }
  return false;
}

// In expat's terms: a byte's character, -2 for the first byte of a two-byte character, -1 for a
// byte that never starts one.
std::array<int, 256> MakeByteMap() {
  std::array<int, 256> map{};
  for (int byte = 0; byte < 256; ++byte) {
    if (auto single = DecodeOne(std::string(1, static_cast<char>(byte)))) {
      map[byte] = *single;
    } else {
      map[byte] = StartsTwoByteCharacters(static_cast<unsigned char>(byte)) ? -2 : -1;
    }
  }
  return map;
}

}  // namespace

int XMLCALL ExpatShiftJis::HandleUnknownEncoding(void* self, const XML_Char* name,
                                                 XML_Encoding* info) {
  if (ClassifyEncodingName(name) != DeclaredEncoding::ShiftJis) return XML_STATUS_ERROR;
  static const std::array<int, 256> byteMap = MakeByteMap();
  std::copy(byteMap.begin(), byteMap.end(), info->map);
  info->data = self;
  info->convert = &ExpatShiftJis::ConvertPair;
  info->release = nullptr;
  return XML_STATUS_OK;
}

int XMLCALL ExpatShiftJis::ConvertPair(void* self, const char* bytes) {
  auto& pairs = static_cast<ExpatShiftJis*>(self)->pairs_;
  if (pairs.empty()) pairs.assign(0x10000, 0);
  int& value =
      pairs[static_cast<unsigned char>(bytes[0]) * 0x100u + static_cast<unsigned char>(bytes[1])];
  if (value == 0) value = DecodeOne({bytes[0], bytes[1]}).value_or(-1);
  return value;
}

}  // namespace pinmover
