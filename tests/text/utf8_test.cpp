#include "text/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace pinmover {
namespace {

struct Utf8Case {
  std::string bytes;
  bool valid;
  std::string repaired;  // as ValidUtf8 gives it
};

class Utf8TextTest : public ::testing::TestWithParam<Utf8Case> {};

// The validator must reach the same verdict whether the text arrives whole or byte by byte.
TEST_P(Utf8TextTest, ValidatesWholeAndInPiecesAndRepairs) {
  const Utf8Case& text = GetParam();
  Utf8Validator whole;
  whole.Feed(text.bytes);
  Utf8Validator pieces;
  for (char byte : text.bytes) pieces.Feed(std::string(1, byte));

  EXPECT_EQ(whole.Finish(), text.valid);
  EXPECT_EQ(pieces.Finish(), text.valid);
  EXPECT_EQ(ValidUtf8(text.bytes), text.repaired);
}

const std::string bad = "\xEF\xBF\xBD";

INSTANTIATE_TEST_SUITE_P(
    Sequences, Utf8TextTest,
    ::testing::Values(Utf8Case{"plain ASCII text, long enough for words", true,
                               "plain ASCII text, long enough for words"},
                      Utf8Case{"\xC3\xA9\xE6\x9D\xB1\xF0\x9F\x8D\xA3\xF4\x8F\xBF\xBF", true,
                               "\xC3\xA9\xE6\x9D\xB1\xF0\x9F\x8D\xA3\xF4\x8F\xBF\xBF"},
                      Utf8Case{"overlong \xC0\xAF", false, "overlong " + bad + bad},
                      Utf8Case{"\xE0\x80\xAF", false, bad + bad + bad},
                      Utf8Case{"surrogate \xED\xA0\x80", false, "surrogate " + bad + bad + bad},
                      Utf8Case{"\xF4\x90\x80\x80", false, bad + bad + bad + bad},
                      Utf8Case{"cut \xE6\x9D", false, "cut " + bad + bad},
                      Utf8Case{"code page 932 \x93\x8c\x8b\x9e", false,
                               "code page 932 " + bad + bad + bad + bad},
                      Utf8Case{"\xFF", false, bad}));

TEST(Utf8PrefixTest, CutsOnlyBetweenCharacters) {
  const std::string text = "a\xE6\x9D\xB1\xF0\x9F\x8D\xA3";  // a, a three- and a four-byte one
  EXPECT_EQ(Utf8Prefix(text, 100), text);
  EXPECT_EQ(Utf8Prefix(text, 3), "a");
  EXPECT_EQ(Utf8Prefix(text, 4), "a\xE6\x9D\xB1");
  EXPECT_EQ(Utf8Prefix(text, 7), "a\xE6\x9D\xB1");
}

}  // namespace
}  // namespace pinmover
