#include <gtest/gtest.h>

#include "ui/dialog/application_messages.h"
#include "tests/fakes/recording_message_box.h"

namespace pinmover {
namespace {

using testing::RecordingMessageBox;

TEST(ApplicationMessages, CaptionIsTheApplicationName) {
  RecordingMessageBox boxes;
  ApplicationMessages messages(boxes, "pinmover");
  messages.Show("text", message_style::iconStop);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].caption, "pinmover");
  EXPECT_EQ(boxes.shown[0].style, message_style::iconStop);
}

TEST(ApplicationMessages, OkWithoutIconGetsTheExclamationIcon) {
  RecordingMessageBox boxes;
  ApplicationMessages messages(boxes, "app");
  messages.Show("a");
  messages.Show("b", message_style::ok | message_style::systemModal);
  messages.Show("c", 0x0001 /* OK and cancel */);
  EXPECT_EQ(boxes.shown[0].style, message_style::iconExclamation);
  EXPECT_EQ(boxes.shown[1].style, message_style::iconExclamation | message_style::systemModal);
  EXPECT_EQ(boxes.shown[2].style, 0x0001u);
}

}  // namespace
}  // namespace pinmover
