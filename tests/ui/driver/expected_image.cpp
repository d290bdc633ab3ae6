#include "tests/ui/driver/expected_image.h"

#include <windows.h>

#include <cstdint>

#include "engine/point_conversion.h"
#include "formats/pmf/point_list_reader.h"
#include "platform/system_services.h"
#include "platform/win32/wide_text.h"
#include "tests/fakes/fake_clock.h"
#include "unitfile/point_file_layout.h"
#include "unitfile/point_image.h"
#include "unitfile/voice_guidance_table.h"

namespace pinmover::testing {

namespace {

constexpr char productName[] = "pinmover";

LocalDateTime CreatedAt(const std::vector<char>& file, std::size_t slot) {
  auto byte = [&](std::size_t offset) {
    std::size_t at = headerSize + slot * recordSize + offset;
    return at < file.size() ? static_cast<unsigned char>(file[at]) : 0;
  };
  const std::size_t time = offsetof(PointImageRecord, createdTime);
  const std::size_t date = offsetof(PointImageRecord, createdDate);
  return {2000 + byte(date), byte(date + 1), byte(date + 2),
          byte(time), byte(time + 1), byte(time + 2)};
}

}  // namespace

std::vector<char> ExpectedPointFile(const std::string& sjisInputPath,
                                    const std::vector<char>& writtenFile, int iconPosition,
                                    int voiceEntry, const std::string& sjisScratchPath,
                                    Datum datum) {
  std::unique_ptr<FileSystem> files = MakeSystemFileSystem();
  FakeClock clock;
  for (std::size_t slot = 0; slot < maxPointsPerFile; ++slot) {
    clock.upcoming.push_back(CreatedAt(writtenFile, slot));
  }
  PointListReader reader(*files);
  PointImage image(*files, clock);
  FormatContext formats{*files, reader};
  ConversionRequest request;
  const Format* format = FormatForPath(sjisInputPath);
  request.inputs = {{sjisInputPath, format}};
  request.outputPath = sjisScratchPath;
  request.icon = iconPosition;
  request.voiceCode = voiceGuidanceTable[static_cast<std::size_t>(voiceEntry)].code;
  request.datum = datum;
  if (!format ||
      ConvertPoints(formats, image, request, nullptr).outcome != ConversionOutcome::Converted) {
    return {};
  }
  return FileBytes(WideFromSjis(sjisScratchPath).value_or(L""));
}

std::vector<char> ExpectedChosenPointFile(const std::string& sjisInputPath,
                                          const std::vector<char>& writtenFile,
                                          const std::function<void(PointReview&)>& choose,
                                          const std::string& sjisScratchPath) {
  std::unique_ptr<FileSystem> files = MakeSystemFileSystem();
  PointListReader reader(*files);
  FormatContext formats{*files, reader};
  PointReview review(formats, Datum::Tokyo, sjisScratchPath, productName);
  if (review.AddList(sjisInputPath)) return {};
  choose(review);
  const std::vector<UnitPoint> chosen = review.ChosenPoints();
  // Only new points take the time; a point the output held keeps its slot as it stands.
  FakeClock clock;
  for (std::size_t slot = 0; slot < chosen.size(); ++slot) {
    if (!chosen[slot].record) clock.upcoming.push_back(CreatedAt(writtenFile, slot));
  }
  PointImage image(*files, clock);
  ConversionRequest request;
  request.outputPath = sjisScratchPath;
  request.voiceCode = voiceGuidanceTable[0].code;
  request.append = review.Appending();
  if (WriteChosenPoints(image, chosen, request).outcome != ConversionOutcome::Converted) return {};
  return FileBytes(WideFromSjis(sjisScratchPath).value_or(L""));
}

void WritePointFile(const std::string& sjisInputPath, const std::string& sjisOutputPath) {
  std::unique_ptr<FileSystem> files = MakeSystemFileSystem();
  FakeClock clock;
  PointListReader reader(*files);
  PointImage image(*files, clock);
  FormatContext formats{*files, reader};
  ConversionRequest request;
  request.inputs = {{sjisInputPath, FormatForPath(sjisInputPath)}};
  request.outputPath = sjisOutputPath;
  ConvertPoints(formats, image, request, nullptr);
}

std::vector<char> FileSlot(const std::vector<char>& file, std::size_t slot) {
  const std::size_t start = headerSize + slot * recordSize;
  if (start + recordSize > file.size()) return {};
  return {file.begin() + static_cast<std::ptrdiff_t>(start),
          file.begin() + static_cast<std::ptrdiff_t>(start + recordSize)};
}

std::vector<char> FileBytes(const std::wstring& path) {
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::vector<char> bytes(static_cast<std::size_t>(::GetFileSize(file, nullptr)));
  DWORD read = 0;
  ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  ::CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

PointFileInspection Inspect(const std::wstring& path) {
  std::vector<char> bytes = FileBytes(path);
  return InspectPointFile({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()},
                          bytes.size());
}

}  // namespace pinmover::testing
