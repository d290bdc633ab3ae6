#include "tests/ui/driver/remote_list_view.h"

#include <commctrl.h>

#include <vector>

#include "tests/ui/driver/program_under_test.h"

namespace pinmover::testing {

namespace {

constexpr UINT messageTimeoutMs = 5000;
// The item or hit test goes first in the block, the text buffer after it.
constexpr std::size_t textOffset = 256;
constexpr int textCapacity = 1024;

LRESULT SendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, messageTimeoutMs, &result);
  return static_cast<LRESULT>(result);
}

}  // namespace

RemoteListView::RemoteListView(HANDLE process, HWND list)
    : list_(list), memory_(process, textOffset + textCapacity * sizeof(wchar_t)) {}

LRESULT RemoteListView::Send(UINT message, WPARAM wParam, LPARAM lParam) {
  return SendTo(list_, message, wParam, lParam);
}

int RemoteListView::RowCount() { return static_cast<int>(Send(LVM_GETITEMCOUNT, 0, 0)); }

std::wstring RemoteListView::Cell(int row, int column) {
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = static_cast<wchar_t*>(memory_.At(textOffset));
  item.cchTextMax = textCapacity;
  memory_.Put(item);
  auto length = static_cast<std::size_t>(
      Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(memory_.At())));
  std::wstring text(std::min<std::size_t>(length, textCapacity), L'\0');
  memory_.Read(textOffset, text.data(), text.size() * sizeof(wchar_t));
  return text;
}

std::optional<bool> RemoteListView::Checked(int row) {
  auto state =
      static_cast<UINT>(Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
  switch (state >> 12) {
    case 1: return false;
    case 2: return true;
    default: return std::nullopt;
  }
}

void RemoteListView::SetState(int row, UINT state, UINT mask) {
  LVITEMW item{};
  item.state = state;
  item.stateMask = mask;
  memory_.Put(item);
  Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(memory_.At()));
}

void RemoteListView::Select(int first, int last) {
  SetState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  for (int row = first; row <= last; ++row) {
    SetState(row, LVIS_SELECTED | (row == first ? LVIS_FOCUSED : 0u), LVIS_SELECTED | LVIS_FOCUSED);
  }
}

void RemoteListView::PressSpace() {
  SendTo(::GetParent(list_), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list_), TRUE);
  Send(WM_KEYDOWN, VK_SPACE, 0x00390001);
  Send(WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
}

UINT RemoteListView::HitFlags(POINT point, int& row) {
  LVHITTESTINFO hit{};
  hit.pt = point;
  memory_.Put(hit);
  row = static_cast<int>(Send(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(memory_.At())));
  return memory_.Get<LVHITTESTINFO>().flags;
}

bool RemoteListView::ClickCheckBox(int row) {
  Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
  RECT bounds{};
  bounds.left = LVIR_BOUNDS;
  memory_.Put(bounds);
  Send(LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(memory_.At()));
  bounds = memory_.Get<RECT>();
  // The check box sits at the row's left end; its width is the state images', which only the
  // program knows, so the row is felt along from the left.
  const LONG middle = (bounds.top + bounds.bottom) / 2;
  std::vector<LONG> onBox;
  for (LONG x = bounds.left; x < bounds.left + 40; ++x) {
    int hitRow = -1;
    if ((HitFlags({x, middle}, hitRow) & LVHT_ONITEMSTATEICON) && hitRow == row) onBox.push_back(x);
  }
  if (onBox.empty()) return false;
  const LPARAM at = MAKELPARAM(onBox[onBox.size() / 2], middle);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, at);
  Send(WM_LBUTTONUP, 0, at);
  return true;
}

bool RemoteListView::Rename(int row, const std::wstring& name) {
  SendTo(::GetParent(list_), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list_), TRUE);
  auto edit = reinterpret_cast<HWND>(Send(LVM_EDITLABELW, static_cast<WPARAM>(row), 0));
  if (edit == nullptr) return false;
  Type(edit, name);
  SendTo(edit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
  return true;
}

}  // namespace pinmover::testing
