#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace pinmover {

// Follows a document byte by byte, as it is handed to XmlLite, to know whether it stands inside
// markup (a tag, a comment, a processing instruction) and since which byte. Text and CDATA
// sections are no markup: they may be of any length, as expat reads them.
class MarkupStretch {
 public:
  void Follow(std::string_view bytes, std::uint64_t offset);
  // Where the markup that the last byte followed stands in began, if it does.
  std::optional<std::uint64_t> OpenSince() const {
    return state_ == State::Text || state_ == State::CData ? std::nullopt : std::optional(start_);
  }

 private:
  enum class State { Text, Tag, Comment, CData };

  void Step(char byte, std::uint64_t at);

  State state_ = State::Text;
  std::uint64_t start_ = 0;
  std::uint64_t opened_ = 0;  // bytes of the tag so far, to tell "<!--" and "<![CDATA[" apart
  char quote_ = 0;            // the quote of an attribute value the tag stands in
  std::uint32_t last_ = 0;    // the last bytes, to find "-->" and "]]>"
};

}  // namespace pinmover
