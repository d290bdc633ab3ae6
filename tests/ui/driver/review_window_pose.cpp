#include "tests/ui/driver/review_window_pose.h"

#include <windows.h>

#include <cstdio>

#include "tests/ui/driver/program_under_test.h"
#include "tests/ui/driver/ui_test.h"

namespace pinmover::testing {

namespace {

constexpr int poseWidth = 1160;
constexpr int poseHeight = 440;
constexpr DWORD poseMs = 60000;

}  // namespace

int PoseReviewWindow(const std::wstring& executable, const std::wstring& list) {
  wchar_t folder[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, folder);
  ProgramUnderTest program(executable, L"\"" + list + L"\"", folder);
  HWND dialog = program.MainDialog();
  if (dialog == nullptr) {
    std::fprintf(stderr, "pose: the main dialog did not come\n");
    return 1;
  }
  program.Click(dialog, IDOK);
  HWND review = program.WaitForOwnedWindow(reviewTitle);
  if (review == nullptr) {
    std::fprintf(stderr, "pose: the point list window did not come\n");
    return 1;
  }
  ::SetWindowPos(review, nullptr, 16, 16, poseWidth, poseHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  // Drawn before the geometry is told: painting comes once the program has nothing else to do.
  ::RedrawWindow(review, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  program.FindOwned();
  RECT frame;
  ::GetWindowRect(review, &frame);
  std::printf("%ldx%ld+%ld+%ld\n", frame.right - frame.left, frame.bottom - frame.top, frame.left,
              frame.top);
  std::fflush(stdout);
  ::Sleep(poseMs);
  return 0;
}

}  // namespace pinmover::testing
