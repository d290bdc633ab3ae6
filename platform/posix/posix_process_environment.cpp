#include <unistd.h>

#include <climits>

#include "platform/process_environment.h"
#include "platform/text_encoding.h"

namespace pinmover {

std::string CurrentDirectory() {
  char buffer[PATH_MAX];
  if (::getcwd(buffer, sizeof buffer) == nullptr) return {};
  return Utf8ToSjis(buffer).value_or(std::string{});
}

}  // namespace pinmover
