#include "ui/win32/point_review_window.h"

#include <commdlg.h>
#include <objbase.h>

#include <algorithm>
#include <climits>

#include "platform/system_services.h"
#include "platform/win32/wide_text.h"
#include "ui/dialog/raised_error_report.h"
#include "ui/dialog/window_rules.h"
#include "ui/resource_ids.h"
#include "ui/win32/shell_paths.h"
#include "ui/win32/win32_dialog_controls.h"
#include "ui/win32/win32_text.h"

namespace pinmover {

namespace {

constexpr std::array<ReviewColumn, reviewColumnCount> columns = {
    ReviewColumn::UnitName, ReviewColumn::OriginalName, ReviewColumn::Latitude,
    ReviewColumn::Longitude, ReviewColumn::Note};
// In dialog units, so that the columns follow the font: a name of 19 characters, a coordinate,
// and room for a few notes.
constexpr std::array<int, reviewColumnCount> columnWidths = {140, 140, 50, 55, 250};

constexpr int checkedImage = 2;
constexpr int uncheckedImage = 1;

std::wstring Wide(const std::string& utf8) {
  return WideFromCodePage(CP_UTF8, utf8).value_or(std::wstring{});
}

void SetText(HWND window, const std::string& utf8) { ::SetWindowTextW(window, Wide(utf8).c_str()); }

// The names a multiple-choice file dialog leaves: one full path, or the folder followed by the
// names chosen in it, each ended by a NUL, the list by a second one.
std::vector<std::string> ChosenPaths(const std::wstring& buffer) {
  std::vector<std::wstring> parts;
  for (std::size_t at = 0; at < buffer.size() && buffer[at] != L'\0';) {
    std::size_t end = std::min(buffer.find(L'\0', at), buffer.size());
    parts.push_back(buffer.substr(at, end - at));
    at = end + 1;
  }
  std::vector<std::string> paths;
  if (parts.size() == 1) paths.push_back(SjisText(parts.front()));
  for (std::size_t i = 1; i < parts.size(); ++i) {
    const std::wstring& folder = parts.front();
    const bool separated = !folder.empty() && folder.back() == L'\\';
    paths.push_back(SjisText(folder + (separated ? L"" : L"\\") + parts[i]));
  }
  return paths;
}

// Only web pages are opened: the shell would run a program just as readily.
bool IsWebAddress(std::wstring_view url) {
  return url.starts_with(L"https://") || url.starts_with(L"http://");
}

void CopyInto(const std::wstring& text, wchar_t* buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return;
  std::size_t length = std::min(text.size(), static_cast<std::size_t>(capacity) - 1);
  text.copy(buffer, length);
  buffer[length] = L'\0';
}

}  // namespace

PointReviewWindow::PointReviewWindow(HINSTANCE instance, PointReview& review)
    : instance_(instance),
      review_(review),
      files_(MakeSystemFileSystem()),
      messages_(*this, ApplicationNameOf(ExecutablePath())),
      placements_{{{IDC_POINT_LIST, Placement::widens | Placement::deepens, {}},
                   {IDC_POINT_COUNT, Placement::widens | Placement::drops, {}},
                   {IDC_APPEND, Placement::drops, {}},
                   {IDC_APPEND_NOTE, Placement::widens | Placement::drops, {}},
                   {IDC_ADD_FILES, Placement::drops, {}},
                   {IDOK, Placement::moves | Placement::drops, {}},
                   {IDCANCEL, Placement::moves | Placement::drops, {}}}} {}

bool PointReviewWindow::Run(HWND owner) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&classes);
  return ::DialogBoxParamW(instance_, MAKEINTRESOURCEW(IDD_POINT_REVIEW), owner, &DialogProcedure,
                           reinterpret_cast<LPARAM>(this)) == IDOK;
}

int PointReviewWindow::Show(const std::string& text, const std::string& caption, unsigned style) {
  return ::MessageBoxW(window_, WideText(text).c_str(), WideText(caption).c_str(), style);
}

std::vector<std::string> PointReviewWindow::ChooseFiles(const FileDialogRequest& request) {
  // Room for the names of some thousands of files chosen at once.
  constexpr std::size_t bufferLength = std::size_t{1} << 20;
  std::optional<std::wstring> chosen =
      RunFileDialog(window_, request, OFN_ALLOWMULTISELECT | OFN_EXPLORER, bufferLength);
  if (!chosen) return {};
  return ChosenPaths(*chosen);
}

