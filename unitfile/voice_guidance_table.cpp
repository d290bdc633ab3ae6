#include "unitfile/voice_guidance_table.h"

namespace pinmover {

std::optional<int> FindVoiceEntry(std::string_view text) {
  for (std::size_t i = 0; i < voiceGuidanceTable.size(); ++i) {
    if (voiceGuidanceTable[i].text == text) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<int> FindVoiceCode(std::uint16_t code) {
  for (std::size_t i = 0; i < voiceGuidanceTable.size(); ++i) {
    if (voiceGuidanceTable[i].code == code) return static_cast<int>(i);
  }
  return std::nullopt;
}

}  // namespace pinmover
