#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>

#include "ui/dialog/converter_dialog.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "ui/dialog/application_messages.h"
#include "ui/win32/win32_dialog_controls.h"

namespace pinmover {

// The main dialog's window: template 102 run modally, its messages handed to the dialog's
// behaviour.
class ConverterWindow {
 public:
  ConverterWindow(HINSTANCE instance, std::string argumentText, std::string applicationName);
  ConverterWindow(const ConverterWindow&) = delete;
  ConverterWindow& operator=(const ConverterWindow&) = delete;

  // Shows the dialog and returns once it has been closed.
  void Run();

 private:
  static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam);
  void OnInitDialog();
  bool OnCommand(WORD id, WORD notification);
  bool OnPaintWhileMinimised();
  void OnDropFiles(HDROP drop);
  void ShowVersionBox();
  // Runs a handler; what it raises is reported and the dialog stays usable. False when
  // something was reported.
  bool Guarded(const std::function<void()>& handler);

  HINSTANCE instance_;
  std::string argumentText_;
  HICON appIcon_;
  HWND window_ = nullptr;
  std::unique_ptr<FileSystem> files_;
  std::unique_ptr<Clock> clock_;
  Win32DialogControls controls_;
  ApplicationMessages messages_;
  ConverterDialog dialog_;
};

}  // namespace pinmover
