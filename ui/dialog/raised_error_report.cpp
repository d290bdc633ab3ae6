#include "ui/dialog/raised_error_report.h"

#include <new>

#include "wording/file_error_texts.h"

namespace pinmover {

bool RunReportingErrors(ApplicationMessages& messages, FileSystem& files,
                        const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const FileError& error) {
    std::string fullPath = error.Path().empty() ? std::string{} : files.FullPath(error.Path());
    messages.Show(FileErrorReport(error.Cause(), fullPath), message_style::iconStop);
  } catch (const std::bad_alloc&) {
    messages.Show("ﾒﾓﾘが不足しています。",
                  message_style::systemModal | message_style::iconExclamation);
  }
  return false;
}

}  // namespace pinmover
