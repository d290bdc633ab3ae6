#include "tests/ui/driver/ui_test.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace pinmover::testing {

namespace {

std::wstring& ExecutablePath() {
  static std::wstring path;
  return path;
}

// Three points, Shift-JIS, as a user's list holds them.
constexpr char pointList[] =
    "テスト用の地点リスト\r\n"
    "#001#a#b#13944432#3539310#c#d#e#f#東京都#港区#01#東京タワー#00#####展望台#####20261201093000##\r\n"
    "#002#a#b#13843390#3521460#c#d#e#f#静岡県#富士宮市#02#富士山頂#00#####山頂#####20261201093000##\r\n"
    "#003#a#b#13531330#3441140#c#d#e#f#大阪府#大阪市#03#大阪城#00#####天守閣#####20261201093000##\r\n";

void RemoveFolder(const std::wstring& folder) {
  WIN32_FIND_DATAW entry;
  HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring path = folder + L"\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveFolder(path);
      } else {
        ::DeleteFileW(path.c_str());
      }
    } while (::FindNextFileW(search, &entry));
    ::FindClose(search);
  }
  ::RemoveDirectoryW(folder.c_str());
}

}  // namespace

void SetExecutable(std::wstring path) { ExecutablePath() = std::move(path); }

const std::wstring& UiTest::Executable() { return ExecutablePath(); }

void UiTest::SetUp() {
  wchar_t temporary[MAX_PATH] = {};
  ::GetTempPathW(MAX_PATH, temporary);
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = test->name();
  folder = std::wstring(temporary) + L"pinmover-ui-" + std::wstring(name.begin(), name.end()) +
           L"-" + std::to_wstring(::GetCurrentProcessId());
  RemoveFolder(folder);
  ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr));
}

void UiTest::TearDown() { RemoveFolder(folder); }

std::wstring UiTest::InputFile() const {
  return WriteInFolder(L"tour.pmf", std::string_view(pointList, sizeof pointList - 1));
}

std::wstring UiTest::WriteInFolder(const std::wstring& name, std::string_view bytes) const {
  std::wstring path = InFolder(name);
  HANDLE file =
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(file);
  return path;
}

void ExpectMessageAndAnswer(ProgramUnderTest& program, const std::wstring& caption,
                            const std::wstring& text, int button) {
  ExpectMessageOverAndAnswer(program, program.MainDialog(), caption, text, button);
}

void ExpectMessageOverAndAnswer(ProgramUnderTest& program, HWND owner, const std::wstring& caption,
                                const std::wstring& text, int button) {
  HWND message = program.WaitForWindowOwnedBy(owner);
  ASSERT_NE(message, nullptr) << "no message " << ::testing::PrintToString(text);
  EXPECT_EQ(Text(message), caption);
  EXPECT_EQ(MessageText(message), text);
  program.Click(message, button);
  ASSERT_TRUE(program.WaitUntilClosed(message));
}

void WriteFromReview(ProgramUnderTest& program) {
  HWND review = program.WaitForOwnedWindow(reviewTitle);
  ASSERT_NE(review, nullptr) << "no point list window";
  program.Press(review, IDOK);
  ASSERT_TRUE(program.WaitUntilClosed(review));
}

std::string Gpx(int count, const std::vector<std::string>& names) {
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\">\n";
  for (int i = 0; i < count; ++i) {
    const auto at = static_cast<std::size_t>(i);
    const std::string name = at < names.size() ? names[at] : "P" + std::to_string(i + 1);
    text += "<wpt lat=\"" + std::to_string(35.0 + i % 1000 / 1000.0) + "\" lon=\"" +
            std::to_string(139.5 + i / 1000 / 1000.0) + "\"><name>" + name + "</name></wpt>\n";
  }
  return text + "</gpx>\n";
}

namespace {

// The file name field of the system's file dialog: a combo box in the Explorer-style dialog,
// an edit field in the older one.
HWND FileNameField(HWND fileDialog) {
  HWND field = ::GetDlgItem(fileDialog, 0x47C);  // cmb13
  return field != nullptr ? field : ::GetDlgItem(fileDialog, 0x480);  // edt1
}

}  // namespace

void Choose(ProgramUnderTest& program, const wchar_t* title, const std::wstring& name) {
  ChooseOver(program, program.MainDialog(), title, name);
}

void ChooseOver(ProgramUnderTest& program, HWND owner, const wchar_t* title,
                const std::wstring& name) {
  HWND fileDialog = program.WaitForWindowOwnedBy(owner, title);
  ASSERT_NE(fileDialog, nullptr) << "no file dialog titled as expected";
  HWND field = FileNameField(fileDialog);
  ASSERT_NE(field, nullptr);
  Type(field, name);
  program.Click(fileDialog, IDOK);
  ASSERT_TRUE(program.WaitUntilClosed(fileDialog));
}

void Cancel(ProgramUnderTest& program, const wchar_t* title) {
  HWND fileDialog = program.WaitForOwnedWindow(title);
  ASSERT_NE(fileDialog, nullptr) << "no file dialog titled as expected";
  program.Click(fileDialog, IDCANCEL);
  ASSERT_TRUE(program.WaitUntilClosed(fileDialog));
}

std::string UiTest::Sjis(const std::wstring& text) { return SjisFromWide(text).value_or(""); }

}  // namespace pinmover::testing
