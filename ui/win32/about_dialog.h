#pragma once

#include <windows.h>

namespace pinmover {

// The version box: template 100, closed by its OK button, Esc or the close box.
class AboutDialog {
 public:
  explicit AboutDialog(HINSTANCE instance) : instance_(instance) {}
  void Run(HWND owner);

 private:
  static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam);

  HINSTANCE instance_;
};

}  // namespace pinmover
