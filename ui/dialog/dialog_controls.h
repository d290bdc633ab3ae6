#pragma once

#include <optional>
#include <string>

#include "engine/conversion_settings.h"
#include "ui/dialog/application_messages.h"

namespace pinmover {

class PointReview;

enum class DialogField { InputPath, OutputPath, IconNumber, Voice };
enum class DialogCaption { Window, InputGroup, OutputGroup, DatumStatus };

// What a file dialog is asked to show; filter is a list of label|pattern pairs ending in ||.
struct FileDialogRequest {
  enum class Kind { Open, Save };
  Kind kind = Kind::Open;
  std::string title;
  std::string filter;
  std::string defaultExtension;
  std::string initialFolder;
  unsigned flags = 0;
  bool operator==(const FileDialogRequest&) const = default;
};

inline constexpr int dialogResultOk = 1;

// What the main dialog's behaviour needs of its window and controls. The message boxes it
// shows through this interface are the dialog's own: exactly the caption and style given.
class DialogControls : public MessageBoxService {
 public:
  virtual std::string FieldText(DialogField field) = 0;
  virtual void SetFieldText(DialogField field, const std::string& text) = 0;
  virtual void SetFocus(DialogField field) = 0;
  // Selects the field's whole text and scrolls its caret into view.
  virtual void SelectAll(DialogField field) = 0;
  // Moves the focus as the Tab key would, which also selects the field's text.
  virtual void NavigateTo(DialogField field) = 0;
  // The icon spin's position; nothing when its field holds no number the spin accepts.
  virtual std::optional<int> IconPosition() = 0;
  // The voice list's selected index, or -1 when no entry is selected.
  virtual int VoiceSelection() = 0;
  virtual void EndDialog(int result) = 0;

  virtual void SetCaption(DialogCaption which, const std::string& text) = 0;
  virtual void AddVoiceEntry(const std::string& text) = 0;
  virtual void SelectVoiceEntry(int index) = 0;
  virtual void SetUpIconSpin(int lowest, int highest, int position) = 0;
  // Marks the datum's item as the one chosen in the datum menu.
  virtual void CheckDatum(Datum datum) = 0;
  // Runs a file dialog; the chosen full path, or nothing when the user cancelled.
  virtual std::optional<std::string> ChooseFile(const FileDialogRequest& request) = 0;
  // Runs the point list window over the dialog until the user closes it: true when 書き込む
  // was pressed. The window shows review and hands every action to it.
  virtual bool ReviewPoints(PointReview& review) = 0;
};

}  // namespace pinmover
