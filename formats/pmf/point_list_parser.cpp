#include "formats/pmf/point_list_parser.h"

#include <cstring>
#include <string_view>

namespace pinmover {

bool PointListParser::Feed(std::span<const char> bytes) {
  if (state_ == State::ended) return false;
  // A NUL byte ends the text: nothing after it is looked at.
  const void* nul = std::memchr(bytes.data(), '\0', bytes.size());
  const char* end = nul ? static_cast<const char*>(nul) : bytes.data() + bytes.size();
  Scan(bytes.data(), end);
  if (nul) Finish();
  return state_ != State::ended;
}

void PointListParser::Finish() {
  if (state_ == State::recordLine) {
    // A carriage return just before the end of the text closes the line, as before a line feed.
    pendingReturn_ = false;
    EndRecord();
  }
  state_ = State::ended;
}

void PointListParser::Scan(const char* position, const char* end) {
  while (position < end) {
    switch (state_) {
      case State::lineStart:
        if (*position == '\n') {
          ++position;
        } else if (static_cast<unsigned char>(*position) == 0xFF) {
          state_ = State::ended;
        } else if (*position == '#' && count_ < recordsToSkip_) {
          // A skipped record line matters only where it ends, as any other line.
          ++count_;
          state_ = State::otherLine;
        } else if (*position == '#') {
          builder_.Begin(slots_[static_cast<std::size_t>(count_ - recordsToSkip_)], count_);
          state_ = State::recordLine;
        } else {
          state_ = State::otherLine;
        }
        break;
      case State::otherLine: {
        const void* lineFeed = std::memchr(position, '\n', static_cast<std::size_t>(end - position));
        if (!lineFeed) return;
        position = static_cast<const char*>(lineFeed) + 1;
        state_ = State::lineStart;
        break;
      }
      case State::recordLine:
        position = ScanRecordLine(position, end);
        break;
      case State::ended:
        return;
    }
  }
}

const char* PointListParser::ScanRecordLine(const char* position, const char* end) {
  auto lineFeed =
      static_cast<const char*>(std::memchr(position, '\n', static_cast<std::size_t>(end - position)));
  const char* stop = lineFeed ? lineFeed : end;
  if (pendingReturn_) {
    pendingReturn_ = false;
    if (stop != position) builder_.Take("\r");
  }
  std::string_view bytes(position, static_cast<std::size_t>(stop - position));
  // One carriage return before the line feed that ends the line belongs to no field; at the end
  // of a piece it waits for the next byte to tell.
  if (!bytes.empty() && bytes.back() == '\r') {
    bytes.remove_suffix(1);
    pendingReturn_ = !lineFeed;
  }
  builder_.Take(bytes);
  if (!lineFeed) return end;
  EndRecord();
  return lineFeed + 1;
}

void PointListParser::EndRecord() {
  builder_.End();
  ++count_;
  state_ = static_cast<std::size_t>(count_ - recordsToSkip_) == slots_.size() ? State::ended
                                                                               : State::lineStart;
}

}  // namespace pinmover
