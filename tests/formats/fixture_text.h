#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace pinmover::testing {

// A file of tests/formats/fixtures, whole.
inline std::string FixtureText(const std::string& name) {
  std::ifstream file(std::string(PINMOVER_FIXTURES) + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

}  // namespace pinmover::testing
