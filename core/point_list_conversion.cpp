#include "core/point_list_conversion.h"

#include "core/copy_points.h"

namespace pinmover {

ConversionOutcome ConvertPointList(PointListReader& reader, PointImage& image,
                                   const std::string& inputPath, const std::string& outputPath,
                                   int iconPosition, std::uint16_t voiceCode,
                                   MessageBoxService& runMessages) {
  if (reader.Load(inputPath) != 0) {
    runMessages.Show("ファイル " + inputPath + " の読み込みに失敗しました", "ERROR",
                     message_style::ok);
    return ConversionOutcome::LoadFailed;
  }
  // Writing an empty list would report success with no file to show for it.
  if (reader.GetCount() == 0) {
    runMessages.Show("ファイル " + inputPath + " に変換できる地点がありません", "ERROR",
                     message_style::ok);
    return ConversionOutcome::NoPoints;
  }
  image.Reset();
  if (CopyPoints(reader, image, iconPosition, voiceCode, outputPath) != 0) {
    return ConversionOutcome::WriteRefused;
  }
  return ConversionOutcome::Converted;
}

}  // namespace pinmover
