#pragma once

#include <gtest/gtest.h>

#include <string>

namespace pinmover::testing {

// Each test gets a folder of its own in Wine's temporary folder, the program's current folder.
class UiTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  static const std::wstring& Executable();
  std::wstring InFolder(const std::wstring& name) const { return folder + L"\\" + name; }
  // A point list of three points with Japanese names, written as tour.pmf in the folder.
  std::wstring InputFile() const;
  static std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }
  static std::string Sjis(const std::wstring& text);

  std::wstring folder;
};

// The program under test, as the driver's command line names it.
void SetExecutable(std::wstring path);

}  // namespace pinmover::testing
