#include "ui/win32/converter_app.h"

#include <commctrl.h>

#include <string>

#include "ui/win32/converter_window.h"
#include "ui/win32/shell_paths.h"
#include "ui/win32/win32_text.h"
#include "ui/dialog/window_rules.h"

namespace pinmover {

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
