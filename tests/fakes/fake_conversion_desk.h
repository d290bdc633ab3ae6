#pragma once

#include "formats/pmf/point_list_reader.h"
#include "formats/registry.h"
#include "tests/fakes/fake_clock.h"
#include "tests/fakes/fake_file_system.h"
#include "unitfile/point_image.h"

namespace pinmover::testing {

// What a conversion runs on, with everything around it faked: an in-memory disk and a set clock.
struct FakeConversionDesk {
  FakeFileSystem files;
  FakeClock clock;
  PointListReader reader{files};
  PointImage image{files, clock};
  FormatContext formats{files, reader};
};

}  // namespace pinmover::testing
