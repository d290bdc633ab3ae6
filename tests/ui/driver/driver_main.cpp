#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/ui/driver/review_window_pose.h"
#include "tests/ui/driver/start_up_times.h"
#include "tests/ui/driver/ui_test.h"

namespace {

// A Unix path to a program is reached through Wine's drive Z:.
std::wstring WindowsPath(const std::string& path) {
  std::wstring program(path.begin(), path.end());
  if (!program.empty() && program.front() == L'/') {
    for (wchar_t& c : program) {
      if (c == L'/') c = L'\\';
    }
    program = L"Z:" + program;
  }
  return program;
}

}  // namespace

// ui_driver [GoogleTest options] PINMOVER_EXE runs the cases;
// ui_driver --start-up-times COUNT PROGRAM_EXE [ARGUMENT...] times starts of a program;
// ui_driver --pose-review PINMOVER_EXE LIST shows the point list window for a picture.
int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--pose-review") {
    return pinmover::testing::PoseReviewWindow(WindowsPath(argv[2]), WindowsPath(argv[3]));
  }
  if (argc >= 4 && std::string(argv[1]) == "--start-up-times") {
    std::string arguments;
    for (int i = 4; i < argc; ++i) arguments += std::string(i > 4 ? " " : "") + argv[i];
    return pinmover::testing::ReportStartUpTimes(
        WindowsPath(argv[3]), std::wstring(arguments.begin(), arguments.end()),
        std::atoi(argv[2]));
  }
  ::testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: ui_driver [--gtest_filter=...] PINMOVER_EXE\n");
    return 2;
  }
  pinmover::testing::SetExecutable(WindowsPath(argv[1]));
  int status = RUN_ALL_TESTS();
  // A filter that matches nothing must not pass for a green test.
  if (::testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
    std::fprintf(stderr, "ui_driver: no test matches\n");
    return 1;
  }
  return status;
}
