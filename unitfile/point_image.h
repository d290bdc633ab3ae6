#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "problem/problem.h"
#include "unitfile/point_file_layout.h"
#include "unitfile/slot_name.h"

namespace pinmover {

// One whole point file held in memory, filled slot by slot and written in one piece.
class PointImage {
 public:
  PointImage(FileSystem& files, Clock& clock);

  void Reset();
  int UsedCount() const;
  void InitPoint(int index);
  void MarkInUse(int index);
  void SetName(int index, const std::string& sjisName);
  void SetSlotName(int index, const SlotName& name);
  // Keeps the icon's low 8 bits, all the slot has room for.
  void SetIcon(int index, int icon);
  void SetVoice(int index, std::uint16_t voiceCode);
  void SetCreationDate(int index, std::uint32_t packedDate);
  void SetCreationTime(int index, std::uint32_t packedTime);
  void SetLongitudeUnits(int index, std::int32_t units);
  void SetLatitudeUnits(int index, std::int32_t units);
  void Seal(int index);
  // Fills the slot with one a point file held, as it stands.
  void CopySlot(int index, const SlotBytes& record);
  // Puts the image at path whole, or leaves path as it was: nothing when it was written or
  // there was nothing to write, else why not (the open, or a write after it).
  std::optional<Problem> Write(const std::string& path);

  std::span<const std::uint8_t, pointFileSize> Bytes() const noexcept { return fileBytes_; }

 private:
  FileSystem& files_;
  Clock& clock_;
  std::array<std::uint8_t, pointFileSize> fileBytes_{};
};

}  // namespace pinmover
