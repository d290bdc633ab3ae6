#include "ui/win32/win32_dialog_controls.h"

#include <commctrl.h>
#include <commdlg.h>

#include "ui/dialog/file_dialog_filter.h"
#include "ui/resource_ids.h"
#include "ui/win32/point_review_window.h"
#include "ui/win32/win32_text.h"

namespace pinmover {

namespace {

int ControlId(DialogField field) {
  switch (field) {
    case DialogField::InputPath:
      return IDC_INPUT_PATH;
    case DialogField::OutputPath:
      return IDC_OUTPUT_PATH;
    case DialogField::IconNumber:
      return IDC_ICON_NUMBER;
    case DialogField::Voice:
      return IDC_VOICE;
  }
  return IDC_INPUT_PATH;
}

std::wstring WindowText(HWND window) {
  int length = ::GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

}  // namespace

HWND Win32DialogControls::Control(DialogField field) const noexcept {
  return Control(ControlId(field));
}

int Win32DialogControls::Show(const std::string& text, const std::string& caption,
                              unsigned style) {
  return ::MessageBoxW(dialog_, WideText(text).c_str(), WideText(caption).c_str(), style);
}

std::string Win32DialogControls::FieldText(DialogField field) {
  return SjisText(WindowText(Control(field)));
}

void Win32DialogControls::SetFieldText(DialogField field, const std::string& text) {
  ::SetWindowTextW(Control(field), WideText(text).c_str());
}

void Win32DialogControls::SetFocus(DialogField field) { ::SetFocus(Control(field)); }

void Win32DialogControls::SelectAll(DialogField field) {
  if (field == DialogField::Voice) {
    ::SendMessageW(Control(field), CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    return;
  }
  ::SendMessageW(Control(field), EM_SETSEL, 0, -1);
  ::SendMessageW(Control(field), EM_SCROLLCARET, 0, 0);
}

void Win32DialogControls::NavigateTo(DialogField field) {
  ::SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(field)), TRUE);
}

std::optional<int> Win32DialogControls::IconPosition() {
  BOOL failed = FALSE;
  LRESULT position =
      ::SendMessageW(Control(IDC_ICON_SPIN), UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed));
  if (failed) return std::nullopt;
  return static_cast<int>(position);
}

int Win32DialogControls::VoiceSelection() {
  LRESULT selection = ::SendMessageW(Control(DialogField::Voice), CB_GETCURSEL, 0, 0);
  return selection == CB_ERR ? -1 : static_cast<int>(selection);
}

void Win32DialogControls::EndDialog(int result) { ::EndDialog(dialog_, result); }

void Win32DialogControls::SetCaption(DialogCaption which, const std::string& text) {
  HWND window = dialog_;
  if (which == DialogCaption::InputGroup) window = Control(IDC_INPUT_GROUP);
  if (which == DialogCaption::OutputGroup) window = Control(IDC_OUTPUT_GROUP);
  if (which == DialogCaption::DatumStatus) window = Control(IDC_DATUM_STATUS);
  ::SetWindowTextW(window, WideText(text).c_str());
}

void Win32DialogControls::AddVoiceEntry(const std::string& text) {
  std::wstring entry = WideText(text);
  ::SendMessageW(Control(DialogField::Voice), CB_INSERTSTRING, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(entry.c_str()));
}

void Win32DialogControls::SelectVoiceEntry(int index) {
  ::SendMessageW(Control(DialogField::Voice), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void Win32DialogControls::SetUpIconSpin(int lowest, int highest, int position) {
  HWND spin = Control(IDC_ICON_SPIN);
  ::SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Control(IDC_ICON_NUMBER)), 0);
  ::SendMessageW(spin, UDM_SETRANGE32, static_cast<WPARAM>(lowest), highest);
  ::SendMessageW(spin, UDM_SETPOS32, 0, position);
}

void Win32DialogControls::CheckDatum(Datum datum) {
  ::CheckMenuRadioItem(::GetMenu(dialog_), ID_DATUM_TOKYO, ID_DATUM_WGS84,
                       datum == Datum::Tokyo ? ID_DATUM_TOKYO : ID_DATUM_WGS84, MF_BYCOMMAND);
}

std::optional<std::string> Win32DialogControls::ChooseFile(const FileDialogRequest& request) {
  std::optional<std::wstring> chosen = RunFileDialog(dialog_, request, 0, MAX_PATH);
  if (!chosen) return std::nullopt;
  return SjisText(chosen->c_str());
}

bool Win32DialogControls::ReviewPoints(PointReview& review) {
  auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(dialog_, GWLP_HINSTANCE));
  return PointReviewWindow(instance, review).Run(dialog_);
}

std::optional<std::wstring> RunFileDialog(HWND owner, const FileDialogRequest& request,
                                          unsigned extraFlags, std::size_t bufferLength) {
  std::optional<std::u16string> filter = FileDialogFilter(request.filter);
  std::wstring wideFilter = filter ? std::wstring(filter->begin(), filter->end()) : std::wstring{};
  std::wstring title = WideText(request.title);
  std::wstring defaultExtension = WideText(request.defaultExtension);
  std::wstring initialFolder = WideText(request.initialFolder);
  std::wstring chosen(bufferLength, L'\0');

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = wideFilter.empty() ? nullptr : wideFilter.c_str();
  dialog.lpstrFile = chosen.data();
  dialog.nMaxFile = static_cast<DWORD>(chosen.size());
  // An empty folder lets the dialog open in its own default place.
  dialog.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
  dialog.lpstrTitle = title.c_str();
  dialog.lpstrDefExt = defaultExtension.c_str();
  dialog.Flags = request.flags | extraFlags;
  BOOL confirmed = request.kind == FileDialogRequest::Kind::Open ? ::GetOpenFileNameW(&dialog)
                                                                 : ::GetSaveFileNameW(&dialog);
  if (!confirmed) return std::nullopt;
  return chosen;
}

}  // namespace pinmover
