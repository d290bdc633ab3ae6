#include <gtest/gtest.h>

#include "text/path_operations.h"

namespace pinmover {
namespace {

std::string Derived(std::string_view source, std::string_view extension = "pnt") {
  PathParts parts = SplitPath(source);
  return JoinPath(parts.drive, parts.directory, parts.baseName, extension);
}

TEST(SplitPath, CutsDriveDirectoryBaseNameAndExtension) {
  PathParts parts = SplitPath("C:\\data\\tour.old.pmf");
  EXPECT_EQ(parts.drive, "C:");
  EXPECT_EQ(parts.directory, "\\data\\");
  EXPECT_EQ(parts.baseName, "tour.old");
  EXPECT_EQ(parts.extension, ".pmf");

  parts = SplitPath("tour");
  EXPECT_EQ(parts.drive, "");
  EXPECT_EQ(parts.directory, "");
  EXPECT_EQ(parts.baseName, "tour");
  EXPECT_EQ(parts.extension, "");

  parts = SplitPath("/home/user.d/list");
  EXPECT_EQ(parts.directory, "/home/user.d/");
  EXPECT_EQ(parts.baseName, "list");
  EXPECT_EQ(parts.extension, "") << "a dot in a folder name never starts an extension";
}

TEST(SplitPath, SecondByteOfADoubleByteCharacterIsNeverASeparatorOrDot) {
  // 表 is 95 5C and ソ is 83 5C in Shift-JIS: their second byte is the backslash code.
  PathParts parts = SplitPath("C:\\表\\ソ.pmf");
  EXPECT_EQ(parts.directory, "\\表\\");
  EXPECT_EQ(parts.baseName, "ソ");
  EXPECT_EQ(parts.extension, ".pmf");

  parts = SplitPath("C:\\データ表");
  EXPECT_EQ(parts.directory, "\\");
  EXPECT_EQ(parts.baseName, "データ表");

  // Half-width katakana are single bytes: the byte after one is a character of its own.
  parts = SplitPath("ｶ\\x.pmf");
  EXPECT_EQ(parts.directory, "ｶ\\");
  EXPECT_EQ(parts.baseName, "x");
}

TEST(SplitPath, LongPartsStayWhole) {
  std::string folder = "C:\\" + std::string(300, 'f') + "\\";
  std::string name(300, 'n');
  PathParts parts = SplitPath(folder + name + ".pmf");
  EXPECT_EQ(parts.directory, folder.substr(2));
  EXPECT_EQ(parts.baseName, name);
  EXPECT_EQ(Derived(folder + name + ".pmf"), folder + name + ".pnt");
}

TEST(JoinPath, AddsOnlyTheMissingSeparatorAndDot) {
  EXPECT_EQ(JoinPath("C:", "\\data", "tour", "pnt"), "C:\\data\\tour.pnt");
  EXPECT_EQ(JoinPath("C:", "\\data\\", "tour", ".pnt"), "C:\\data\\tour.pnt");
  EXPECT_EQ(JoinPath("", "data/", "tour", ""), "data/tour");
  EXPECT_EQ(JoinPath("", "", "", ""), "");
  EXPECT_EQ(JoinPath("C:", "\\data\\", "", ""), "C:\\data\\");
  EXPECT_EQ(JoinPath("D", "", "x", "pnt"), "D:x.pnt");
  EXPECT_EQ(JoinPath("", "\\表", "x", ""), "\\表\\x") << "表 ends in 0x5C but is no separator";
}

TEST(DeriveOutput, KeepsFolderAndBaseName) {
  EXPECT_EQ(Derived("C:\\data\\tour.pmf"), "C:\\data\\tour.pnt");
  EXPECT_EQ(Derived("tour.pmf"), "tour.pnt");
  EXPECT_EQ(Derived("C:\\data\\tour"), "C:\\data\\tour.pnt");
  EXPECT_EQ(Derived("C:\\data\\tour.old.pmf"), "C:\\data\\tour.old.pnt");
}

TEST(ExtensionMatches, IgnoresAsciiCaseOnly) {
  EXPECT_TRUE(ExtensionMatches("Route.PMF", "pmf"));
  EXPECT_TRUE(ExtensionMatches("route.pmf", "pmf"));
  EXPECT_TRUE(ExtensionMatches("C:\\x\\route.Pmf", "pmf"));
  EXPECT_FALSE(ExtensionMatches("route.pmf.txt", "pmf"));
  EXPECT_FALSE(ExtensionMatches("route", "pmf"));
  EXPECT_FALSE(ExtensionMatches("route.", "pmf"));
  EXPECT_FALSE(ExtensionMatches("", "pmf"));
  EXPECT_FALSE(ExtensionMatches("C:\\a.pmf\\route", "pmf"));
  EXPECT_FALSE(ExtensionMatches("route.pmf ", "pmf")) << "a typed trailing blank belongs to it";
  EXPECT_FALSE(ExtensionMatches("\"route.pmf\"", "pmf"));
}

TEST(StripPathText, TakesTheFirstToken) {
  EXPECT_EQ(StripPathText("\"C:\\data\\tour.pmf\""), "C:\\data\\tour.pmf");
  EXPECT_EQ(StripPathText("C:\\a.pmf,C:\\b.pmf"), "C:\\a.pmf");
  EXPECT_EQ(StripPathText("C:\\a.pmf\tC:\\b.pmf"), "C:\\a.pmf");
  EXPECT_EQ(StripPathText("C:\\a,b\\tour.pmf"), "C:\\a");
  EXPECT_EQ(StripPathText("C:\\my data\\tour.pmf  "), "C:\\my data\\tour.pmf  ");
  EXPECT_EQ(StripPathText("\"\""), "");
  EXPECT_EQ(StripPathText(""), "");
  EXPECT_EQ(StripPathText("\n\t,\"x\"\n"), "x");
}

TEST(StripPathText, TakesALongTokenWhole) {
  std::string path = "C:\\" + std::string(400, 'p') + ".pmf";
  EXPECT_EQ(StripPathText("\"" + path + "\" second"), path);
}

}  // namespace
}  // namespace pinmover
