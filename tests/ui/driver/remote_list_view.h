#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "tests/ui/driver/remote_memory.h"

namespace pinmover::testing {

// A list view of the program under test, read and worked as a user would: the messages that
// take an item or a buffer get them in the program's memory.
class RemoteListView {
 public:
  RemoteListView(HANDLE process, HWND list);

  int RowCount();
  std::wstring Cell(int row, int column);
  // The row's check box, ticked or not; nothing when the row has none.
  std::optional<bool> Checked(int row);
  // Selects the rows first to last alone, the first of them with the focus.
  void Select(int first, int last);
  // The space bar, on the list with the focus.
  void PressSpace();
  // A click on the row's check box, once the row is scrolled into view. False when no point of
  // the row hits its check box.
  bool ClickCheckBox(int row);
  // Edits the row's name as a user does: the label's edit, the new text, Enter. False when the
  // list did not open an edit for the row.
  bool Rename(int row, const std::wstring& name);

 private:
  LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam);
  void SetState(int row, UINT state, UINT mask);
  // The hit-test flags of a point of the list's client area.
  UINT HitFlags(POINT point, int& row);

  HWND list_;
  RemoteMemory memory_;
};

}  // namespace pinmover::testing
