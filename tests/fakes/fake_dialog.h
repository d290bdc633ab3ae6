#pragma once

#include "ui/dialog/converter_dialog.h"
#include "tests/fakes/fake_clock.h"
#include "tests/fakes/fake_dialog_controls.h"
#include "tests/fakes/fake_file_system.h"
#include "tests/fakes/recording_message_box.h"

namespace pinmover::testing {

// The converter dialog with everything around it faked: an in-memory disk, a set clock, and
// controls and message boxes that record what they are told.
struct FakeDialog {
  FakeFileSystem files;
  FakeClock clock;
  RecordingMessageBox boxes;
  ApplicationMessages messages{boxes, "pinmover"};
  FakeDialogControls controls;
  ConverterDialog dialog{controls, files, clock, messages};
};

}  // namespace pinmover::testing
