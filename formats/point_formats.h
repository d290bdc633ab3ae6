#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "formats/point_format.h"
#include "formats/pmf/point_list_reader.h"
#include "platform/file_system.h"

namespace pinmover {

inline constexpr std::string_view pmfExtension = "pmf";
inline constexpr std::string_view pointFileExtension = "pnt";

// Every format a point list can be read from, chosen by the file's extension in any letter case.
class PointFormats {
 public:
  PointFormats(FileSystem& files, PointListReader& pmfReader);

  // The format of path, or nothing when no format has its extension.
  PointFormat* ForPath(const std::string& path) const;
  // The extensions of the formats points are read from, in the order the user is shown them;
  // the list made for the unit first.
  std::vector<std::string_view> Extensions() const;

 private:
  struct Entry {
    std::string_view extension;
    std::shared_ptr<PointFormat> format;
    bool readable = true;  // false for a format that is only recognised to be refused
  };
  std::vector<Entry> entries_;
};

}  // namespace pinmover
