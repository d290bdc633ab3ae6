#include "unitfile/point_file_inspection.h"

#include <algorithm>
#include <cstring>

#include "unitfile/point_encodings.h"
#include "unitfile/point_image.h"
#include "unitfile/point_file_layout.h"

namespace pinmover {

namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr std::uint16_t usedAttributeBits = 0x8000;
constexpr std::uint16_t voiceAttributeBits = 0x03E0;

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
    if (name[end] == 0xFF) {
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

InspectedPoint ReadPoint(int slot, Bytes record, std::vector<std::string>& problems) {
  InspectedPoint point;
  point.slot = slot;
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

  std::string at = SlotProblemPrefix(slot);
  if (BigEndian(field(0, 4)) != 1) problems.push_back(at + "使用中の印が 1 ではありません");
  if (!point.checksumOk) problems.push_back(at + "チェックサムが合いません");
  if (nameEnd >= sizeof(PointImageRecord::name) - 1 || !AllZero(name.subspan(nameEnd))) {
    problems.push_back(at + "名前の後ろに 0 でないバイトがあります");
  }
  if ((point.attributes & usedAttributeBits) == 0 ||
      (point.attributes & ~(usedAttributeBits | voiceAttributeBits)) != 0) {
    problems.push_back(at + "属性のビットが正しくありません");
  }
  if (!AllZero(field(offsetof(PointImageRecord, unused1), sizeof(PointImageRecord::unused1))) ||
      !AllZero(field(offsetof(PointImageRecord, unused2), sizeof(PointImageRecord::unused2))) ||
      !AllZero(field(offsetof(PointImageRecord, unused3), sizeof(PointImageRecord::unused3)))) {
    problems.push_back(at + "使われない領域に 0 でないバイトがあります");
  }
  if (!ValidCreation(point.created)) problems.push_back(at + "作成日時が正しくありません");
  return point;
}

}  // namespace

std::string SlotProblemPrefix(int slot) { return "枠 " + std::to_string(slot) + ": "; }

std::pair<std::uint8_t, std::uint8_t> JisPairToSjis(std::uint8_t j1, std::uint8_t j2) {
  unsigned first = ((j1 - 0x21u) >> 1) + 0x81u;
  if (first > 0x9F) first += 0x40;
  unsigned second = (j1 & 1) != 0 ? j2 + 0x1Fu + (j2 >= 0x60 ? 1u : 0u) : j2 + 0x7Eu;
  return {static_cast<std::uint8_t>(first), static_cast<std::uint8_t>(second)};
}

PointFileInspection InspectPointFile(Bytes bytes, std::uint64_t fileSize) {
  PointFileInspection file;
  file.size = fileSize;
  if (fileSize != PointImage::fileSize) {
    file.problems.push_back("大きさが " + std::to_string(PointImage::fileSize) +
                            " バイトではありません");
  }
  Bytes header = bytes.first(std::min(bytes.size(), headerSize));
  auto headerEnd = std::find(header.begin(), header.end(), std::uint8_t{0});
  file.header.assign(header.begin(), headerEnd);
  file.headerOk = header.size() == headerSize &&
                  std::memcmp(header.data(), pointFileSignature, sizeof pointFileSignature) == 0 &&
                  AllZero(header.subspan(sizeof pointFileSignature));
  if (!file.headerOk) file.problems.push_back("ヘッダーが正しくありません");

  bool filledRun = true;
  bool strayFilledSlot = false;
  bool tailDirty = false;
  for (int slot = 0; slot < PointImage::slotCount; ++slot) {
    std::size_t offset = headerSize + recordSize * static_cast<std::size_t>(slot);
    if (offset + recordSize > bytes.size()) break;
    Bytes record = bytes.subspan(offset, recordSize);
    bool inUse = BigEndian(record.first(4)) != 0;
    if (slot >= PointImage::maxUsedSlots) {
      tailDirty = tailDirty || !AllZero(record);
    } else if (inUse && filledRun) {
      file.points.push_back(ReadPoint(slot, record, file.problems));
    } else {
      filledRun = false;
      strayFilledSlot = strayFilledSlot || inUse;
      if (!inUse && !AllZero(record)) {
        file.problems.push_back(SlotProblemPrefix(slot) + "空きの枠に 0 でないバイトがあります");
      }
    }
  }
  if (strayFilledSlot) file.problems.push_back("空きの枠の後ろに使用中の枠があります");
  if (tailDirty) file.problems.push_back("枠 200 から 249 が 0 ではありません");
  return file;
}

}  // namespace pinmover