bool PointReviewWindow::OpenLink(const std::string& url) {
  std::wstring address = Wide(url);
  if (!IsWebAddress(address)) return false;
  // The handler of web addresses may be a shell extension, which needs COM on this thread.
  HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  // A value above 32 says the shell found a program for it.
  const bool opened = reinterpret_cast<INT_PTR>(::ShellExecuteW(
                          window_, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32;
  if (SUCCEEDED(com)) ::CoUninitialize();
  return opened;
}

INT_PTR CALLBACK PointReviewWindow::DialogProcedure(HWND window, UINT message, WPARAM wParam,
                                                    LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* self = reinterpret_cast<PointReviewWindow*>(lParam);
    ::SetWindowLongPtrW(window, DWLP_USER, lParam);
    self->window_ = window;
    self->list_ = ::GetDlgItem(window, IDC_POINT_LIST);
  }
  auto* self = reinterpret_cast<PointReviewWindow*>(::GetWindowLongPtrW(window, DWLP_USER));
  // Messages that come before WM_INITDIALOG keep the dialog manager's handling.
  if (self == nullptr) return FALSE;
  return self->HandleMessage(message, wParam, lParam);
}

INT_PTR PointReviewWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      // The dialog manager puts the focus on the first tab stop, the list.
      return TRUE;
    case WM_COMMAND: return OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_NOTIFY: {
      // The list hands over structures to fill in; the header is their first member.
      auto& header = *reinterpret_cast<NMHDR*>(lParam);
      if (header.hwndFrom != list_) return FALSE;
      ::SetWindowLongPtrW(window_, DWLP_MSGRESULT, OnListNotify(header));
      return TRUE;
    }
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) Lay(LOWORD(lParam), HIWORD(lParam));
      return TRUE;
    case WM_GETMINMAXINFO:
      // Asked for before WM_INITDIALOG too, when the template's size is not known yet.
      if (smallest_.x == 0) return FALSE;
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = smallest_;
      return TRUE;
    case WM_DROPFILES: OnDropFiles(reinterpret_cast<HDROP>(wParam)); return TRUE;
    default: return FALSE;
  }
}

void PointReviewWindow::OnInitDialog() {
  RECT client;
  ::GetClientRect(window_, &client);
  laidOut_ = {client.right, client.bottom};
  for (Placement& placement : placements_) {
    ::GetWindowRect(Control(placement.id), &placement.rect);
    ::MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&placement.rect), 2);
  }
  // The template's size is the smallest in which every control keeps its room.
  RECT frame;
  ::GetWindowRect(window_, &frame);
  smallest_ = {frame.right - frame.left, frame.bottom - frame.top};

  Guarded([this] {
    SetText(window_, PointReview::Title());
    SetText(Control(IDC_APPEND), PointReview::AppendLabel());
    SetText(Control(IDC_ADD_FILES), PointReview::AddFilesLabel());
    SetUpList();
  });
  Guarded([this] { Refresh(); });
}

void PointReviewWindow::SetUpList() {
  ::SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
                 LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  // The checks live in the review: a virtual list asks for them as it asks for the texts.
  ::SendMessageW(list_, LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
  for (int index = 0; index < reviewColumnCount; ++index) {
    const auto at = static_cast<std::size_t>(index);
    RECT width{0, 0, columnWidths[at], 0};
    ::MapDialogRect(window_, &width);
    std::wstring title = Wide(PointReview::ColumnTitle(columns[at]));
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    const bool coordinate =
        columns[at] == ReviewColumn::Latitude || columns[at] == ReviewColumn::Longitude;
    column.fmt = coordinate ? LVCFMT_RIGHT : LVCFMT_LEFT;
    column.cx = width.right;
    column.pszText = title.data();
    column.iSubItem = index;
    ::SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&column));
  }
}

