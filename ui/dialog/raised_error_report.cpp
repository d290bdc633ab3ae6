#include "ui/dialog/raised_error_report.h"

#include <new>

#include "wording/problem_messages.h"

namespace pinmover {

bool RunReportingErrors(ApplicationMessages& messages, FileSystem& files,
                        const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const FileError& error) {
    const Problem failed{.kind = ProblemKind::FileFailed, .path = error.Path(), .cause = error.Cause()};
    for (const Message& message : ProblemMessages(failed, files)) messages.Show(message);
  } catch (const std::bad_alloc&) {
    messages.Show(OutOfMemoryMessage());
  }
  return false;
}

}  // namespace pinmover
