#include "platform/console.h"

namespace pinmover {

// POSIX terminals and arguments are UTF-8 already.
std::vector<std::string> Utf8Arguments(int argc, char** argv) { return {argv, argv + argc}; }

void UseUtf8Console() {}

void UseBinaryStandardOutput() {}

}  // namespace pinmover
