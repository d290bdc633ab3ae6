#pragma once

#include "formats/point_formats.h"
#include "formats/pmf/point_list_reader.h"
#include "unitfile/point_image.h"
#include "tests/fakes/fake_clock.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/recording_message_box.h"

namespace pinmover::testing {

// What a conversion runs on, with everything around it faked: an in-memory disk, a set clock
// and message boxes that record what they are told.
struct FakeConversionDesk {
  FakeFileSystem files;
  FakeClock clock;
  RecordingMessageBox boxes;
  ApplicationMessages messages{boxes, "pinmover"};
  PointListReader reader{files, messages};
  PointImage image{files, clock, messages};
  PointFormats formats{files, reader};
};

}  // namespace pinmover::testing