bool PointReviewWindow::OnCommand(WORD id, WORD notification) {
  switch (id) {
    case IDOK:
      // Enter on the list comes as IDOK from the dialog manager: it opens the row's map.
      if (::GetFocus() == list_) {
        int focused = static_cast<int>(
            ::SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
        if (std::optional<std::size_t> row = Row(focused)) {
          Guarded([this, row] { review_.ShowOnMap(*this, *row); });
        }
      } else {
        // A disabled 書き込む can still be reached as the dialog's default command.
        Guarded([this] {
          if (review_.CanWrite()) ::EndDialog(window_, IDOK);
        });
      }
      return true;
    case IDCANCEL: ::EndDialog(window_, IDCANCEL); return true;
    case IDC_APPEND:
      if (notification != BN_CLICKED) return false;
      Act([this] {
        review_.SetAppending(::IsDlgButtonChecked(window_, IDC_APPEND) == BST_CHECKED);
      });
      return true;
    case IDC_ADD_FILES:
      if (notification != BN_CLICKED) return false;
      Act([this] { review_.AddFiles(*this); });
      return true;
    default: return false;
  }
}

LRESULT PointReviewWindow::OnListNotify(NMHDR& header) {
  switch (header.code) {
    case LVN_GETDISPINFOW:
      Guarded([this, &header] { ShowCell(reinterpret_cast<NMLVDISPINFOW&>(header)); });
      return 0;
    case NM_CUSTOMDRAW: {
      LRESULT result = CDRF_DODEFAULT;
      Guarded([&] { result = OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header)); });
      return result;
    }
    case NM_CLICK:
    case NM_DBLCLK: {
      const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
      OnClick(click, header.code == NM_DBLCLK);
      return 0;
    }
    case LVN_KEYDOWN:
      if (reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_SPACE) {
        Act([this] { ToggleSelectedRows(); });
      }
      return 0;
    case LVN_BEGINLABELEDITW: {
      // TRUE keeps the label from being edited.
      const LVITEMW& item = reinterpret_cast<const NMLVDISPINFOW&>(header).item;
      std::optional<std::size_t> row = Row(item.iItem);
      bool editable = false;
      Guarded([&] { editable = row && review_.CanRename(*row); });
      return editable ? FALSE : TRUE;
    }
    case LVN_ENDLABELEDITW: {
      const LVITEMW& item = reinterpret_cast<const NMLVDISPINFOW&>(header).item;
      std::optional<std::size_t> row = Row(item.iItem);
      // No text: the edit was cancelled, or left as it was.
      if (row && item.pszText != nullptr) {
        const wchar_t* text = item.pszText;
        Act([this, row, text] {
          // A name that does not convert (a lone surrogate) leaves the point as it was.
          if (std::optional<std::string> name = Utf8FromWide(text)) review_.Rename(*row, *name);
        });
      }
      // The review keeps the name, in the form the unit shows it; the list asks for it again.
      return FALSE;
    }
    case LVN_ODFINDITEMW:
      // Typing a name's first letters finds nothing: left unanswered, the list would take the
      // answer 0 and jump to the first row.
      return -1;
    default: return 0;
  }
}

