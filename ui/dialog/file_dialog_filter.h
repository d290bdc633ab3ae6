#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pinmover {

// A file dialog filter of label|pattern pairs ending in || (Shift-JIS), as the system's file
// dialogs take it: UTF-16 with a NUL in place of every bar. Nothing when it does not convert.
std::optional<std::u16string> FileDialogFilter(std::string_view sjisFilter);

}  // namespace pinmover
