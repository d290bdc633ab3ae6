#include "unitfile/point_image.h"

#include <algorithm>
#include <stdexcept>

#include "unitfile/point_encodings.h"

namespace pinmover {

namespace {

constexpr std::size_t inUseOffset = offsetof(PointImageRecord, inUse);
constexpr std::size_t longitudeOffset = offsetof(PointImageRecord, longitude);
constexpr std::size_t latitudeOffset = offsetof(PointImageRecord, latitude);
constexpr std::size_t nameOffset = offsetof(PointImageRecord, name);
constexpr std::size_t iconOffset = offsetof(PointImageRecord, icon);
constexpr std::size_t attributesOffset = offsetof(PointImageRecord, attributes);
constexpr std::size_t createdTimeOffset = offsetof(PointImageRecord, createdTime);
constexpr std::size_t createdDateOffset = offsetof(PointImageRecord, createdDate);
constexpr std::size_t checksumOffset = offsetof(PointImageRecord, checksum);

constexpr std::uint8_t filledSlotAttributeByte = filledSlotAttribute >> 8;
// Bits 8-9 of the voice code land in the attributes' first byte, bits 5-7 in its second.
constexpr std::uint8_t voiceHighMask = 0x03;
constexpr std::uint8_t voiceLowMask = 0xE0;

bool InUse(std::span<const std::uint8_t, recordSize> slot) {
  return std::ranges::any_of(slot.subspan<inUseOffset, 4>(), [](std::uint8_t b) { return b != 0; });
}

void StoreBigEndian32(std::span<std::uint8_t, recordSize> slot, std::size_t offset,
                      std::uint32_t value) {
  std::ranges::copy(ToBigEndian32(value), slot.begin() + static_cast<std::ptrdiff_t>(offset));
}

void StorePacked(std::span<std::uint8_t, recordSize> slot, std::size_t offset,
                 std::uint32_t packed) {
  slot[offset] = static_cast<std::uint8_t>(packed >> 16);
  slot[offset + 1] = static_cast<std::uint8_t>(packed >> 8);
  slot[offset + 2] = static_cast<std::uint8_t>(packed);
}

// The slot at index of a whole file's bytes. Callers only ever fill slots 0 to 199, so any
// other index is a programming error.
template <class FileBytes>
auto SlotOf(FileBytes& fileBytes, int index) {
  if (index < 0 || index >= maxPointsPerFile) throw std::out_of_range("point slot index");
  return std::span(fileBytes)
      .subspan(headerSize + static_cast<std::size_t>(index) * recordSize)
      .template first<recordSize>();
}

}  // namespace

PointImage::PointImage(FileSystem& files, Clock& clock) : files_(files), clock_(clock) { Reset(); }

void PointImage::Reset() {
  fileBytes_.fill(0);
  std::ranges::copy(pointFileSignature, fileBytes_.begin());
}

int PointImage::UsedCount() const {
  int count = 0;
  while (count < maxPointsPerFile && InUse(SlotOf(fileBytes_, count))) ++count;
  return count;
}

void PointImage::InitPoint(int index) {
  std::ranges::fill(SlotOf(fileBytes_, index), 0);
  MarkInUse(index);
  SlotOf(fileBytes_, index)[attributesOffset] = filledSlotAttributeByte;
  SetIcon(index, minIcon);
  // One reading for both, so that a slot prepared at midnight cannot get the old date with
  // the new time.
  const LocalDateTime now = clock_.Now();
  SetCreationDate(index, CurrentDatePacked(now));
  SetCreationTime(index, CurrentTimePacked(now));
}

void PointImage::MarkInUse(int index) {
  StoreBigEndian32(SlotOf(fileBytes_, index), inUseOffset, 1);
}

void PointImage::SetName(int index, const std::string& sjisName) {
  SetSlotName(index, SlotName::FromSjis(sjisName));
}

void PointImage::SetSlotName(int index, const SlotName& name) {
  auto field = SlotOf(fileBytes_, index).subspan(nameOffset, sizeof(PointImageRecord::name));
  std::ranges::fill(field, 0);
  std::ranges::copy(name.Bytes(), field.begin());
}

void PointImage::SetIcon(int index, int icon) {
  SlotOf(fileBytes_, index)[iconOffset] = static_cast<std::uint8_t>(static_cast<unsigned>(icon));
}

void PointImage::SetVoice(int index, std::uint16_t voiceCode) {
  auto slot = SlotOf(fileBytes_, index);
  const auto high = static_cast<std::uint8_t>(voiceCode >> 8);
  const auto low = static_cast<std::uint8_t>(voiceCode);
  slot[attributesOffset] = (slot[attributesOffset] & ~voiceHighMask) | (high & voiceHighMask);
  slot[attributesOffset + 1] = (slot[attributesOffset + 1] & ~voiceLowMask) | (low & voiceLowMask);
}

void PointImage::SetCreationDate(int index, std::uint32_t packedDate) {
  StorePacked(SlotOf(fileBytes_, index), createdDateOffset, packedDate);
}

void PointImage::SetCreationTime(int index, std::uint32_t packedTime) {
  StorePacked(SlotOf(fileBytes_, index), createdTimeOffset, packedTime);
}

void PointImage::SetLongitudeUnits(int index, std::int32_t units) {
  StoreBigEndian32(SlotOf(fileBytes_, index), longitudeOffset, static_cast<std::uint32_t>(units));
}

void PointImage::SetLatitudeUnits(int index, std::int32_t units) {
  StoreBigEndian32(SlotOf(fileBytes_, index), latitudeOffset, static_cast<std::uint32_t>(units));
}

void PointImage::Seal(int index) {
  auto slot = SlotOf(fileBytes_, index);
  StoreBigEndian32(slot, checksumOffset, SlotChecksum(slot));
}

void PointImage::CopySlot(int index, const SlotBytes& record) {
  std::ranges::copy(record, SlotOf(fileBytes_, index).begin());
}

std::optional<Problem> PointImage::Write(const std::string& path) {
  if (UsedCount() == 0) return std::nullopt;
  OpenResult<OutputFile> opened = files_.OpenForReplacing(path);
  if (!opened.file) {
    return Problem{.kind = ProblemKind::FileOpenFailed, .path = path, .cause = opened.cause};
  }
  // The file system keeps the earlier file until Commit, so a failure here loses nothing.
  try {
    opened.file->Write(std::span(reinterpret_cast<const char*>(fileBytes_.data()), pointFileSize));
    opened.file->Commit();
  } catch (const FileError& error) {
    return Problem{.kind = ProblemKind::FileFailed, .path = error.Path(), .cause = error.Cause()};
  }
  return std::nullopt;
}

}  // namespace pinmover
