#include "unitfile/voice_guidance_table.h"

#include "unitfile/point_file_layout.h"

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

std::optional<std::uint16_t> VoiceCodeOfNumber(std::int64_t number) {
  if (number >= minVoice && number <= maxVoice) {
    return voiceGuidanceTable[static_cast<std::size_t>(number)].code;
  }
  if (number > maxVoice && number <= voiceAttributeBits && (number & ~voiceAttributeBits) == 0) {
    return static_cast<std::uint16_t>(number);
  }
  return std::nullopt;
}

}  // namespace pinmover
