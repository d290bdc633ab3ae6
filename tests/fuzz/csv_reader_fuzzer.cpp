// The CSV reader on arbitrary bytes: each point or skipped row starts a line of its own, names
// are UTF-8 and bounded, and a failure is one the reader may give. The splitter beneath it must
// find the same fields and records whatever the pieces the text arrives in.
#include <algorithm>
#include <cstdint>
#include <string>

#include "formats/csv/csv_reader.h"
#include "formats/csv/csv_record_splitter.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/recording_point_sink.h"
#include "tests/fuzz/delivered_points_check.h"
#include "tests/fuzz/fuzz_check.h"
#include "text/utf8.h"

namespace {

using namespace pinmover;
using namespace pinmover::testing;

// A code page 932 byte may become three bytes of UTF-8 (U+FFFD, or half-width katakana).
constexpr std::size_t maxNameBytes = 3 * CsvRecordSplitter::maxFieldBytes;

// Writes down every field of the first three columns and every record end.
class FieldLog : public CsvFieldHandler {
 public:
  std::string log;
  bool Wants(std::uint64_t column) override { return column < 3; }
  void Field(std::uint64_t column, std::string_view bytes) override {
    log += "F" + std::to_string(column) + ":" + std::string(bytes) + "\x1F";
  }
  void EndRecord(std::uint64_t line, bool blank) override {
    log += "R" + std::to_string(line) + (blank ? "b" : "") + "\x1F";
  }
};

std::string SplitInPieces(const std::string& text, std::size_t basePiece) {
  FieldLog fields;
  CsvRecordSplitter splitter(fields);
  std::size_t step = 0;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t piece = std::min(text.size() - at, basePiece + (step++ * 7u) % (basePiece + 3u));
    splitter.Feed(std::string_view(text).substr(at, piece));
    at += piece;
  }
  if (splitter.Finish()) fields.log += "open quote";
  return fields.log;
}

// Lines as the reader counts them: CR LF, LF and CR each end one.
std::uint64_t LinesOf(const std::string& text) {
  std::uint64_t lines = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))) ++lines;
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte chooses the pieces the splitter is fed in; the rest is the file.
  const std::size_t basePiece = data[0] % 64u + 1u;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

  PINMOVER_FUZZ_CHECK(SplitInPieces(text, basePiece) == SplitInPieces(text, text.size() + 1));

  FakeFileSystem files;
  files.files["in.csv"] = text;
  RecordingPointSink sink;
  ReadResult result = ReadCsv(files, "in.csv", sink);

  const std::uint64_t lines = LinesOf(text);
  PINMOVER_FUZZ_CHECK(sink.points.size() + sink.skipped.size() <= lines);
  // The header takes a line at least: points start on the second.
  CheckDelivered(sink, maxNameBytes, 2, lines);
  if (result.failure) {
    const Problem& failure = *result.failure;
    PINMOVER_FUZZ_CHECK(failure.kind == ProblemKind::NotWellFormed ||
                        failure.kind == ProblemKind::MissingColumns ||
                        failure.kind == ProblemKind::ListWithoutPositions);
    PINMOVER_FUZZ_CHECK(failure.line <= lines);
    PINMOVER_FUZZ_CHECK(ValidUtf8(failure.detail) == failure.detail);
  }
  PINMOVER_FUZZ_CHECK(files.openFiles == 0);
  return 0;
}
