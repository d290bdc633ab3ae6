#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/conversion_settings.h"
#include "engine/duplicate_points.h"
#include "formats/map_point.h"
#include "formats/registry.h"
#include "problem/problem.h"
#include "ui/dialog/review_controls.h"

namespace pinmover {

enum class ReviewColumn { UnitName, OriginalName, Latitude, Longitude, Note };
inline constexpr int reviewColumnCount = 5;

// The point list window's behaviour ("地点の確認"): every point the lists gave, one row each,
// checked when it will be written, and what happened to it; the output file's points on top
// when they are added to; the places that are no points greyed at the end. The window shows it
// and hands every action to it; texts are UTF-8, paths Shift-JIS.
class PointReview {
 public:
  // The output file is looked at once, here: whether it can be added to. Messages the window
  // shows without a caption of their own carry productName.
  PointReview(FormatContext& formats, Datum datum, std::string outputPath, std::string productName);

  // Reads one more list, of a format read, into the rows, telling reports (when given) of every
  // change as the command line would. Nothing when it was read; else why not (a list without any
  // point included), and no row added.
  std::optional<Problem> AddList(const std::string& path, ProblemSink* reports = nullptr);
  // The points the lists gave, besides the output file's and the places that are no points.
  std::size_t ListPointCount() const { return points_.size(); }

  // The window's own texts.
  static std::string Title();
  static std::string ColumnTitle(ReviewColumn column);
  static std::string AppendLabel();
  static std::string AddFilesLabel();

  std::size_t RowCount() const { return ShownHeld() + points_.size() + skipped_.size(); }
  std::string Cell(std::size_t row, ReviewColumn column) const;
  // A place that is no point has no check box and is shown greyed.
  bool HasCheckBox(std::size_t row) const { return row < ShownHeld() + points_.size(); }
  bool Checked(std::size_t row) const;
  void SetChecked(std::size_t row, bool checked);
  void Toggle(std::size_t row) { SetChecked(row, !Checked(row)); }
  // Only the new points' names may be changed; the text goes through the unit's name rules.
  bool CanRename(std::size_t row) const;
  void Rename(std::size_t row, const std::string& utf8Name);

  // "書き込む地点: 150 / 200", or how the checked points are split into numbered files, or why
  // they cannot be written.
  std::string CountLine() const;
  bool CanWrite() const;

  // Adding to the output file: possible when it exists and is sound; the note says why not
  // when it is damaged (empty otherwise).
  bool AppendPossible() const { return appendPossible_; }
  const std::string& AppendNote() const { return appendNote_; }
  bool Appending() const { return appending_; }
  void SetAppending(bool appending);

  // The button "ファイルを追加...", files dropped on the window, and a row opened on the map.
  void AddFiles(ReviewControls& controls);
  void AddDroppedFiles(ReviewControls& controls, const std::vector<std::string>& paths);
  void ShowOnMap(ReviewControls& controls, std::size_t row) const;

  // What 書き込む writes: the checked points in the rows' order.
  std::vector<UnitPoint> ChosenPoints() const;

 private:
  struct Row {
    UnitPoint point;
    std::string originalName;  // UTF-8, as the list gives it
    double latitude = 0;       // WGS84, as the map app gives it
    double longitude = 0;
    std::vector<Problem> changes{};  // what the name rules and the checks did
    std::optional<DuplicatePoints::Match> duplicate{};
    bool checked = true;
    bool renamed = false;
    // Unchecked for duplicating a point of the output file; checked again when the file is no
    // longer added to, unless the user has touched it.
    bool leftForHeld = false;
  };
  struct SkippedRow {
    std::string name;
    Problem reason;
  };
  class ListReading;

  bool IsHeld(std::size_t row) const { return appending_ && row < held_.size(); }
  std::size_t ShownHeld() const { return appending_ ? held_.size() : 0; }
  const Row* RowAt(std::size_t row) const;
  Row* RowAt(std::size_t row) { return const_cast<Row*>(std::as_const(*this).RowAt(row)); }
  std::size_t CheckedCount() const;
  std::string Note(const Row& row, bool held) const;
  // Finds every point's duplicate again; new points from the first given on that duplicate a
  // point of the output file are unchecked.
  void MarkDuplicates(std::size_t uncheckFrom);
  void ShowProblem(ReviewControls& controls, const Problem& problem) const;

  FormatContext& formats_;
  Datum datum_;
  std::string outputPath_;
  std::string productName_;
  bool appendPossible_ = false;
  std::string appendNote_;
  bool appending_ = false;
  std::vector<Row> held_;  // the output file's points, shown while appending
  std::vector<Row> points_;
  std::vector<SkippedRow> skipped_;
};

}  // namespace pinmover
