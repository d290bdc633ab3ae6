#pragma once

#include <windows.h>

#include <string>

namespace pinmover::testing {

// pinmover.exe started as a user would, with the means to find its windows and act on them.
// Every wait has a deadline; a program still running at the end is closed, or ended.
class ProgramUnderTest {
 public:
  ProgramUnderTest(const std::wstring& executable, const std::wstring& argumentText,
                   const std::wstring& currentFolder);
  ~ProgramUnderTest();
  ProgramUnderTest(const ProgramUnderTest&) = delete;
  ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

  // The main dialog, once it is shown; nullptr when it did not come.
  HWND MainDialog();
  // A visible dialog or message box owned by the main dialog, with this caption if given.
  HWND WaitForOwnedWindow(const std::wstring& caption = {});
  // The same for a window of the program's that owner owns.
  HWND WaitForWindowOwnedBy(HWND owner, const std::wstring& caption = {});
  // Once the program has handled what it was sent, the window it shows over the main dialog,
  // or nullptr. Messages sent to a thread overtake the ones posted to it, so this does not
  // wait for a posted command; it serves after a sent one or a closed box.
  HWND FindOwned();
  bool WaitUntilClosed(HWND window);
  bool WaitForExit();
  // The window that has the keyboard focus in the program's user-interface thread.
  HWND Focus();

  HWND Control(int id) { return ::GetDlgItem(MainDialog(), id); }
  HANDLE Process() const noexcept { return process_.hProcess; }
  // A command the way a click makes it; posted, so a modal box it opens does not block us.
  void Click(HWND dialog, int id);
  // The same, when the command opens nothing: returns once the program has handled it.
  void ClickAndWait(HWND dialog, int id);
  // A check box clicked: it ticks or unticks itself and tells the dialog; returns once the
  // program has handled it.
  void Toggle(HWND dialog, int id);
  // A click with the mouse as a dialog sees it: the button takes the focus, then its command
  // comes (posted, as with Click).
  void Press(HWND dialog, int id);

 private:
  HWND FindWindowOf(HWND owner, const std::wstring& caption);

  PROCESS_INFORMATION process_{};
  HWND mainDialog_ = nullptr;
};

// Texts of any window of any process, through messages the system carries across.
std::wstring Text(HWND window);
void Type(HWND field, const std::wstring& text);
std::wstring MessageText(HWND messageBox);
// Whether the whole text of an edit field is selected.
bool WholeTextSelected(HWND field);

}  // namespace pinmover::testing
