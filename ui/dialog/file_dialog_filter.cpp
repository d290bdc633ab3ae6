#include "ui/dialog/file_dialog_filter.h"

#include <algorithm>

#include "platform/text_encoding.h"

namespace pinmover {

std::optional<std::u16string> FileDialogFilter(std::string_view sjisFilter) {
  // The bars are replaced only after the conversion: 0x7C is also the second byte of some
  // Shift-JIS characters.
  std::optional<std::u16string> filter = SjisToUtf16(sjisFilter);
  if (filter) std::replace(filter->begin(), filter->end(), u'|', u'\0');
  return filter;
}

}  // namespace pinmover
