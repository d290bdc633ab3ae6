#include "ui/dialog/point_review.h"

#include <cmath>

#include "engine/datum_shift.h"
#include "engine/map_point_conversion.h"
#include "engine/unit_name.h"
#include "platform/text_encoding.h"
#include "text/decimal_degrees.h"
#include "text/path_operations.h"
#include "text/utf8.h"
#include "ui/dialog/file_dialog_filter.h"
#include "unitfile/point_file_layout.h"
#include "wording/point_problem_text.h"
#include "wording/problem_messages.h"

namespace pinmover {

namespace {

std::string Words(const char8_t* text) { return std::string(Utf8(text)); }

// Degrees as a map app writes them: no zeros after the last digit that counts.
std::string Degrees(double degrees) {
  std::string text = CoordinateText(degrees);
  if (text.find('.') == std::string::npos) return text;
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text;
}

std::string MapLink(double latitude, double longitude) {
  return "https://maps.gsi.go.jp/#17/" + Degrees(latitude) + "/" + Degrees(longitude) + "/";
}

}  // namespace

// One list's rows, kept apart until the whole list has been read: a list that fails adds none.
class PointReview::ListReading : public PointSink {
 public:
  ListReading(Datum datum, ProblemSink* reports) : datum_(datum), reports_(reports) {}

  void Add(const MapPoint& given) override {
    MapPointConversion converted = ConvertMapPoint(given, datum_);
    ++numbered_;
    for (Problem& change : converted.changes) {
      change.point = numbered_;
      Tell(change);
    }
    if (!converted.point) {
      skipped.push_back({given.name, std::move(converted.changes.front())});
      return;
    }
    rows.push_back(Row{.point = std::move(*converted.point),
                       .originalName = given.name,
                       .latitude = converted.latitude,
                       .longitude = converted.longitude,
                       .changes = std::move(converted.changes)});
  }

  void Add(const UnitPoint& point) override {
    ++numbered_;
    rows.push_back(UnitRow(point, datum_));
  }

  void Skip(const SkippedItem& item) override {
    Problem reason{
        .kind = SkipKind(item.reason), .line = item.line, .name = item.name, .detail = item.detail};
    Tell(reason);
    skipped.push_back({item.name, std::move(reason)});
  }

  // A point the unit's own files give: its position shown as the map apps give it.
  static Row UnitRow(const UnitPoint& point, Datum datum) {
    GeodeticPosition position{UnitsToDegrees(point.latitudeUnits),
                              UnitsToDegrees(point.longitudeUnits)};
    if (datum == Datum::Tokyo) position = TokyoToWgs84(position);
    return Row{.point = point,
               .originalName = SlotNameText(point.name),
               .latitude = position.latitude,
               .longitude = position.longitude};
  }

  std::vector<Row> rows;
  std::vector<SkippedRow> skipped;

 private:
  void Tell(const Problem& change) {
    if (reports_) reports_->Report(change);
  }

