#include <gtest/gtest.h>

#include "platform/text_encoding.h"

namespace pinmover {
namespace {

std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(TextEncoding, NarrowLiteralsAreShiftJis) {
  EXPECT_EQ(std::string("ア"), "\x83\x41");
  EXPECT_EQ(std::string("ｷｬﾝｾﾙ"), "\xB7\xAC\xDD\xBE\xD9");
  EXPECT_EQ(std::string("ソ"), "\x83\x5C");
}

TEST(TextEncoding, ShiftJisRoundTripsThroughUtf8AndUtf16) {
  const std::string sjis = "東京タワー ｶﾞｲﾄﾞ C:\\data\\表.pmf";
  auto utf8 = SjisToUtf8(sjis);
  ASSERT_TRUE(utf8);
  EXPECT_EQ(*utf8, Utf8(u8"東京タワー ｶﾞｲﾄﾞ C:\\data\\表.pmf"));
  EXPECT_EQ(Utf8ToSjis(*utf8), sjis);

  auto utf16 = SjisToUtf16(sjis);
  ASSERT_TRUE(utf16);
  EXPECT_EQ(*utf16, u"東京タワー ｶﾞｲﾄﾞ C:\\data\\表.pmf");
  EXPECT_EQ(Utf16ToSjis(*utf16), sjis);
}

TEST(TextEncoding, EmptyTextConverts) {
  EXPECT_EQ(SjisToUtf8(""), "");
  EXPECT_EQ(Utf8ToSjis(""), "");
  EXPECT_EQ(SjisToUtf16(""), u"");
  EXPECT_EQ(Utf16ToSjis(u""), "");
}

TEST(TextEncoding, UnrepresentableOrInvalidTextIsRefused) {
  EXPECT_FALSE(Utf8ToSjis(Utf8(u8"emoji \U0001F600")));
  EXPECT_FALSE(Utf8ToSjis(Utf8(u8"M\u00FCnchen")));
  EXPECT_FALSE(Utf16ToSjis(u"\u00E9t\u00E9 \u20AC"));
  EXPECT_FALSE(SjisToUtf8("\x83"));          // a lead byte without its second byte
  EXPECT_FALSE(Utf8ToSjis("\xC3\x28"));      // broken UTF-8
  EXPECT_FALSE(SjisToUtf16("ok\x81\x20"));   // 0x20 cannot follow a lead byte
}

}  // namespace
}  // namespace pinmover
