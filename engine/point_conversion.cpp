#include "engine/point_conversion.h"

#include "engine/import_pipeline.h"
#include "engine/point_file_writer.h"
#include "text/path_operations.h"

namespace pinmover {

namespace {

// Writes the converted points and keeps the result true to what is on the disk.
class ConversionWriter {
 public:
  ConversionWriter(PointImage& image, const ConversionRequest& request, ConversionResult& result)
      : image_(image), request_(request), result_(result) {}

  bool Failed() const { return result_.problem.has_value(); }

  bool Write(std::span<const UnitPoint> points, const std::string& path) {
    if (Failed()) return false;
    if (std::optional<Problem> problem =
            WritePointFile(image_, points, request_.icon, request_.voiceCode, path)) {
      result_.outcome = problem->kind == ProblemKind::FileOpenFailed
                            ? ConversionOutcome::WriteRefused
                            : ConversionOutcome::FileFailed;
      result_.problem = std::move(problem);
      return false;
    }
    result_.written.push_back(WrittenFile{path, points.size()});
    result_.writtenCount += points.size();
    return true;
  }

  bool WriteNumbered(std::span<const UnitPoint> points) {
    return Write(points, NumberedOutputPath(request_.outputPath, ++files_));
  }

  void Finish() {
    if (!Failed()) result_.outcome = ConversionOutcome::Converted;
  }

 private:
  PointImage& image_;
  const ConversionRequest& request_;
  ConversionResult& result_;
  std::uint64_t files_ = 0;
};

// Whether the read gave points to write; the result says why not when it did not.
bool Readable(const ReadResult& read, const ImportPipeline& pipeline, const std::string& path,
              ConversionResult& result) {
  if (read.failure) {
    result.outcome = read.failure->kind == ProblemKind::FileFailed ? ConversionOutcome::FileFailed
                                                                   : ConversionOutcome::LoadFailed;
    result.problem = read.failure;
    return false;
  }
  result.pointCount = pipeline.PointCount();
  result.pointsBeyondLimit = read.pointsBeyondLimit;
  // Writing an empty list would report success with no file to show for it.
  if (result.pointCount == 0) {
    result.outcome = ConversionOutcome::NoPoints;
    result.problem =
        Problem{.kind = ProblemKind::NoPoints, .path = path, .count = read.routeAndTrackPoints};
    return false;
  }
  return true;
}

}  // namespace

std::string NumberedOutputPath(const std::string& outputPath, std::uint64_t number) {
  PathParts parts = SplitPath(outputPath);
  return JoinPath(parts.drive, parts.directory, parts.baseName + "-" + std::to_string(number),
                  parts.extension);
}

ConversionResult ConvertPoints(FormatContext& formats, const Format& format, PointImage& image,
                               const ConversionRequest& request, ProblemSink* reports) {
  ConversionResult result;
  ConversionWriter writer(image, request, result);

  if (request.overflow == Overflow::Split) {
    // Each file is written as it fills, so that no more than one file's points are ever held
    // however long the list is; a list of one file's worth keeps the name it was given.
    ImportPipeline pipeline(request.datum, reports, [&](std::span<const UnitPoint> points) {
      writer.WriteNumbered(points);
    });
    const ReadResult read = ReadPoints(format, formats, request.inputPath, pipeline);
    if (writer.Failed() || !Readable(read, pipeline, request.inputPath, result)) return result;
    if (result.written.empty()) {
      writer.Write(pipeline.Batch(), request.outputPath);
    } else {
      writer.WriteNumbered(pipeline.Batch());
    }
    writer.Finish();
    return result;
  }

  ImportPipeline pipeline(request.datum, reports);
  const ReadResult read = ReadPoints(format, formats, request.inputPath, pipeline);
  if (!Readable(read, pipeline, request.inputPath, result)) return result;
  const bool allInFiles = request.overflow == Overflow::Ask &&
                          result.pointCount > static_cast<std::uint64_t>(maxPointsPerFile) &&
                          request.writeAllInFiles && request.writeAllInFiles(result.pointCount);
  if (!allInFiles) {
    writer.Write(pipeline.Batch(), request.outputPath);
    writer.Finish();
    return result;
  }

  // The list is read once more, now writing each file as it fills. Its changes were reported
  // already.
  ImportPipeline numbered(request.datum, nullptr,
                          [&](std::span<const UnitPoint> points) { writer.WriteNumbered(points); });
  const ReadResult again = ReadPoints(format, formats, request.inputPath, numbered);
  if (again.failure && !writer.Failed()) {
    result.problem = again.failure;
    result.outcome = ConversionOutcome::LoadFailed;
    return result;
  }
  if (!numbered.Batch().empty()) writer.WriteNumbered(numbered.Batch());
  writer.Finish();
  return result;
}

}  // namespace pinmover
