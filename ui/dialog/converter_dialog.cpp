#include "ui/dialog/converter_dialog.h"

#include "formats/pmf/pmf_format.h"
#include "text/path_operations.h"
#include "ui/dialog/point_review.h"
#include "unitfile/voice_guidance_table.h"
#include "wording/conversion_messages.h"
#include "wording/problem_messages.h"

namespace pinmover {

ConverterDialog::ConverterDialog(DialogControls& controls, FileSystem& files, Clock& clock,
                                 ApplicationMessages& messages)
    : reader(files),
      image(files, clock),
      formats{files, reader},
      controls_(controls),
      files_(files),
      messages_(messages) {}

void ConverterDialog::TakePaths() {
  inputPath = controls_.FieldText(DialogField::InputPath);
  outputPath = controls_.FieldText(DialogField::OutputPath);
}

void ConverterDialog::ShowPaths() {
  controls_.SetFieldText(DialogField::InputPath, inputPath);
  controls_.SetFieldText(DialogField::OutputPath, outputPath);
}

void ConverterDialog::FocusAndSelect(DialogField field) {
  controls_.SetFocus(field);
  controls_.SelectAll(field);
}

std::string ConverterDialog::FolderOf(const std::string& path) {
  PathParts parts = SplitPath(path);
  std::string folder = JoinPath(parts.drive, parts.directory, "", "");
  // A file dialog cannot start in a longer folder; it opens in its own default place instead.
  if (folder.size() > maxFolderBytes) folder.clear();
  return folder;
}

void ConverterDialog::DeriveOutputPath(const std::string& sourcePath) {
  PathParts parts = SplitPath(sourcePath);
  outputPath = JoinPath(parts.drive, parts.directory, parts.baseName, outputExtension);
  inputFolder = FolderOf(sourcePath);
  outputFolder = inputFolder;
}

void ConverterDialog::ChooseDatum(Datum chosen) {
  datum = chosen;
  controls_.CheckDatum(datum);
  controls_.SetCaption(DialogCaption::DatumStatus, datum == Datum::Tokyo
                                                       ? "測地系: 日本測地系 (Tokyo)"
                                                       : "測地系: 世界測地系 (WGS84)");
}

void ConverterDialog::ShowReports(const ReportListing& reports) {
  if (!reports.Empty()) {
    controls_.Show(reports.Text(), productName, message_style::ok | message_style::iconInformation);
  }
}

void ConverterDialog::ShowProblem(const Problem& problem) {
  // The conversion's own words are the dialog's messages; a list's and a file's failures come
  // in the application's standard box.
  for (const Message& message : ProblemMessages(problem, files_)) {
    if (message.caption.empty()) {
      messages_.Show(message);
    } else {
      controls_.Show(message.text, message.caption, message.style);
    }
  }
}

std::optional<std::uint16_t> ConverterDialog::ChosenVoiceCode() {
  int selection = controls_.VoiceSelection();
  if (selection < 0 || selection >= static_cast<int>(voiceGuidanceTable.size())) {
    // Text typed into the voice field counts when it names an entry of the list.
    std::optional<int> typed = FindVoiceEntry(controls_.FieldText(DialogField::Voice));
    if (!typed) {
      FocusAndSelect(DialogField::Voice);
      return std::nullopt;
    }
    selection = *typed;
  }
  return voiceGuidanceTable[static_cast<std::size_t>(selection)].code;
}

std::optional<int> ConverterDialog::ChosenIconPosition() {
  std::optional<int> position = controls_.IconPosition();
  if (!position || *position < minIcon || *position > maxIcon) {
    FocusAndSelect(DialogField::IconNumber);
    return std::nullopt;
  }
  return position;
}

void ConverterDialog::ConversionRun() {
  TakePaths();
  const Format* format = FormatForPath(inputPath);
  if (!format) {
    controls_.NavigateTo(DialogField::InputPath);
    return;
  }
  if (!ExtensionMatches(outputPath, outputExtension)) {
    DeriveOutputPath(inputPath);
    ShowPaths();
    FocusAndSelect(DialogField::OutputPath);
    return;
  }
  std::optional<std::uint16_t> voiceCode = ChosenVoiceCode();
  if (!voiceCode) return;
  std::optional<int> iconPosition = ChosenIconPosition();
  if (!iconPosition) return;

  ConversionRequest request;
  request.inputs = {{inputPath, format}};
  request.outputPath = outputPath;
  request.icon = *iconPosition;
  request.voiceCode = *voiceCode;
  request.datum = datum;
  if (format->name == pointListExtension) {
    ConvertList(request);
  } else {
    ReviewAndWrite(request);
  }
}

void ConverterDialog::ConvertList(const ConversionRequest& request) {
  ReportListing reports;
  const ConversionResult result = ConvertPoints(formats, image, request, &reports);
  if (result.outcome == ConversionOutcome::NoPoints) {
    ShowProblem(*result.problem);
    // What was skipped tells why there is nothing to convert.
    ShowReports(reports);
    return;
  }
  if (result.outcome == ConversionOutcome::Converted) ShowReports(reports);
  Finish(result);
}

void ConverterDialog::ReviewAndWrite(ConversionRequest request) {
  ConversionResult refused;
  refused.problem = OutputAmongInputs(files_, request);
  if (refused.problem) {
    Finish(refused);
    return;
  }
  PointReview review(formats, datum, outputPath, productName);
  ReportListing reports;
  if (std::optional<Problem> problem = review.AddList(inputPath, &reports)) {
    ShowProblem(*problem);
    if (problem->kind == ProblemKind::NoPoints) ShowReports(reports);
    return;
  }
  // The window shows every change beside its point, so no report follows the writing.
  if (!controls_.ReviewPoints(review)) return;
  request.append = review.Appending();
  Finish(WriteChosenPoints(image, review.ChosenPoints(), request));
}

void ConverterDialog::Finish(const ConversionResult& result) {
  switch (result.outcome) {
    case ConversionOutcome::LoadFailed:
    case ConversionOutcome::FileFailed:
    case ConversionOutcome::NoPoints:
      ShowProblem(*result.problem);
      // Writing over the list itself is mended in the output path.
      if (result.problem->kind == ProblemKind::OutputIsInput) {
        FocusAndSelect(DialogField::OutputPath);
      }
      return;
    case ConversionOutcome::WriteRefused:
      ShowProblem(*result.problem);
      // The user corrects the output path and tries again; nothing was converted.
      FocusAndSelect(DialogField::OutputPath);
      return;
    case ConversionOutcome::Converted:
      break;
  }
  controls_.Show(CompletionText(result), "終了", message_style::ok);
  TakePaths();
  controls_.EndDialog(dialogResultOk);
}

}  // namespace pinmover
