#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include "cli/utf8_text.h"
#include "formats/point_format.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/recording_point_sink.h"

namespace pinmover::testing {

// The bytes of a file in tests/formats/fixtures.
inline std::string Fixture(const std::string& name) {
  std::ifstream file(std::string(PINMOVER_FORMAT_FIXTURES) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

inline std::string U8(const char8_t* text) { return std::string(Utf8(text)); }

// One format reading a file from an in-memory disk into a recording sink.
template <class Format>
struct FormatReading {
  FakeFileSystem files;
  RecordingPointSink sink;

  ReadResult Read(std::string content, const std::string& path = "in") {
    files.files[path] = std::move(content);
    return Format(files).Read(path, sink);
  }
};

}  // namespace pinmover::testing
