#pragma once

#include "formats/point_format.h"

namespace pinmover {

// A compressed KML file: refused with the way to a file that can be read.
class KmzFormat : public PointFormat {
 public:
  ReadResult Read(const std::string&, PointSink&) override {
    return ReadResult{ReadFailure{ReadFailure::Kind::CompressedKml, FileErrorCause::None, 0, 0, {}}};
  }
};

}  // namespace pinmover
