#include <windows.h>

#include "ui/win32/converter_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  pinmover::ConverterApp app;
  return app.Run(instance);
}
