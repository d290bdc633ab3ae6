#include <windows.h>

#include "platform/system_services.h"

namespace pinmover {

namespace {

class Win32Clock : public Clock {
 public:
  LocalDateTime Now() override {
    SYSTEMTIME local{};
    ::GetLocalTime(&local);
    return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
  }
};

}  // namespace

std::unique_ptr<Clock> MakeSystemClock() { return std::make_unique<Win32Clock>(); }

}  // namespace pinmover