void PointReviewWindow::ShowCell(NMLVDISPINFOW& info) {
  LVITEMW& item = info.item;
  std::optional<std::size_t> row = Row(item.iItem);
  if (!row) return;
  if ((item.mask & LVIF_TEXT) && item.iSubItem >= 0 && item.iSubItem < reviewColumnCount) {
    const ReviewColumn column = columns[static_cast<std::size_t>(item.iSubItem)];
    CopyInto(Wide(review_.Cell(*row, column)), item.pszText, item.cchTextMax);
  }
  if (item.mask & LVIF_STATE) {
    UINT image = 0;
    if (review_.HasCheckBox(*row)) image = review_.Checked(*row) ? checkedImage : uncheckedImage;
    item.state = (item.state & ~LVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(image);
  }
}

LRESULT PointReviewWindow::OnCustomDraw(NMLVCUSTOMDRAW& draw) {
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  std::optional<std::size_t> row = Row(static_cast<int>(draw.nmcd.dwItemSpec));
  if (row && !review_.HasCheckBox(*row)) draw.clrText = ::GetSysColor(COLOR_GRAYTEXT);
  return CDRF_DODEFAULT;
}

void PointReviewWindow::OnClick(const NMITEMACTIVATE& click, bool doubleClick) {
  LVHITTESTINFO hit{};
  hit.pt = click.ptAction;
  int item = static_cast<int>(
      ::SendMessageW(list_, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  std::optional<std::size_t> row = Row(item);
  if (!row) return;
  // A virtual list leaves its checks to its owner; a second click on a check box comes as a
  // double click and toggles it back.
  if (hit.flags & LVHT_ONITEMSTATEICON) {
    Act([this, row] {
      if (review_.HasCheckBox(*row)) review_.Toggle(*row);
    });
  } else if (doubleClick) {
    Guarded([this, row] { review_.ShowOnMap(*this, *row); });
  }
}

void PointReviewWindow::ToggleSelectedRows() {
  std::vector<std::size_t> rows;
  int item = -1;
  while ((item = static_cast<int>(::SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(item),
                                                 LVNI_SELECTED))) >= 0) {
    if (std::optional<std::size_t> row = Row(item)) rows.push_back(*row);
  }
  if (rows.empty()) {
    int focused = static_cast<int>(
        ::SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    if (std::optional<std::size_t> row = Row(focused)) rows.push_back(*row);
  }
  for (std::size_t row : rows) {
    if (review_.HasCheckBox(row)) review_.Toggle(row);
  }
}

void PointReviewWindow::OnDropFiles(HDROP drop) {
  std::vector<std::string> names;
  bool taken = Guarded([drop, &names] { names = DroppedNames(drop); });
  // Released before the review runs: its message boxes must not keep the drop alive.
  ::DragFinish(drop);
  if (taken) Act([this, &names] { review_.AddDroppedFiles(*this, names); });
}

void PointReviewWindow::Lay(int width, int height) {
  if (laidOut_.cx == 0) return;
  const int wider = std::max(0, width - static_cast<int>(laidOut_.cx));
  const int deeper = std::max(0, height - static_cast<int>(laidOut_.cy));
  HDWP moves = ::BeginDeferWindowPos(static_cast<int>(placements_.size()));
  for (const Placement& placement : placements_) {
    const RECT& rect = placement.rect;
    auto follows = [&placement](unsigned edge) { return (placement.follows & edge) != 0; };
    const int x = rect.left + (follows(Placement::moves) ? wider : 0);
    const int y = rect.top + (follows(Placement::drops) ? deeper : 0);
    const int w = rect.right - rect.left + (follows(Placement::widens) ? wider : 0);
    const int h = rect.bottom - rect.top + (follows(Placement::deepens) ? deeper : 0);
    if (moves != nullptr) {
      moves = ::DeferWindowPos(moves, Control(placement.id), nullptr, x, y, w, h,
                               SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  if (moves != nullptr) ::EndDeferWindowPos(moves);
  // The texts below the list move over what was drawn before.
  ::InvalidateRect(window_, nullptr, TRUE);
}

void PointReviewWindow::Refresh() {
  const int rows = static_cast<int>(std::min<std::size_t>(review_.RowCount(), INT_MAX));
  if (rows != shownRows_) {
    // Rows added or taken away shift the ones after them: a selection would name others.
    LVITEMW cleared{};
    cleared.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(&cleared));
    ::SendMessageW(list_, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows), LVSICF_NOSCROLL);
    shownRows_ = rows;
  }
  ::InvalidateRect(list_, nullptr, FALSE);
  SetText(Control(IDC_POINT_COUNT), review_.CountLine());
  SetText(Control(IDC_APPEND_NOTE), review_.AppendNote());
  ::EnableWindow(Control(IDC_APPEND), review_.AppendPossible());
  ::CheckDlgButton(window_, IDC_APPEND, review_.Appending() ? BST_CHECKED : BST_UNCHECKED);
  ::EnableWindow(Control(IDOK), review_.CanWrite());
}

std::optional<std::size_t> PointReviewWindow::Row(int item) const {
  // The list may ask while an action changes the rows, before they are shown again.
  if (item < 0 || item >= shownRows_ || static_cast<std::size_t>(item) >= review_.RowCount()) {
    return std::nullopt;
  }
  return static_cast<std::size_t>(item);
}

void PointReviewWindow::Act(const std::function<void()>& action) {
  Guarded(action);
  Guarded([this] { Refresh(); });
}

bool PointReviewWindow::Guarded(const std::function<void()>& handler) {
  return RunReportingErrors(messages_, *files_, handler);
}

}  // namespace pinmover
