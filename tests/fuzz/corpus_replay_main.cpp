// Feeds every file of the folders (or files) named on the command line to a fuzz target, once,
// so that the seeds and every input that once broke a property stay tested in ordinary builds.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> InputsOf(const std::filesystem::path& named) {
  std::vector<std::filesystem::path> inputs;
  if (std::filesystem::is_directory(named)) {
    for (const auto& entry : std::filesystem::directory_iterator(named)) {
      if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
  } else {
    inputs.push_back(named);
  }
  return inputs;
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t replayed = 0;
  for (int i = 1; i < argc; ++i) {
    for (const std::filesystem::path& input : InputsOf(argv[i])) {
      std::ifstream file(input, std::ios::binary);
      std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
      if (!file.good() && !file.eof()) {
        std::fprintf(stderr, "cannot read %s\n", input.c_str());
        return 1;
      }
      std::fprintf(stderr, "%s\n", input.c_str());
      LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
      ++replayed;
    }
  }
  std::fprintf(stderr, "replayed %zu inputs\n", replayed);
  // An empty or missing corpus would make the test pass without testing anything.
  return replayed == 0 ? 1 : 0;
}
