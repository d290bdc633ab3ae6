#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "formats/read_result.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/recording_point_sink.h"
#include "text/utf8.h"

namespace pinmover::testing {

// The bytes of a file in tests/formats/fixtures.
inline std::string Fixture(const std::string& name) {
  std::ifstream file(std::string(PINMOVER_FORMAT_FIXTURES) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

inline std::string U8(const char8_t* text) { return std::string(Utf8(text)); }

using ReadFunction = ReadResult (*)(FileSystem& files, const std::string& path, PointSink& sink);

// One format reading a file from an in-memory disk into a recording sink.
template <ReadFunction read>
struct FormatReading {
  FakeFileSystem files;
  RecordingPointSink sink;

  ReadResult Read(std::string content, const std::string& path = "in") {
    files.files[path] = std::move(content);
    return read(files, path, sink);
  }
};

// A file a format refuses whole, and what the failure must say.
struct RefusedFile {
  const char* what;
  std::string text;
  ProblemKind kind;
  std::uint64_t line;
  std::uint64_t column;
  std::string detailPart;  // words the detail holds
};

template <ReadFunction read>
void ExpectRefused(const RefusedFile& file) {
  FormatReading<read> reading;
  ReadResult result = reading.Read(file.text);

  ASSERT_TRUE(result.failure) << file.what;
  EXPECT_EQ(result.failure->kind, file.kind) << file.what;
  EXPECT_EQ(result.failure->line, file.line) << file.what;
  EXPECT_EQ(result.failure->column, file.column) << file.what;
  EXPECT_NE(result.failure->detail.find(file.detailPart), std::string::npos)
      << file.what << ": " << result.failure->detail;
  EXPECT_EQ(ValidUtf8(result.failure->detail), result.failure->detail) << file.what;
  EXPECT_LE(result.failure->detail.size(), 300u) << file.what;
}

}  // namespace pinmover::testing
