#include "ui/dialog/report_listing.h"

#include <string_view>

#include "text/utf8.h"
#include "wording/conversion_messages.h"
#include "wording/point_problem_text.h"
#include "wording/sjis_display_text.h"

namespace pinmover {

namespace {

// Enough of a name to recognise it by; a whole long one would stretch the box past the screen.
constexpr std::size_t maxShownNameCharacters = 30;
constexpr std::size_t maxShownReplacedCharacters = 10;

std::string Shortened(std::string_view utf8, std::size_t maxCharacters) {
  std::size_t at = 0;
  for (std::size_t taken = 0; at < utf8.size(); ++taken) {
    if (taken == maxCharacters) {
      return std::string(utf8.substr(0, at)) + reinterpret_cast<const char*>(u8"…");
    }
    at += DecodeUtf8At(utf8, at).length;
  }
  return std::string(utf8);
}

}  // namespace

void ReportListing::Report(const Problem& report) {
  ++count_;
  if (entries_.size() == maxListedEntries) return;
  Problem shown = report;
  shown.name = Shortened(report.name, maxShownNameCharacters);
  if (report.kind == ProblemKind::CharactersReplaced) {
    shown.detail = Shortened(report.detail, maxShownReplacedCharacters);
  }
  entries_.push_back(SjisDisplayText(PointProblemText(shown)));
}

std::string ReportListing::Text() const {
  return "変換の際に次の " + std::to_string(count_) + " 件がありました。\n\n" +
         ListedEntries(entries_, count_);
}

}  // namespace pinmover
