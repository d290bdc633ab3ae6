#include <gtest/gtest.h>

#include "formats/pmf/point_list_extension.h"

namespace pinmover {
namespace {

TEST(PointListExtensionTest, AcceptsPmfInAnyLetterCase) {
  for (const char* path : {"list.pmf", "LIST.PMF", "list.Pmf", "C:\\data\\list.pmf",
                           "C:list.pmf", "../data/list.pmf", "my.folder\\list.pmf",
                           "C:\\東京\\表.pmf", "ソ.pmf"}) {
    EXPECT_TRUE(HasPointListExtension(path)) << path;
  }
}

TEST(PointListExtensionTest, RefusesOtherOrMissingExtensions) {
  for (const char* path : {"list.pmf.txt", "list", "list.pm", "list.pmfx", "list.pmf ", "",
                           ".", "C:\\my.pmf\\list", "data.pmf/list", "C:\\表\\list"}) {
    EXPECT_FALSE(HasPointListExtension(path)) << path;
  }
}

}  // namespace
}  // namespace pinmover
