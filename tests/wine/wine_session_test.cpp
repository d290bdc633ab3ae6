#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>

namespace pinmover {
namespace {

// The session must look like a Windows of a non-Japanese language, or the Windows tests would
// not show that the program works on one.
TEST(WineSession, TheAnsiCodePageIsNotJapanese) { EXPECT_EQ(::GetACP(), 1252u); }

// The dialogs' fonts must draw Japanese text, or screenshots show empty boxes.
class JapaneseFontTest : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(JapaneseFontTest, DrawsJapaneseText) {
  HDC dc = ::CreateCompatibleDC(nullptr);
  ASSERT_NE(dc, nullptr);
  LOGFONTW description{};
  description.lfHeight = -12;
  description.lfCharSet = DEFAULT_CHARSET;
  std::wcsncpy(description.lfFaceName, GetParam(), LF_FACESIZE - 1);
  HFONT font = ::CreateFontIndirectW(&description);
  HGDIOBJ earlier = ::SelectObject(dc, font);
  const wchar_t text[] = L"ア地ｶﾞ";
  WORD glyphs[std::size(text) - 1];
  ASSERT_EQ(::GetGlyphIndicesW(dc, text, std::size(glyphs), glyphs, GGI_MARK_NONEXISTING_GLYPHS),
            std::size(glyphs));
  for (WORD glyph : glyphs) EXPECT_NE(glyph, 0xFFFF) << "a character without a glyph";
  ::SelectObject(dc, earlier);
  ::DeleteObject(font);
  ::DeleteDC(dc);
}

INSTANTIATE_TEST_SUITE_P(DialogFonts, JapaneseFontTest,
                         ::testing::Values(L"ＭＳ Ｐゴシック", L"MS Shell Dlg"));

}  // namespace
}  // namespace pinmover
