#include "formats/pmf/pmf_format.h"
#include "text/path_operations.h"
#include "ui/dialog/converter_dialog.h"
#include "unitfile/voice_guidance_table.h"

namespace pinmover {

void ConverterDialog::Initialise(const std::string& argumentText,
                                 const std::string& currentDirectory) {
  productName = "pinmover";
  inputExtension = pointListExtension;
  outputExtension = pointFileExtension;
  controls_.SetCaption(DialogCaption::InputGroup, "入力　ファイル名（." + inputExtension + "）");
  controls_.SetCaption(DialogCaption::OutputGroup, "出力　ファイル名（." + outputExtension + "）");
  controls_.SetCaption(DialogCaption::Window, productName);
  // Nothing is remembered between runs: every start converts into the unit's usual datum.
  ChooseDatum(Datum::Tokyo);

  for (const VoiceGuidanceEntry& entry : voiceGuidanceTable) {
    controls_.AddVoiceEntry(std::string(entry.text));
  }
  controls_.SelectVoiceEntry(0);
  controls_.SetUpIconSpin(minIcon, maxIcon, minIcon);

  inputFolder = currentDirectory.size() > maxFolderBytes ? std::string{} : currentDirectory;
  outputFolder = inputFolder;
  outputPath.clear();
  inputPath = StripPathText(argumentText);
  if (!inputPath.empty() && outputPath.empty()) DeriveOutputPath(inputPath);
  ShowPaths();
  if (inputPath.empty()) controls_.NavigateTo(DialogField::InputPath);
}

}  // namespace pinmover
