#include "ui/dialog/file_dialog_filter.h"

#include <algorithm>
#include <vector>

#include "formats/pmf/pmf_format.h"
#include "formats/registry.h"
#include "platform/text_encoding.h"
#include "unitfile/point_file_layout.h"

namespace pinmover {

namespace {

std::string Entry(const std::string& label, const std::string& patterns) {
  return label + " (" + patterns + ")|" + patterns + "|";
}

constexpr const char* allFiles = "すべてのファイル (*.*)|*.*||";

std::string Patterns(const std::vector<std::string_view>& extensions) {
  std::string patterns;
  for (std::string_view extension : extensions) {
    patterns += (patterns.empty() ? "*." : ";*.") + std::string(extension);
  }
  return patterns;
}

}  // namespace

std::string InputFileFilter() {
  std::vector<std::string_view> mapFormats;
  for (const Format& format : Formats()) {
    if (!format.unitPoints) {
      mapFormats.insert(mapFormats.end(), format.extensions.begin(), format.extensions.end());
    }
  }
  return Entry("地点リスト", "*." + std::string(pointListExtension)) +
         Entry("地図アプリの地点", Patterns(mapFormats)) +
         Entry("ナビの地点ファイル", "*." + std::string(pointFileExtension)) +
         Entry("対応するすべてのファイル", Patterns(ReadExtensions())) + allFiles;
}

std::string OneTypeFilter(const std::string& label, const std::string& extension) {
  return Entry(label, "*." + extension) + allFiles;
}

std::optional<std::u16string> FileDialogFilter(std::string_view sjisFilter) {
  // The bars are replaced only after the conversion: 0x7C is also the second byte of some
  // Shift-JIS characters.
  std::optional<std::u16string> filter = SjisToUtf16(sjisFilter);
  if (filter) std::replace(filter->begin(), filter->end(), u'|', u'\0');
  return filter;
}

}  // namespace pinmover
