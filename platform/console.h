#pragma once

#include <string>
#include <vector>

namespace pinmover {

// The program's arguments as UTF-8, whatever the system handed them over in.
std::vector<std::string> Utf8Arguments(int argc, char** argv);
// Makes the console show UTF-8 output as text.
void UseUtf8Console();
// Makes standard output pass a file's bytes as they are: no line end is changed on the way.
void UseBinaryStandardOutput();

}  // namespace pinmover
