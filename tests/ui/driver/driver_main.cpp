#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/ui/driver/ui_test.h"

// ui_driver [GoogleTest options] PINMOVER_EXE. A Unix path to the program is reached through
// Wine's drive Z:.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: ui_driver [--gtest_filter=...] PINMOVER_EXE\n");
    return 2;
  }
  std::string path = argv[1];
  std::wstring program(path.begin(), path.end());
  if (!program.empty() && program.front() == L'/') {
    for (wchar_t& c : program) {
      if (c == L'/') c = L'\\';
    }
    program = L"Z:" + program;
  }
  pinmover::testing::SetExecutable(program);
  int status = RUN_ALL_TESTS();
  // A filter that matches nothing must not pass for a green test.
  if (::testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
    std::fprintf(stderr, "ui_driver: no test matches\n");
    return 1;
  }
  return status;
}
