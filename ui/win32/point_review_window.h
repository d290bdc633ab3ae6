#pragma once

#include <windows.h>
// After windows.h, whose types they use.
#include <commctrl.h>
#include <shellapi.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "ui/dialog/application_messages.h"
#include "ui/dialog/point_review.h"
#include "ui/dialog/review_controls.h"

namespace pinmover {

// The point list window ("地点の確認"): template 103 run modally over the main dialog, its
// list drawn from the review on demand and every action handed to it.
class PointReviewWindow : public ReviewControls {
 public:
  PointReviewWindow(HINSTANCE instance, PointReview& review);
  PointReviewWindow(const PointReviewWindow&) = delete;
  PointReviewWindow& operator=(const PointReviewWindow&) = delete;

  // Shows the window over owner until it is closed: true when 書き込む was pressed.
  bool Run(HWND owner);

  int Show(const std::string& text, const std::string& caption, unsigned style) override;
  std::vector<std::string> ChooseFiles(const FileDialogRequest& request) override;
  bool OpenLink(const std::string& url) override;

 private:
  // A control's place in the template, and how it follows the window's right and bottom edges.
  struct Placement {
    static constexpr unsigned moves = 1;  // to the right
    static constexpr unsigned widens = 2;
    static constexpr unsigned drops = 4;  // down
    static constexpr unsigned deepens = 8;
    int id;
    unsigned follows;
    RECT rect;
  };

  static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnInitDialog();
  void SetUpList();
  bool OnCommand(WORD id, WORD notification);
  LRESULT OnListNotify(NMHDR& header);
  void ShowCell(NMLVDISPINFOW& info);
  LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw);
  void OnClick(const NMITEMACTIVATE& click, bool doubleClick);
  void ToggleSelectedRows();
  void OnDropFiles(HDROP drop);
  void Lay(int width, int height);
  // Shows what the review holds now: rows, count line, what may be pressed.
  void Refresh();

  HWND Control(int id) const noexcept { return ::GetDlgItem(window_, id); }
  // The review's row for a row of the list, when it has one.
  std::optional<std::size_t> Row(int item) const;
  // Runs an action of the user's, then shows its outcome; what either raises is reported and
  // the window stays usable.
  void Act(const std::function<void()>& action);
  bool Guarded(const std::function<void()>& handler);

  HINSTANCE instance_;
  PointReview& review_;
  std::unique_ptr<FileSystem> files_;
  ApplicationMessages messages_;
  HWND window_ = nullptr;
  HWND list_ = nullptr;
  int shownRows_ = 0;
  SIZE laidOut_{};
  POINT smallest_{};
  std::array<Placement, 7> placements_;
};

}  // namespace pinmover
