#include "engine/point_conversion.h"

#include <algorithm>

#include "engine/import_pipeline.h"
#include "engine/point_file_writer.h"
#include "formats/pmf/pmf_format.h"
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

// What reading every list of a run gave, besides its points.
struct ListsRead {
  std::optional<Problem> failure;
  std::uint64_t routeAndTrackPoints = 0;
  bool pointsBeyondLimit = false;
  std::uint64_t heldPoints = 0;
};

// The output file first when the run adds to it, then each list in turn; the first that fails
// stops the run. While a run reads several lists, every report names its list, and a list
// without a point is told of.
ListsRead ReadLists(FormatContext& formats, const ConversionRequest& request,
                    ImportPipeline& pipeline, ProblemSink* reports) {
  ListsRead lists;
  const bool several = request.inputs.size() > 1 || request.append;
  if (request.append) {
    pipeline.BeginList(request.outputPath, true);
    const ReadResult held = ReadPoints(*FormatNamed(pointFileExtension), formats,
                                       request.outputPath, pipeline);
    // An output that is not there yet is one without points.
    const bool absent = held.failure && held.failure->kind == ProblemKind::ListOpenFailed &&
                        held.failure->cause == FileErrorCause::FileNotFound;
    if (held.failure && !absent) {
      lists.failure = held.failure;
      return lists;
    }
    lists.heldPoints = pipeline.ListPointCount();
  }
  for (const ConversionInput& input : request.inputs) {
    pipeline.BeginList(several ? input.path : std::string(), false);
    const ReadResult read = ReadPoints(*input.format, formats, input.path, pipeline);
    if (read.failure) {
      lists.failure = read.failure;
      return lists;
    }
    lists.routeAndTrackPoints += read.routeAndTrackPoints;
    lists.pointsBeyondLimit = lists.pointsBeyondLimit || read.pointsBeyondLimit;
    if (several && pipeline.ListPointCount() == 0 && reports) {
      reports->Report({.kind = ProblemKind::NoPoints,
                       .path = input.path,
                       .count = read.routeAndTrackPoints});
    }
  }
  return lists;
}

// Whether the lists gave points to write; the result says why not when they did not.
bool Readable(const ListsRead& lists, const ImportPipeline& pipeline,
              const ConversionRequest& request, ConversionResult& result) {
  if (lists.failure) {
    result.outcome = lists.failure->kind == ProblemKind::FileFailed
                         ? ConversionOutcome::FileFailed
                         : ConversionOutcome::LoadFailed;
    result.problem = lists.failure;
    return false;
  }
  result.pointCount = pipeline.PointCount();
  result.pointsBeyondLimit = lists.pointsBeyondLimit;
  result.heldCount = lists.heldPoints;
  // Writing an empty list would report success with no file to show for it.
  if (result.pointCount == 0) {
    result.outcome = ConversionOutcome::NoPoints;
    result.problem =
        Problem{.kind = ProblemKind::NoPoints,
                .path = request.inputs.size() == 1 ? request.inputs.front().path : std::string(),
                .count = lists.routeAndTrackPoints};
    return false;
  }
  return true;
}

// A lone list made for the unit is written exactly as it always was; in every other run a
// place entered twice is worth a word, and under append one the file holds already is not
// added again unless asked.
DuplicateRule DuplicateRuleOf(const ConversionRequest& request) {
  if (request.inputs.size() == 1 && !request.append &&
      request.inputs.front().format->name == pointListExtension) {
    return DuplicateRule::Unchecked;
  }
  return request.append && !request.keepDuplicates ? DuplicateRule::HeldNotAdded
                                                   : DuplicateRule::Kept;
}

}  // namespace

std::string NumberedOutputPath(const std::string& outputPath, std::uint64_t number) {
  PathParts parts = SplitPath(outputPath);
  return JoinPath(parts.drive, parts.directory, parts.baseName + "-" + std::to_string(number),
                  parts.extension);
}

std::optional<Problem> OutputAmongInputs(FileSystem& files, const ConversionRequest& request) {
  for (const ConversionInput& input : request.inputs) {
    if (files.SameFile(input.path, request.outputPath)) {
      return Problem{.kind = ProblemKind::OutputIsInput, .path = input.path};
    }
  }
  return std::nullopt;
}

ConversionResult WriteChosenPoints(PointImage& image, std::span<const UnitPoint> points,
                                   const ConversionRequest& request) {
  ConversionResult result;
  result.pointCount = points.size();
  ConversionWriter writer(image, request, result);
  const std::size_t perFile = maxPointsPerFile;
  if (points.size() <= perFile || request.append) {
    writer.Write(points.first(std::min(points.size(), perFile)), request.outputPath);
  } else {
    for (std::size_t first = 0; first < points.size() && !writer.Failed(); first += perFile) {
      writer.WriteNumbered(points.subspan(first, std::min(perFile, points.size() - first)));
    }
  }
  writer.Finish();
  return result;
}

ConversionResult ConvertPoints(FormatContext& formats, PointImage& image,
                               const ConversionRequest& request, ProblemSink* reports) {
  ConversionResult result;
  if (std::optional<Problem> problem = OutputAmongInputs(formats.files, request)) {
    result.problem = std::move(problem);
    return result;
  }
  ConversionWriter writer(image, request, result);
  const DuplicateRule duplicates = DuplicateRuleOf(request);
  const Overflow overflow = request.append ? Overflow::LeaveOut : request.overflow;

  if (overflow == Overflow::Split) {
    // Each file is written as it fills, so that no more than one file's points are ever held
    // however long the lists are; a run of one file's worth keeps the name it was given.
    ImportPipeline pipeline(request.datum, reports, duplicates,
                            [&](std::span<const UnitPoint> points) { writer.WriteNumbered(points); });
    const ListsRead lists = ReadLists(formats, request, pipeline, reports);
    if (writer.Failed() || !Readable(lists, pipeline, request, result)) return result;
    if (result.written.empty()) {
      writer.Write(pipeline.Batch(), request.outputPath);
    } else {
      writer.WriteNumbered(pipeline.Batch());
    }
    writer.Finish();
    return result;
  }

  ImportPipeline pipeline(request.datum, reports, duplicates);
  if (!Readable(ReadLists(formats, request, pipeline, reports), pipeline, request, result)) {
    return result;
  }
  writer.Write(pipeline.Batch(), request.outputPath);
  writer.Finish();
  return result;
}

}  // namespace pinmover
