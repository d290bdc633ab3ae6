#pragma once

#include <windows.h>

namespace pinmover {

// The program: the common controls, then the main dialog until the user closes it.
class ConverterApp {
 public:
  int Run(HINSTANCE instance);
};

}  // namespace pinmover
