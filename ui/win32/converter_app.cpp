#include "ui/win32/converter_app.h"

#include <commctrl.h>

#include <string>

#include "ui/win32/converter_window.h"
#include "ui/win32/win32_text.h"
#include "ui/dialog/window_rules.h"

namespace pinmover {

namespace {

std::string ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return SjisText(path);
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

int ConverterApp::Run(HINSTANCE instance) {
  // The main dialog holds an up-down control.
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&classes);

  std::string argumentText = SjisText(ArgumentText(::GetCommandLineW()));
  ConverterWindow window(instance, std::move(argumentText), ApplicationNameOf(ExecutablePath()));
  window.Run();
  return 0;
}

}  // namespace pinmover
