#pragma once

#include "formats/point_format.h"
#include "formats/pmf/point_list_reader.h"

namespace pinmover {

// A list made for the unit: its points pass as the reader gives them. The reader tells the user
// itself why a list could not be opened, as it always has.
class PmfFormat : public PointFormat {
 public:
  PmfFormat(FileSystem& files, PointListReader& reader) : files_(files), reader_(reader) {}
  ReadResult Read(const std::string& path, PointSink& sink) override;

 private:
  bool HoldsMoreRecords(const std::string& path);

  FileSystem& files_;
  PointListReader& reader_;
};

}  // namespace pinmover
