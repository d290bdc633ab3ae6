#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pinmover {

inline constexpr unsigned openDialogFlags = 0x0006;  // hide read-only, overwrite prompt
// Several files at once, in the dialog that lists them with their full names.
inline constexpr unsigned severalFilesFlags = openDialogFlags | 0x00080200;

// The filter of the dialogs that choose lists to read: the list made for the unit first, as it
// always was, then the map apps' files, the unit's own point files, and all of them.
std::string InputFileFilter();
// The filter of a dialog that chooses one kind of file.
std::string OneTypeFilter(const std::string& label, const std::string& extension);

// A file dialog filter of label|pattern pairs ending in || (Shift-JIS), as the system's file
// dialogs take it: UTF-16 with a NUL in place of every bar. Nothing when it does not convert.
std::optional<std::u16string> FileDialogFilter(std::string_view sjisFilter);

}  // namespace pinmover
