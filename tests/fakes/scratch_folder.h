#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace pinmover::testing {

// A folder of one test's own on the real disk, removed with all it holds when the test ends,
// read-only files included.
class ScratchFolder {
 public:
  ScratchFolder()
      : root_(std::filesystem::temp_directory_path() /
              ("pinmover-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
               "-" + std::to_string(std::random_device{}()))) {
    std::filesystem::create_directories(root_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root_, ignored)) {
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::remove_all(root_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Root() const { return root_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return root_ / name; }

  void Put(const std::filesystem::path& name, const std::string& content) const {
    std::ofstream(root_ / name, std::ios::binary) << content;
  }
  std::string Get(const std::filesystem::path& name) const {
    std::ifstream in(root_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  std::size_t EntryCount() const {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator(root_), {}));
  }

 private:
  std::filesystem::path root_;
};

}  // namespace pinmover::testing
