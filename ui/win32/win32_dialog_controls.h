#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

#include "ui/dialog/dialog_controls.h"

namespace pinmover {

// The main dialog's behaviour working on the real window and its controls.
class Win32DialogControls : public DialogControls {
 public:
  // The window exists only once the dialog manager has created it.
  void Attach(HWND dialog) noexcept { dialog_ = dialog; }

  int Show(const std::string& text, const std::string& caption, unsigned style) override;
  std::string FieldText(DialogField field) override;
  void SetFieldText(DialogField field, const std::string& text) override;
  void SetFocus(DialogField field) override;
  void SelectAll(DialogField field) override;
  void NavigateTo(DialogField field) override;
  std::optional<int> IconPosition() override;
  int VoiceSelection() override;
  void EndDialog(int result) override;
  void SetCaption(DialogCaption which, const std::string& text) override;
  void AddVoiceEntry(const std::string& text) override;
  void SelectVoiceEntry(int index) override;
  void SetUpIconSpin(int lowest, int highest, int position) override;
  void CheckDatum(Datum datum) override;
  std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;
  bool ReviewPoints(PointReview& review) override;

 private:
  HWND Control(int id) const noexcept { return ::GetDlgItem(dialog_, id); }
  HWND Control(DialogField field) const noexcept;

  HWND dialog_ = nullptr;
};

// Runs the system's file dialog that request asks for over owner, with extraFlags besides its
// own: the file buffer of bufferLength characters as the dialog left it, or nothing when the
// user cancelled.
std::optional<std::wstring> RunFileDialog(HWND owner, const FileDialogRequest& request,
                                          unsigned extraFlags, std::size_t bufferLength);

}  // namespace pinmover
