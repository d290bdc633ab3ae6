#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "problem/problem.h"

namespace pinmover {

// A conversion's reports gathered for one message box: the first entries kept, the rest only
// counted, so that however many a file gives, they take no more memory.
class ReportListing : public ProblemSink {
 public:
  void Report(const Problem& report) override;

  bool Empty() const { return count_ == 0; }
  // The message box's text, Shift-JIS; a character it cannot hold shows as '?'.
  std::string Text() const;

 private:
  std::vector<std::string> entries_;  // Shift-JIS
  std::uint64_t count_ = 0;
};

}  // namespace pinmover
