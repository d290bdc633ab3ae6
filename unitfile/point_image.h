#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "ui/dialog/application_messages.h"

namespace pinmover {

// One whole point file held in memory, filled slot by slot and written in one piece.
class PointImage {
 public:
  static constexpr std::size_t fileSize = 64048;
  static constexpr int slotCount = 250;
  static constexpr int maxUsedSlots = 200;

  PointImage(FileSystem& files, Clock& clock, ApplicationMessages& messages);

  void Reset();
  int UsedCount() const;
  void InitPoint(int index);
  void MarkInUse(int index);
  void SetName(int index, const std::string& sjisName);
  void SetIcon(int index, const std::string& decimalText);
  void SetVoice(int index, std::uint16_t voiceCode);
  void SetCreationDate(int index, std::uint32_t packedDate);
  void SetCreationTime(int index, std::uint32_t packedTime);
  void SetLongitude(int index, const std::string& dmsText);
  void SetLatitude(int index, const std::string& dmsText);
  void SetLongitudeUnits(int index, std::int32_t units);
  void SetLatitudeUnits(int index, std::int32_t units);
  void Seal(int index);
  // 0: written, or nothing to write; -1: the file could not be opened and the user was told.
  // A failure after the open raises FileError.
  int Write(const std::string& path);
  void ReportFileError(FileErrorCause cause, const std::string& path);

  std::span<const std::uint8_t, fileSize> Bytes() const noexcept { return fileBytes_; }

 private:
  FileSystem& files_;
  Clock& clock_;
  ApplicationMessages& messages_;
  std::array<std::uint8_t, fileSize> fileBytes_{};
};

}  // namespace pinmover
