#include "text/path_operations.h"
#include "ui/dialog/converter_dialog.h"
#include "ui/dialog/file_dialog_filter.h"
#include "wording/problem_messages.h"

namespace pinmover {

namespace {

constexpr unsigned saveDialogFlags = openDialogFlags | 0x0800;  // and the folder must exist

}  // namespace

void ConverterDialog::BrowseInputFile() {
  std::optional<std::string> chosen = controls_.ChooseFile(
      {FileDialogRequest::Kind::Open, "入力 ファイル指定", InputFileFilter(),
       inputExtension, inputFolder, openDialogFlags});
  if (!chosen) {
    controls_.SelectAll(DialogField::InputPath);
    controls_.SetFocus(DialogField::InputPath);
    return;
  }
  inputPath = *chosen;
  DeriveOutputPath(inputPath);
  ShowPaths();
  FocusAndSelect(DialogField::OutputPath);
}

void ConverterDialog::BrowseOutputFile() {
  std::optional<std::string> chosen = controls_.ChooseFile(
      {FileDialogRequest::Kind::Save, "出力 ファイル指定", OneTypeFilter("出力 ファイル", outputExtension),
       outputExtension, outputFolder, saveDialogFlags});
  if (chosen) {
    outputPath = *chosen;
    // The next output dialog starts beside the stored input, not beside the chosen output.
    outputFolder = FolderOf(inputPath);
    ShowPaths();
  }
  FocusAndSelect(DialogField::OutputPath);
}

void ConverterDialog::AcceptDroppedFiles(const std::vector<std::string>& names) {
  inputPath.clear();
  outputPath.clear();
  for (const std::string& name : names) inputPath = StripPathText(name);
  if (!FormatForPath(inputPath)) {
    controls_.Show(WrongTypeText("入力", "." + inputExtension), "Error",
                   message_style::ok | message_style::iconExclamation);
    return;
  }
  DeriveOutputPath(inputPath);
  controls_.SetFieldText(DialogField::InputPath, inputPath);
  controls_.SetFieldText(DialogField::OutputPath, outputPath);
}

}  // namespace pinmover
