#include "tests/ui/driver/program_under_test.h"

#include <vector>

namespace pinmover::testing {

namespace {

constexpr DWORD deadlineMs = 15000;
constexpr DWORD pollMs = 20;
constexpr UINT messageTimeoutMs = 5000;

template <class Condition>
bool WaitUntil(Condition condition) {
  ULONGLONG deadline = ::GetTickCount64() + deadlineMs;
  for (;;) {
    if (condition()) return true;
    if (::GetTickCount64() > deadline) return false;
    ::Sleep(pollMs);
  }
}

std::wstring ClassName(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return name;
}

struct Search {
  DWORD processId;
  HWND owner;
  std::wstring caption;
  HWND found = nullptr;
};

BOOL CALLBACK Inspect(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  if (processId != search->processId || !::IsWindowVisible(window)) return TRUE;
  if (ClassName(window) != L"#32770" || ::GetWindow(window, GW_OWNER) != search->owner) return TRUE;
  if (!search->caption.empty() && Text(window) != search->caption) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

ProgramUnderTest::ProgramUnderTest(const std::wstring& executable,
                                   const std::wstring& argumentText,
                                   const std::wstring& currentFolder) {
  std::wstring commandLine = L"\"" + executable + L"\"";
  if (!argumentText.empty()) commandLine += L" " + argumentText;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!::CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, currentFolder.c_str(), &startup, &process_)) {
    process_ = {};
  }
}

ProgramUnderTest::~ProgramUnderTest() {
  if (process_.hProcess == nullptr) return;
  if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    if (mainDialog_ != nullptr) {
      // A window still open over the dialog goes first: the dialog cannot end under it.
      if (HWND owned = FindWindowOf(mainDialog_, {})) {
        ::PostMessageW(owned, WM_COMMAND, IDCANCEL, 0);
      }
      ::PostMessageW(mainDialog_, WM_COMMAND, IDCANCEL, 0);
    }
    if (::WaitForSingleObject(process_.hProcess, deadlineMs) == WAIT_TIMEOUT) {
      ::TerminateProcess(process_.hProcess, 1);
    }
  }
  ::CloseHandle(process_.hThread);
  ::CloseHandle(process_.hProcess);
}

HWND ProgramUnderTest::FindWindowOf(HWND owner, const std::wstring& caption) {
  Search search{process_.dwProcessId, owner, caption};
  ::EnumWindows(&Inspect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ProgramUnderTest::MainDialog() {
  if (mainDialog_ != nullptr || process_.hProcess == nullptr) return mainDialog_;
  WaitUntil([this] { return (mainDialog_ = FindWindowOf(nullptr, {})) != nullptr; });
  return mainDialog_;
}

HWND ProgramUnderTest::WaitForOwnedWindow(const std::wstring& caption) {
  return WaitForWindowOwnedBy(MainDialog(), caption);
}

HWND ProgramUnderTest::WaitForWindowOwnedBy(HWND owner, const std::wstring& caption) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindWindowOf(owner, caption)) != nullptr; });
  return found;
}

HWND ProgramUnderTest::FindOwned() {
  HWND owner = MainDialog();
  // A box the program opens exists before its modal loop answers this message.
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(owner, WM_NULL, 0, 0, SMTO_NORMAL, messageTimeoutMs, &result);
  return FindWindowOf(owner, {});
}

bool ProgramUnderTest::WaitUntilClosed(HWND window) {
  return WaitUntil([window] { return !::IsWindow(window); });
}

bool ProgramUnderTest::WaitForExit() {
  return ::WaitForSingleObject(process_.hProcess, deadlineMs) == WAIT_OBJECT_0;
}

HWND ProgramUnderTest::Focus() {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!::GetGUIThreadInfo(process_.dwThreadId, &info)) return nullptr;
  return info.hwndFocus;
}

void ProgramUnderTest::Click(HWND dialog, int id) {
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void ProgramUnderTest::ClickAndWait(HWND dialog, int id) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                        reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)), SMTO_NORMAL,
                        messageTimeoutMs, &result);
}

void ProgramUnderTest::Toggle(HWND dialog, int id) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0, SMTO_NORMAL, messageTimeoutMs,
                        &result);
}

void ProgramUnderTest::Press(HWND dialog, int id) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(dialog, id)),
                        TRUE, SMTO_NORMAL, messageTimeoutMs, &result);
  Click(dialog, id);
}

std::wstring Text(HWND window) {
  DWORD_PTR length = 0;
  if (!::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, messageTimeoutMs,
                             &length)) {
    return L"(no answer)";
  }
  std::vector<wchar_t> text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  ::SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_NORMAL, messageTimeoutMs, &copied);
  return std::wstring(text.data(), copied);
}

void Type(HWND field, const std::wstring& text) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL,
                        messageTimeoutMs, &result);
}

std::wstring MessageText(HWND messageBox) {
  // The text of a message box is its static control 0xFFFF.
  return Text(::GetDlgItem(messageBox, 0xFFFF));
}

bool WholeTextSelected(HWND field) {
  DWORD_PTR selection = 0;
  ::SendMessageTimeoutW(field, EM_GETSEL, 0, 0, SMTO_NORMAL, messageTimeoutMs, &selection);
  return LOWORD(selection) == 0 && HIWORD(selection) == Text(field).size();
}

}  // namespace pinmover::testing
