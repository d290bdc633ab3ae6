#include <windows.h>

#include <gtest/gtest.h>

#include "platform/text_encoding.h"

namespace pinmover {
namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// The tests run under Wine with the ANSI code page 1252, as on a European Windows: the
// conversions must name code page 932 themselves.
TEST(Win32TextEncoding, IgnoresTheSystemsAnsiCodePage) {
  if (::GetACP() == 932) GTEST_SKIP() << "on a Japanese system both code pages agree";
  EXPECT_EQ(SjisToUtf16("\x83\x41\xB1"), u"アｱ");
  EXPECT_EQ(Utf16ToSjis(u"地点"), "地点");
  EXPECT_EQ(SjisToUtf8("東京"), Utf8(u8"東京"));
}

TEST(Win32TextEncoding, ConvertsTheWholeOfCodePage932) {
  // Half-width katakana, NEC row 13, an IBM extension, the backslash (never a yen sign).
  const std::string sjis = "\xB6\xDE\xB2\xC4\xDE \x87\x40 \xFB\xFC C:\\x";
  const std::u16string utf16 = u"ｶﾞｲﾄﾞ \u2460 \u9AD9 C:\\x";
  EXPECT_EQ(SjisToUtf16(sjis), utf16);
  EXPECT_EQ(Utf16ToSjis(utf16), sjis);
  EXPECT_EQ(Utf8ToSjis(Utf8(u8"ｶﾞｲﾄﾞ ① 髙 C:\\x")), sjis);
}

TEST(Win32TextEncoding, RefusesWhatShiftJisCannotHold) {
  EXPECT_FALSE(Utf16ToSjis(u"caf\u00E9"));
  EXPECT_FALSE(Utf16ToSjis(u"\U0001F600"));
  EXPECT_FALSE(Utf8ToSjis(Utf8(u8"caf\u00E9")));
  EXPECT_FALSE(Utf8ToSjis(Utf8(u8"\U0001F600")));
  // Best-fit look-alikes would change a path: a yen sign must not become a backslash.
  EXPECT_FALSE(Utf16ToSjis(u"C:\u00A5x"));
  EXPECT_FALSE(Utf16ToSjis(std::u16string(1, u'\xD800')));
}

TEST(Win32TextEncoding, RefusesMalformedInput) {
  EXPECT_FALSE(SjisToUtf16("ab\x83"));        // a lead byte at the end
  EXPECT_FALSE(SjisToUtf16("\x81\x20"));      // a lead byte before a single-byte character
  EXPECT_FALSE(SjisToUtf16("\x85\x40"));      // an unassigned pair
  EXPECT_FALSE(Utf8ToSjis("\xC0\xAF"));       // an overlong '/'
  EXPECT_FALSE(Utf8ToSjis("\xED\xA0\x80"));   // an encoded surrogate
  EXPECT_FALSE(SjisToUtf8("\xFF"));
}

}  // namespace
}  // namespace pinmover
