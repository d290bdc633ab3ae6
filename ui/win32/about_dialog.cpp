#include "ui/win32/about_dialog.h"

#include "ui/resource_ids.h"

namespace pinmover {

void AboutDialog::Run(HWND owner) {
  ::DialogBoxParamW(instance_, MAKEINTRESOURCEW(IDD_ABOUT), owner, &DialogProcedure, 0);
}

INT_PTR CALLBACK AboutDialog::DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message != WM_COMMAND) return FALSE;
  WORD id = LOWORD(wParam);
  if (id != IDOK && id != IDCANCEL) return FALSE;
  ::EndDialog(window, id);
  return TRUE;
}

}  // namespace pinmover
