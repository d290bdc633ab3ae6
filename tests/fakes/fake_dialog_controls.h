#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/dialog_controls.h"
#include "tests/fakes/recording_message_box.h"

namespace pinmover::testing {

// The dialog's controls as plain values, with a log of every call that changes what the user
// sees, in order.
class FakeDialogControls : public DialogControls {
 public:
  std::map<DialogField, std::string> fields;
  std::optional<int> iconPosition = 1;
  int voiceSelection = 0;
  std::vector<std::string> calls;
  std::vector<RecordingMessageBox::Shown> shown;
  std::optional<int> endResult;

  std::string FieldText(DialogField field) override { return fields[field]; }
  void SetFieldText(DialogField field, const std::string& text) override {
    fields[field] = text;
    calls.push_back("text " + Name(field));
  }
  void SetFocus(DialogField field) override { calls.push_back("focus " + Name(field)); }
  void SelectAll(DialogField field) override { calls.push_back("select " + Name(field)); }
  void NavigateTo(DialogField field) override { calls.push_back("navigate " + Name(field)); }
  std::optional<int> IconPosition() override { return iconPosition; }
  int VoiceSelection() override { return voiceSelection; }
  int Show(const std::string& text, const std::string& caption, unsigned style) override {
    shown.push_back({text, caption, style});
    calls.push_back("message " + caption);
    return 1;
  }
  void EndDialog(int result) override {
    endResult = result;
    calls.push_back("end");
  }

  static std::string Name(DialogField field) {
    switch (field) {
      case DialogField::InputPath:
        return "input";
      case DialogField::OutputPath:
        return "output";
      case DialogField::IconNumber:
        return "icon";
      case DialogField::Voice:
        return "voice";
    }
    return "?";
  }
};

}  // namespace pinmover::testing
