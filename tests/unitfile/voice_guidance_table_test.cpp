#include <gtest/gtest.h>

#include "unitfile/voice_guidance_table.h"

namespace pinmover {
namespace {

TEST(VoiceGuidanceTable, SilentFirstThenVoicesZeroToFifteen) {
  ASSERT_EQ(voiceGuidanceTable.size(), 17u);
  EXPECT_EQ(voiceGuidanceTable[0].text, "音声無し");
  EXPECT_EQ(voiceGuidanceTable[0].code, 31 * 32);
  for (std::size_t k = 1; k < voiceGuidanceTable.size(); ++k) {
    EXPECT_EQ(voiceGuidanceTable[k].code, (k - 1) * 32) << k;
  }
  EXPECT_EQ(voiceGuidanceTable[2].text, "チャイム");
  EXPECT_EQ(voiceGuidanceTable[16].text, "まもなく危険地点です");
}

TEST(VoiceGuidanceTable, FindsEntriesByTheirExactText) {
  EXPECT_EQ(FindVoiceEntry("怪獣"), 5);
  EXPECT_EQ(FindVoiceEntry("まもなく恋人宅です"), 14);
  EXPECT_EQ(FindVoiceEntry("怪獣 "), std::nullopt);
  EXPECT_EQ(FindVoiceEntry(""), std::nullopt);
}

}  // namespace
}  // namespace pinmover
