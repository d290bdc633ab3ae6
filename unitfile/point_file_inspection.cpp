#include "unitfile/point_file_inspection.h"

#include <algorithm>
#include <cstring>

#include "unitfile/jis_x0208.h"
#include "unitfile/point_encodings.h"

namespace pinmover {

namespace {

using Bytes = std::span<const std::uint8_t>;

std::uint32_t BigEndian(Bytes bytes) {
  std::uint32_t value = 0;
  for (std::uint8_t byte : bytes) value = value << 8 | byte;
  return value;
}

// Zero first byte, and every byte equal to the one before it: one memcmp, not a traced branch
// per byte, which made the 64 KB file's empty slots the fuzzer's slowest loop.
bool AllZero(Bytes bytes) {
  return bytes.empty() ||
         (bytes[0] == 0 && std::memcmp(bytes.data(), bytes.data() + 1, bytes.size() - 1) == 0);
}

// The name's two-byte units back to Shift-JIS; the name ends at its first zero byte.
std::string DecodeName(Bytes name, std::size_t& end) {
  std::string sjis;
  end = 0;
  while (end + 1 < name.size() && name[end] != 0 && name[end + 1] != 0) {
    if (name[end] == asciiUnitMark) {
      sjis += static_cast<char>(name[end + 1]);
    } else {
      auto [first, second] = JisPairToSjis(name[end], name[end + 1]);
      sjis += static_cast<char>(first);
      sjis += static_cast<char>(second);
    }
    end += 2;
  }
  return sjis;
}

bool ValidCreation(const LocalDateTime& t) {
  return t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31 && t.hour <= 23 &&
         t.minute <= 59 && t.second <= 59;
}

Problem SlotProblem(ProblemKind kind, int slot) { return {.kind = kind, .slot = slot}; }

InspectedPoint ReadPoint(int slot, Bytes record, std::vector<Problem>& problems) {
  InspectedPoint point;
  point.slot = slot;
  std::ranges::copy(record, point.record.begin());
  auto field = [&](std::size_t offset, std::size_t size) { return record.subspan(offset, size); };
  point.longitudeUnits = static_cast<std::int32_t>(
      BigEndian(field(offsetof(PointImageRecord, longitude), 4)));
  point.latitudeUnits = static_cast<std::int32_t>(
      BigEndian(field(offsetof(PointImageRecord, latitude), 4)));
  Bytes name = field(offsetof(PointImageRecord, name), sizeof(PointImageRecord::name));
  std::size_t nameEnd = 0;
  point.name = DecodeName(name, nameEnd);
  point.nameUnits.assign(name.begin(), name.begin() + static_cast<std::ptrdiff_t>(nameEnd));
  point.icon = record[offsetof(PointImageRecord, icon)];
  point.attributes =
      static_cast<std::uint16_t>(BigEndian(field(offsetof(PointImageRecord, attributes), 2)));
  point.voiceCode = point.attributes & voiceAttributeBits;
  const std::uint8_t* time = &record[offsetof(PointImageRecord, createdTime)];
  const std::uint8_t* date = &record[offsetof(PointImageRecord, createdDate)];
  point.created = {2000 + date[0], date[1], date[2], time[0], time[1], time[2]};
  point.checksum = BigEndian(field(offsetof(PointImageRecord, checksum), 4));
  point.checksumOk =
      point.checksum == SlotChecksum(std::span<const std::uint8_t, recordSize>(record));

  auto problem = [&](ProblemKind kind) { problems.push_back(SlotProblem(kind, slot)); };
  if (BigEndian(field(0, 4)) != 1) problem(ProblemKind::InUseMarkNotOne);
  if (!point.checksumOk) problem(ProblemKind::ChecksumMismatch);
  if (nameEnd >= sizeof(PointImageRecord::name) - 1 || !AllZero(name.subspan(nameEnd))) {
    problem(ProblemKind::BytesAfterName);
  }
  if ((point.attributes & filledSlotAttribute) == 0 ||
      (point.attributes & ~(filledSlotAttribute | voiceAttributeBits)) != 0) {
    problem(ProblemKind::WrongAttributeBits);
  }
  if (!AllZero(field(offsetof(PointImageRecord, unused1), sizeof(PointImageRecord::unused1))) ||
      !AllZero(field(offsetof(PointImageRecord, unused2), sizeof(PointImageRecord::unused2))) ||
      !AllZero(field(offsetof(PointImageRecord, unused3), sizeof(PointImageRecord::unused3)))) {
    problem(ProblemKind::UnusedBytesSet);
  }
  if (!ValidCreation(point.created)) problem(ProblemKind::WrongCreationTime);
  return point;
}

}  // namespace

PointFileInspection InspectPointFile(Bytes bytes, std::uint64_t fileSize) {
  PointFileInspection file;
  file.size = fileSize;
  if (fileSize != pointFileSize) file.problems.push_back({.kind = ProblemKind::WrongFileSize});
  Bytes header = bytes.first(std::min(bytes.size(), headerSize));
  auto headerEnd = std::find(header.begin(), header.end(), std::uint8_t{0});
  file.header.assign(header.begin(), headerEnd);
  file.headerOk = header.size() == headerSize &&
                  std::memcmp(header.data(), pointFileSignature, sizeof pointFileSignature) == 0 &&
                  AllZero(header.subspan(sizeof pointFileSignature));
  if (!file.headerOk) file.problems.push_back({.kind = ProblemKind::WrongHeader});

  bool filledRun = true;
  bool strayFilledSlot = false;
  bool tailDirty = false;
  for (int slot = 0; slot < slotCount; ++slot) {
    std::size_t offset = headerSize + recordSize * static_cast<std::size_t>(slot);
    if (offset + recordSize > bytes.size()) break;
    Bytes record = bytes.subspan(offset, recordSize);
    bool inUse = BigEndian(record.first(4)) != 0;
    if (slot >= maxPointsPerFile) {
      tailDirty = tailDirty || !AllZero(record);
    } else if (inUse && filledRun) {
      file.points.push_back(ReadPoint(slot, record, file.problems));
    } else {
      filledRun = false;
      strayFilledSlot = strayFilledSlot || inUse;
      if (!inUse && !AllZero(record)) {
        file.problems.push_back(SlotProblem(ProblemKind::EmptySlotBytesSet, slot));
      }
    }
  }
  if (strayFilledSlot) file.problems.push_back({.kind = ProblemKind::FilledSlotAfterEmpty});
  if (tailDirty) file.problems.push_back({.kind = ProblemKind::LastSlotsNotEmpty});
  return file;
}

}  // namespace pinmover
