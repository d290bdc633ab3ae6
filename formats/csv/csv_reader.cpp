#include "formats/csv/csv_reader.h"

#include <memory>
#include <span>
#include <string_view>

#include "formats/csv/csv_point_rows.h"
#include "formats/csv/csv_record_splitter.h"
#include "text/utf8.h"

namespace pinmover {

namespace {

constexpr std::size_t blockSize = 64 * 1024;

// Fills the buffer unless the file ends first, so that a mark at the start is seen whole.
std::size_t ReadFull(InputFile& file, std::span<char> buffer) {
  std::size_t filled = 0;
  while (filled < buffer.size()) {
    std::size_t got = file.Read(buffer.subspan(filled));
    if (got == 0) break;
    filled += got;
  }
  return filled;
}

CsvEncoding EncodingOf(InputFile& file, std::span<char> block) {
  std::size_t got = ReadFull(file, block);
  if (std::string_view(block.data(), got).starts_with(utf8ByteOrderMark)) return CsvEncoding::Utf8;
  Utf8Validator validator;
  while (got > 0) {
    if (!validator.Feed({block.data(), got})) return CsvEncoding::Cp932;
    got = ReadFull(file, block);
  }
  return validator.Finish() ? CsvEncoding::Utf8 : CsvEncoding::Cp932;
}

ReadResult Failure(Problem failure) { return {std::move(failure)}; }

ReadResult OpenFailure(FileErrorCause cause) {
  return Failure({.kind = ProblemKind::ListOpenFailed, .cause = cause});
}

}  // namespace

ReadResult ReadCsv(FileSystem& files, const std::string& path, PointSink& sink) {
  auto block = std::make_unique<char[]>(blockSize);
  std::span<char> buffer(block.get(), blockSize);

  OpenResult<InputFile> scanned = files.OpenForReading(path);
  if (!scanned.file) return OpenFailure(scanned.cause);
  CsvEncoding encoding = EncodingOf(*scanned.file, buffer);
  scanned.file->Close();

  OpenResult<InputFile> opened = files.OpenForReading(path);
  if (!opened.file) return OpenFailure(opened.cause);
  CsvPointRows rows(sink, encoding);
  CsvRecordSplitter splitter(rows);
  std::size_t got = ReadFull(*opened.file, buffer);
  std::string_view bytes(buffer.data(), got);
  if (bytes.starts_with(utf8ByteOrderMark)) bytes.remove_prefix(utf8ByteOrderMark.size());
  // A header without coordinates makes the rest of the file pointless to read.
  auto missingColumns = [&] { return rows.HeaderRead() && !rows.GivesPositions(); };
  while (!bytes.empty() && !missingColumns()) {
    splitter.Feed(bytes);
    got = ReadFull(*opened.file, buffer);
    bytes = {buffer.data(), got};
  }
  std::optional<TextPosition> openQuote;
  if (!missingColumns()) openQuote = splitter.Finish();
  rows.Finish();
  opened.file->Close();

  if (openQuote) {
    return Failure({.kind = ProblemKind::NotWellFormed,
                    .line = openQuote->line,
                    .column = openQuote->column,
                    .detail = "a quoted field is not closed before the end of the file"});
  }
  if (!rows.GivesPositions()) {
    return Failure({.kind = ProblemKind::MissingColumns, .detail = rows.ColumnsFound()});
  }
  if (rows.NoLinkGavePositions()) return Failure({.kind = ProblemKind::ListWithoutPositions});
  return {};
}

}  // namespace pinmover
