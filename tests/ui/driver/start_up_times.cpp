#include "tests/ui/driver/start_up_times.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "tests/ui/driver/program_under_test.h"

namespace pinmover::testing {

namespace {

constexpr DWORD deadlineMs = 30000;

class Stopwatch {
 public:
  Stopwatch() {
    ::QueryPerformanceFrequency(&frequency_);
    ::QueryPerformanceCounter(&start_);
  }
  double Milliseconds() const {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - start_.QuadPart) * 1000.0 /
           static_cast<double>(frequency_.QuadPart);
  }

 private:
  LARGE_INTEGER frequency_{};
  LARGE_INTEGER start_{};
};

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int ReportStartUpTimes(const std::wstring& executable, const std::wstring& argumentText,
                       int starts) {
  wchar_t folder[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, folder);
  std::vector<double> ready;
  std::vector<double> ended;
  int failures = 0;
  for (int start = 0; start < starts; ++start) {
    Stopwatch clock;
    ProgramUnderTest program(executable, argumentText, folder);
    if (program.Process() == nullptr) {
      std::fprintf(stderr, "start %d: the program could not be started\n", start + 1);
      return 1;
    }
    // A program without a window has no input to wait for: it is measured to its end. Wine may
    // call a program idle before its dialog exists (while the desktop process starts), so the
    // dialog is ready once it is shown and has answered a message sent to it.
    bool windowed = ::WaitForInputIdle(program.Process(), deadlineMs) == 0;
    HWND dialog = windowed ? program.MainDialog() : nullptr;
    DWORD_PTR answer = 0;
    if (windowed && (dialog == nullptr || !::SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_NORMAL,
                                                                 deadlineMs, &answer))) {
      ++failures;
    }
    double readyMs = clock.Milliseconds();
    if (dialog != nullptr) ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    if (!program.WaitForExit()) ++failures;
    double endedMs = clock.Milliseconds();
    if (windowed) {
      ready.push_back(readyMs);
      std::printf("start %2d: ready for input after %7.1f ms, ended after %7.1f ms\n", start + 1,
                  readyMs, endedMs);
    } else {
      std::printf("start %2d: ended after %7.1f ms\n", start + 1, endedMs);
    }
    ended.push_back(endedMs);
  }
  if (!ready.empty()) std::printf("median ready for input: %.1f ms\n", Median(ready));
  std::printf("median ended: %.1f ms\n", Median(ended));
  return failures == 0 ? 0 : 1;
}

}  // namespace pinmover::testing
