// The path operations on arbitrary bytes: the parts of a path join back into it, every part is
// what its rule says, the extension test agrees with the split, and the path-text cleaning
// leaves one token without delimiters.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "text/path_operations.h"
#include "tests/fakes/fake_dialog.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using namespace pinmover;
using namespace pinmover::testing;

constexpr std::string_view pathTextDelimiters{"\",\t\n"};

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::string SwappedCase(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    } else if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return text;
}

void CheckSplitAndJoin(const std::string& path) {
  const PathParts parts = SplitPath(path);
  PINMOVER_FUZZ_CHECK(JoinPath(parts.drive, parts.directory, parts.baseName, parts.extension) ==
                      path);
  PINMOVER_FUZZ_CHECK(parts.drive.empty() || (parts.drive.size() == 2 && parts.drive[1] == ':'));
  PINMOVER_FUZZ_CHECK(parts.directory.empty() || IsSeparator(parts.directory.back()));
  PINMOVER_FUZZ_CHECK(parts.extension.empty() || parts.extension.front() == '.');
  // The file name holds no separator and no later dot: after separators of its own, it comes
  // apart the same way.
  const PathParts name = SplitPath("//" + parts.baseName + parts.extension);
  PINMOVER_FUZZ_CHECK(name.directory == "//");
  PINMOVER_FUZZ_CHECK(name.baseName == parts.baseName && name.extension == parts.extension);
}

void CheckExtensionTest(const std::string& path) {
  const std::string extension = SplitPath(path).extension;
  if (!extension.empty()) {
    PINMOVER_FUZZ_CHECK(ExtensionMatches(path, extension.substr(1)));
    PINMOVER_FUZZ_CHECK(ExtensionMatches(path, SwappedCase(extension.substr(1))));
  }
  const bool pointList = ExtensionMatches(path, "pmf");
  PINMOVER_FUZZ_CHECK(pointList == ExtensionMatches(path, "PmF"));
  PINMOVER_FUZZ_CHECK(!pointList || extension.size() == 4);
  PINMOVER_FUZZ_CHECK(!pointList || path.ends_with(extension));
}

void CheckStripPathText(const std::string& text) {
  const std::string token = StripPathText(text);
  PINMOVER_FUZZ_CHECK(token.find_first_of(pathTextDelimiters) == std::string::npos);
  PINMOVER_FUZZ_CHECK(text.find(token) != std::string::npos);
  PINMOVER_FUZZ_CHECK(token.empty() ==
                      (text.find_first_not_of(pathTextDelimiters) == std::string::npos));
  if (text.find_first_of(pathTextDelimiters) == std::string::npos) {
    PINMOVER_FUZZ_CHECK(token == text);
  }
}

void CheckDerivedOutput(const std::string& source) {
  static FakeDialog desk;
  desk.controls.calls.clear();  // the field texts it records would pile up over a long run
  desk.dialog.outputExtension = "pnt";
  desk.dialog.DeriveOutputPath(source);
  const PathParts from = SplitPath(source);
  const PathParts derived = SplitPath(desk.dialog.outputPath);
  PINMOVER_FUZZ_CHECK(derived.drive == from.drive && derived.directory == from.directory);
  // A list the run accepts always gets an output path the run accepts.
  if (!from.extension.empty()) {
    PINMOVER_FUZZ_CHECK(derived.baseName == from.baseName);
    PINMOVER_FUZZ_CHECK(ExtensionMatches(desk.dialog.outputPath, "pnt"));
  }
  const std::string folder = JoinPath(from.drive, from.directory, "", "");
  PINMOVER_FUZZ_CHECK(desk.dialog.inputFolder == desk.dialog.outputFolder);
  PINMOVER_FUZZ_CHECK(desk.dialog.inputFolder == (folder.size() <= maxFolderBytes ? folder : ""));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path(reinterpret_cast<const char*>(data), size);
  CheckSplitAndJoin(path);
  CheckExtensionTest(path);
  CheckStripPathText(path);
  CheckDerivedOutput(path);
  return 0;
}
