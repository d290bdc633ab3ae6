#include "formats/kml/kmz_reader.h"

#include "formats/kml/kml_reader.h"
#include "formats/kml/zip_archive.h"

namespace pinmover {

namespace {

Problem ArchiveProblem(ZipFault fault, std::uint32_t method) {
  switch (fault) {
    case ZipFault::NotAnArchive: return {.kind = ProblemKind::ArchiveNotZip};
    case ZipFault::Damaged: return {.kind = ProblemKind::ArchiveDamaged};
    case ZipFault::Encrypted: return {.kind = ProblemKind::ArchiveEncrypted};
    case ZipFault::UnsupportedMethod:
      return {.kind = ProblemKind::ArchiveMethodUnknown, .count = method};
    case ZipFault::NoKml: return {.kind = ProblemKind::ArchiveWithoutKml};
    case ZipFault::TooLarge: return {.kind = ProblemKind::ArchiveTooLarge, .count = maxKmlBytes};
  }
  return {.kind = ProblemKind::ArchiveDamaged};
}

}  // namespace

ReadResult ReadKmz(FileSystem& files, const std::string& path, PointSink& sink) {
  OpenResult<InputFile> opened = files.OpenForReading(path);
  if (!opened.file) return {Problem{.kind = ProblemKind::ListOpenFailed, .cause = opened.cause}};
  ReadResult result;
  KmlEntryOpening kml = OpenKmlEntry(*opened.file);
  if (!kml.entry) {
    result.failure = ArchiveProblem(kml.fault, kml.method);
  } else {
    try {
      result = ReadKmlDocument(*kml.entry->stream, sink);
    } catch (const ZipFaultError& error) {
      // Found half-way: the points before the damage have gone to the sink, but a list that
      // cannot be read whole is no list.
      result = {ArchiveProblem(error.Fault(), 0)};
    }
  }
  opened.file->Close();
  return result;
}

}  // namespace pinmover
