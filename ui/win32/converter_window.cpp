#include "ui/win32/converter_window.h"

#include <utility>
#include <vector>

#include "ui/dialog/raised_error_report.h"
#include "platform/process_environment.h"
#include "platform/system_services.h"
#include "ui/win32/about_dialog.h"
#include "ui/resource_ids.h"
#include "ui/win32/shell_paths.h"
#include "ui/win32/win32_text.h"
#include "ui/dialog/window_rules.h"

namespace pinmover {

namespace {

std::wstring LoadText(HINSTANCE instance, UINT id) {
  const wchar_t* text = nullptr;
  // With no buffer, LoadStringW points into the resource itself, which is not terminated.
  int length = ::LoadStringW(instance, id, reinterpret_cast<wchar_t*>(&text), 0);
  return length > 0 ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring{};
}

}  // namespace

ConverterWindow::ConverterWindow(HINSTANCE instance, std::string argumentText,
                                 std::string applicationName)
    : instance_(instance),
      argumentText_(std::move(argumentText)),
      appIcon_(::LoadIconW(instance, MAKEINTRESOURCEW(IDI_APPLICATION_ICON))),
      files_(MakeSystemFileSystem()),
      clock_(MakeSystemClock()),
      messages_(controls_, std::move(applicationName)),
      dialog_(controls_, *files_, *clock_, messages_) {}

void ConverterWindow::Run() {
  ::DialogBoxParamW(instance_, MAKEINTRESOURCEW(IDD_CONVERTER), nullptr, &DialogProcedure,
                    reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK ConverterWindow::DialogProcedure(HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<ConverterWindow*>(lParam);
    ::SetWindowLongPtrW(window, DWLP_USER, lParam);
    self->window_ = window;
    self->controls_.Attach(window);
  }
  auto* self = reinterpret_cast<ConverterWindow*>(::GetWindowLongPtrW(window, DWLP_USER));
  // Messages that come before WM_INITDIALOG (WM_SETFONT) keep the dialog manager's handling.
  if (self == nullptr) return FALSE;
  return self->HandleMessage(message, wParam);
}

INT_PTR ConverterWindow::HandleMessage(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      // The dialog manager puts the focus on the first tab stop, the input field.
      return TRUE;
    case WM_SYSCOMMAND:
      if (!IsVersionCommand(static_cast<unsigned>(wParam))) return FALSE;
      ShowVersionBox();
      return TRUE;
    case WM_PAINT:
      return OnPaintWhileMinimised();
    case WM_QUERYDRAGICON:
      return reinterpret_cast<INT_PTR>(appIcon_);
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wParam));
      return TRUE;
    default:
      return FALSE;
  }
}

void ConverterWindow::OnInitDialog() {
  if (HMENU systemMenu = ::GetSystemMenu(window_, FALSE)) {
    std::wstring item = LoadText(instance_, IDS_ABOUT_ITEM);
    if (!item.empty()) {
      ::AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
      ::AppendMenuW(systemMenu, MF_STRING, IDM_ABOUT_BOX, item.c_str());
    }
  }
  ::SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(appIcon_));
  ::SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIcon_));
  Guarded([this] { dialog_.Initialise(argumentText_, CurrentDirectory()); });
}

bool ConverterWindow::OnCommand(WORD id, WORD notification) {
  switch (id) {
    case IDOK:
      Guarded([this] { dialog_.ConversionRun(); });
      return true;
    case IDCANCEL:
      ::EndDialog(window_, IDCANCEL);
      return true;
    case ID_HELP_VERSION:
      ShowVersionBox();
      return true;
    case ID_DATUM_TOKYO:
      dialog_.ChooseDatum(Datum::Tokyo);
      return true;
    case ID_DATUM_WGS84:
      dialog_.ChooseDatum(Datum::Wgs84);
      return true;
    case IDC_BROWSE_INPUT:
      if (notification != BN_CLICKED) return false;
      Guarded([this] { dialog_.BrowseInputFile(); });
      return true;
    case IDC_BROWSE_OUTPUT:
      if (notification != BN_CLICKED) return false;
      Guarded([this] { dialog_.BrowseOutputFile(); });
      return true;
    default:
      return false;
  }
}

bool ConverterWindow::OnPaintWhileMinimised() {
  if (!::IsIconic(window_)) return false;
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(window_, &paint);
  ::SendMessageW(window_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  ::GetClientRect(window_, &client);
  IconOrigin origin =
      MinimisedIconOrigin(client.right - client.left, client.bottom - client.top,
                          ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
  ::DrawIcon(dc, origin.x, origin.y, appIcon_);
  ::EndPaint(window_, &paint);
  return true;
}

void ConverterWindow::OnDropFiles(HDROP drop) {
  std::vector<std::string> names;
  bool taken = Guarded([drop, &names] { names = DroppedNames(drop); });
  // Released before the handler runs: its message box must not keep the drop alive.
  ::DragFinish(drop);
  if (taken) Guarded([this, &names] { dialog_.AcceptDroppedFiles(names); });
}

void ConverterWindow::ShowVersionBox() { AboutDialog(instance_).Run(window_); }

bool ConverterWindow::Guarded(const std::function<void()>& handler) {
  return RunReportingErrors(messages_, *files_, handler);
}

}  // namespace pinmover