  Datum datum_;
  ProblemSink* reports_;
  std::uint64_t numbered_ = 0;
};

PointReview::PointReview(FormatContext& formats, Datum datum, std::string outputPath,
                         std::string productName)
    : formats_(formats),
      datum_(datum),
      outputPath_(std::move(outputPath)),
      productName_(std::move(productName)) {
  ListReading held(datum_, nullptr);
  const ReadResult read = ReadPoints(*FormatNamed(pointFileExtension), formats_, outputPath_, held);
  if (!read.failure) {
    appendPossible_ = true;
    held_ = std::move(held.rows);
  } else if (read.failure->cause != FileErrorCause::FileNotFound) {
    // The first message says it all: the file's name and what is wrong with it.
    const std::vector<Message> messages = ProblemMessages(*read.failure, formats_.files);
    if (!messages.empty()) {
      appendNote_ = SjisToUtf8(messages.front().text).value_or(std::string());
    }
  }
}

std::optional<Problem> PointReview::AddList(const std::string& path, ProblemSink* reports) {
  ListReading list(datum_, reports);
  const ReadResult read = ReadPoints(*FormatForPath(path), formats_, path, list);
  if (read.failure) return read.failure;
  if (list.rows.empty()) {
    return Problem{.kind = ProblemKind::NoPoints, .path = path, .count = read.routeAndTrackPoints};
  }
  const std::size_t first = points_.size();
  points_.insert(points_.end(), std::make_move_iterator(list.rows.begin()),
                 std::make_move_iterator(list.rows.end()));
  skipped_.insert(skipped_.end(), std::make_move_iterator(list.skipped.begin()),
                  std::make_move_iterator(list.skipped.end()));
  MarkDuplicates(first);
  return std::nullopt;
}

std::string PointReview::Title() { return Words(u8"地点の確認"); }

std::string PointReview::ColumnTitle(ReviewColumn column) {
  switch (column) {
    case ReviewColumn::UnitName: return Words(u8"ナビでの名前");
    case ReviewColumn::OriginalName: return Words(u8"元の名前");
    case ReviewColumn::Latitude: return Words(u8"緯度");
    case ReviewColumn::Longitude: return Words(u8"経度");
    case ReviewColumn::Note: return Words(u8"メモ");
  }
  return {};
}

std::string PointReview::AppendLabel() { return Words(u8"既存の地点ファイルに追加する"); }

std::string PointReview::AddFilesLabel() { return Words(u8"ファイルを追加..."); }

const PointReview::Row* PointReview::RowAt(std::size_t row) const {
  if (row < ShownHeld()) return &held_[row];
  row -= ShownHeld();
  return row < points_.size() ? &points_[row] : nullptr;
}

std::string PointReview::Cell(std::size_t row, ReviewColumn column) const {
  if (const Row* point = RowAt(row)) {
    switch (column) {
      case ReviewColumn::UnitName: return SlotNameText(point->point.name);
      case ReviewColumn::OriginalName: return point->originalName;
      case ReviewColumn::Latitude: return Degrees(point->latitude);
      case ReviewColumn::Longitude: return Degrees(point->longitude);
      case ReviewColumn::Note: return Note(*point, IsHeld(row));
    }
    return {};
  }
  const std::size_t index = row - ShownHeld() - points_.size();
  if (index >= skipped_.size()) return {};
  const SkippedRow& skipped = skipped_[index];
  if (column == ReviewColumn::OriginalName) return skipped.name;
  if (column == ReviewColumn::Note) return PointChangeText(skipped.reason);
  return {};
}

std::string PointReview::Note(const Row& row, bool held) const {
  std::string note;
  auto add = [&note](const std::string& words) {
    if (words.empty()) return;
    if (!note.empty()) note += " / ";
    note += words;
  };
  if (held) add(Words(u8"出力ファイルに既にある地点"));
  if (row.renamed) add(Words(u8"名前を変えました"));
  for (const Problem& change : row.changes) add(PointChangeText(change));
  if (row.duplicate) {
    const std::size_t shownRow = row.duplicate->index + 1 + (row.duplicate->held ? 0 : ShownHeld());
    add(Words(row.duplicate->held ? u8"重複: 出力ファイルにある " : u8"重複: ") +
        std::to_string(shownRow) + Words(u8" 行目と同じ名前で ") +
        std::to_string(std::lround(row.duplicate->metres)) + Words(u8" m の所にあります"));
  }
  return note;
}

bool PointReview::Checked(std::size_t row) const {
  const Row* point = RowAt(row);
  return point && point->checked;
}

void PointReview::SetChecked(std::size_t row, bool checked) {
  if (Row* point = RowAt(row)) {
    point->checked = checked;
    point->leftForHeld = false;
  }
}

bool PointReview::CanRename(std::size_t row) const { return !IsHeld(row) && RowAt(row); }

void PointReview::Rename(std::size_t row, const std::string& utf8Name) {
  if (!CanRename(row)) return;
  Row& point = *RowAt(row);
  const UnitName name = MakeUnitName(utf8Name);
  point.point.name = name.name;
  // A point file's slot is no longer written as it stood, but its icon and voice stay.
  point.point.record.reset();
  point.renamed = true;
  std::erase_if(point.changes, [](const Problem& change) {
    return change.kind == ProblemKind::NameCut || change.kind == ProblemKind::CharactersReplaced ||
           change.kind == ProblemKind::AccentsRemoved ||
           change.kind == ProblemKind::ControlsReplaced;
  });
  std::vector<Problem> changes = NameChanges(name, Problem{.name = utf8Name});
  point.changes.insert(point.changes.begin(), changes.begin(), changes.end());
  MarkDuplicates(points_.size());
}

std::size_t PointReview::CheckedCount() const {
  std::size_t count = 0;
  for (std::size_t row = 0; row < ShownHeld() + points_.size(); ++row) {
    if (RowAt(row)->checked) ++count;
  }
  return count;
}

bool PointReview::CanWrite() const {
  const std::size_t count = CheckedCount();
  return count > 0 && (!appending_ || count <= maxPointsPerFile);
}

std::string PointReview::CountLine() const {
  const std::size_t count = CheckedCount();
  const std::string perFile = std::to_string(maxPointsPerFile);
  std::string line = Words(u8"書き込む地点: ") + std::to_string(count);
  if (count <= maxPointsPerFile) return line + " / " + perFile;
  if (appending_) {
    return line + " / " + perFile + Words(u8" (既存の地点ファイルに追加できるのは合わせて ") +
           perFile + Words(u8" 地点までです。チェックを外してください)");
  }
  const std::size_t files = (count + maxPointsPerFile - 1) / maxPointsPerFile;
  return line + Words(u8" (") + perFile + Words(u8" 地点ずつ ") + std::to_string(files) +
         Words(u8" 個の番号付きファイルに分けて書き込みます)");
}

void PointReview::SetAppending(bool appending) {
  appending = appending && appendPossible_;
  if (appending == appending_) return;
  appending_ = appending;
  if (!appending_) {
    for (Row& point : points_) {
      if (point.leftForHeld) point.checked = true;
      point.leftForHeld = false;
    }
  }
  MarkDuplicates(0);
}

void PointReview::MarkDuplicates(std::size_t uncheckFrom) {
  DuplicatePoints found;
  for (std::size_t index = 0; index < ShownHeld(); ++index) {
    held_[index].duplicate.reset();
    found.Add(held_[index].point, index, true);
  }
  for (std::size_t index = 0; index < points_.size(); ++index) {
    Row& point = points_[index];
    point.duplicate = found.Find(point.point);
    if (!point.duplicate) {
      found.Add(point.point, index, false);
    } else if (point.duplicate->held && index >= uncheckFrom && point.checked) {
      point.checked = false;
      point.leftForHeld = true;
    }
  }
}

void PointReview::ShowProblem(ReviewControls& controls, const Problem& problem) const {
  // The window's own boxes show the application's messages too: a caption of its own, or the
  // application's name.
  ApplicationMessages messages(controls, productName_);
  for (const Message& message : ProblemMessages(problem, formats_.files)) messages.Show(message);
}

void PointReview::AddFiles(ReviewControls& controls) {
  const PathParts output = SplitPath(outputPath_);
  AddDroppedFiles(
      controls,
      controls.ChooseFiles({FileDialogRequest::Kind::Open, "ファイルを追加", InputFileFilter(), "",
                            JoinPath(output.drive, output.directory, "", ""), severalFilesFlags}));
}

void PointReview::AddDroppedFiles(ReviewControls& controls, const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    if (!FormatForPath(path)) {
      controls.Show(WrongTypeText("入力", ReadExtensionList()), "Error",
                    message_style::ok | message_style::iconExclamation);
    } else if (std::optional<Problem> problem = AddList(path)) {
      ShowProblem(controls, *problem);
    }
  }
}

void PointReview::ShowOnMap(ReviewControls& controls, std::size_t row) const {
  const Row* point = RowAt(row);
  if (!point) return;
  const std::string link = MapLink(point->latitude, point->longitude);
  if (!controls.OpenLink(link)) {
    ApplicationMessages(controls, productName_)
        .Show("ブラウザーで地図を開けませんでした。\n" + link);
  }
}

std::vector<UnitPoint> PointReview::ChosenPoints() const {
  std::vector<UnitPoint> chosen;
  for (std::size_t row = 0; row < ShownHeld() + points_.size(); ++row) {
    if (RowAt(row)->checked) chosen.push_back(RowAt(row)->point);
  }
  return chosen;
}

}  // namespace pinmover
