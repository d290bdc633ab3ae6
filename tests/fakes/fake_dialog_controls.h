#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialog/dialog_controls.h"
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
  std::map<DialogCaption, std::string> captions;
  std::vector<std::string> voiceEntries;
  int spinLowest = 0;
  int spinHighest = 0;
  std::vector<FileDialogRequest> fileDialogs;
  // What the user picks in the next file dialogs, in order; nothing means cancel.
  std::vector<std::optional<std::string>> fileChoices;
  int yesNoAnswer = message_answer::yes;
  std::optional<Datum> checkedDatum;
  // What the user does in the point list window: true presses 書き込む as it opened.
  std::function<bool(PointReview&)> review = [](PointReview&) { return true; };

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
    return (style & message_style::typeMask) == message_style::yesNo ? yesNoAnswer : 1;
  }
  void EndDialog(int result) override {
    endResult = result;
    calls.push_back("end");
  }

  void SetCaption(DialogCaption which, const std::string& text) override {
    captions[which] = text;
  }
  void AddVoiceEntry(const std::string& text) override { voiceEntries.push_back(text); }
  void SelectVoiceEntry(int index) override {
    voiceSelection = index;
    fields[DialogField::Voice] = voiceEntries.at(static_cast<std::size_t>(index));
  }
  void SetUpIconSpin(int lowest, int highest, int position) override {
    spinLowest = lowest;
    spinHighest = highest;
    iconPosition = position;
    fields[DialogField::IconNumber] = std::to_string(position);
  }
  void CheckDatum(Datum datum) override { checkedDatum = datum; }
  std::optional<std::string> ChooseFile(const FileDialogRequest& request) override {
    fileDialogs.push_back(request);
    calls.push_back("file dialog " + request.title);
    std::optional<std::string> choice = fileChoices.at(0);
    fileChoices.erase(fileChoices.begin());
    return choice;
  }

  bool ReviewPoints(PointReview& points) override {
    calls.push_back("review");
    return review(points);
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
