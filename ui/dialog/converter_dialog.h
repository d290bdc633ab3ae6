#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/conversion_settings.h"
#include "engine/point_conversion.h"
#include "formats/pmf/point_list_reader.h"
#include "formats/registry.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "ui/dialog/application_messages.h"
#include "ui/dialog/dialog_controls.h"
#include "ui/dialog/report_listing.h"
#include "unitfile/point_image.h"

namespace pinmover {

// The main dialog's behaviour, apart from the window that shows it.
class ConverterDialog {
 public:
  ConverterDialog(DialogControls& controls, FileSystem& files, Clock& clock,
                  ApplicationMessages& messages);
  ConverterDialog(const ConverterDialog&) = delete;
  ConverterDialog& operator=(const ConverterDialog&) = delete;

  // Sets up the controls and takes the input path from the argument text.
  void Initialise(const std::string& argumentText, const std::string& currentDirectory);
  // The convert button.
  void ConversionRun();
  // The two browse buttons and files dropped on the dialog.
  void BrowseInputFile();
  void BrowseOutputFile();
  void AcceptDroppedFiles(const std::vector<std::string>& names);
  // Sets outputPath and both folders from a source path; touches no field.
  void DeriveOutputPath(const std::string& sourcePath);
  // The datum menu: the datum the map apps' points are converted into, shown to the user.
  void ChooseDatum(Datum chosen);

  // The two transfers between the path fields and their members.
  void TakePaths();
  void ShowPaths();

  std::string inputExtension;
  std::string outputExtension;
  std::string productName;
  PointListReader reader;
  PointImage image;
  FormatContext formats;
  std::string outputFolder;
  std::string inputFolder;
  std::string inputPath;
  std::string outputPath;
  Datum datum = Datum::Tokyo;

 private:
  // The run's settings, or nothing after putting the focus on the field that is wrong.
  std::optional<std::uint16_t> ChosenVoiceCode();
  std::optional<int> ChosenIconPosition();
  void FocusAndSelect(DialogField field);
  // A list made for the unit is converted as it always was; any other is shown in the point
  // list window first, and what the user chose there is written.
  void ConvertList(const ConversionRequest& request);
  void ReviewAndWrite(ConversionRequest request);
  // Tells how the writing ended; the dialog ends once the points are written.
  void Finish(const ConversionResult& result);
  void ShowReports(const ReportListing& reports);
  void ShowProblem(const Problem& problem);
  // The drive and directory of path, or nothing when a file dialog could not start there.
  static std::string FolderOf(const std::string& path);

  DialogControls& controls_;
  FileSystem& files_;
  ApplicationMessages& messages_;
};

// The longest folder a file dialog is started in; a longer one is left empty.
inline constexpr std::size_t maxFolderBytes = 259;

}  // namespace pinmover
