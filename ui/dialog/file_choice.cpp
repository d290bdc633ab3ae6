#include "formats/pmf/pmf_format.h"
#include "text/path_operations.h"
#include "ui/dialog/converter_dialog.h"
#include "wording/problem_messages.h"

namespace pinmover {

namespace {

constexpr unsigned openDialogFlags = 0x0006;    // hide read-only, overwrite prompt
constexpr unsigned saveDialogFlags = 0x0806;    // and the folder must exist

std::string Entry(const std::string& label, const std::string& patterns) {
  return label + " (" + patterns + ")|" + patterns + "|";
}

constexpr const char* allFiles = "すべてのファイル (*.*)|*.*||";

std::string Filter(const std::string& label, const std::string& extension) {
  return Entry(label, "*." + extension) + allFiles;
}

std::string Patterns(const std::vector<std::string_view>& extensions) {
  std::string patterns;
  for (std::string_view extension : extensions) {
    patterns += (patterns.empty() ? "*." : ";*.") + std::string(extension);
  }
  return patterns;
}

// The list made for the unit first, as it always was, then the map apps' files, the unit's own
// point files, and all of them.
std::string InputFilter() {
  std::vector<std::string_view> mapFormats;
  for (const Format& format : Formats()) {
    if (!format.unitPoints) {
      mapFormats.insert(mapFormats.end(), format.extensions.begin(), format.extensions.end());
    }
  }
  return Entry("地点リスト", "*." + std::string(pointListExtension)) +
         Entry("地図アプリの地点", Patterns(mapFormats)) +
         Entry("ナビの地点ファイル", "*." + std::string(pointFileExtension)) +
         Entry("対応するすべてのファイル", Patterns(ReadExtensions())) + allFiles;
}

}  // namespace

void ConverterDialog::BrowseInputFile() {
  std::optional<std::string> chosen = controls_.ChooseFile(
      {FileDialogRequest::Kind::Open, "入力 ファイル指定", InputFilter(),
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
      {FileDialogRequest::Kind::Save, "出力 ファイル指定", Filter("出力 ファイル", outputExtension),
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
