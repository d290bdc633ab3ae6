#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace pinmover {

struct VoiceGuidanceEntry {
  std::string_view text;  // Shift-JIS, as the voice list shows it
  std::uint16_t code;     // bits 5 to 9 carry the voice number
};

// The voice list in the order the user sees it: silent first, though its code is the highest.
inline constexpr std::array<VoiceGuidanceEntry, 17> voiceGuidanceTable{{
    {"音声無し", 0x03E0},
    {"ファンファーレ", 0x0000},
    {"チャイム", 0x0020},
    {"サイレン", 0x0040},
    {"アラーム", 0x0060},
    {"怪獣", 0x0080},
    {"まもなく登録地点です", 0x00A0},
    {"まもなく予定の地点です", 0x00C0},
    {"まもなく集合地点です", 0x00E0},
    {"まもなく設定ポイントです", 0x0100},
    {"まもなく休憩地点です", 0x0120},
    {"まもなくミステリー地点です", 0x0140},
    {"まもなく秘密の地点です", 0x0160},
    {"まもなく友人宅です", 0x0180},
    {"まもなく恋人宅です", 0x01A0},
    {"まもなくおすすめ地点です", 0x01C0},
    {"まもなく危険地点です", 0x01E0},
}};

// The entries' numbers, as the command line takes them.
inline constexpr int minVoice = 0;
inline constexpr int maxVoice = static_cast<int>(voiceGuidanceTable.size()) - 1;

// The index of the entry whose text is exactly text, if there is one.
std::optional<int> FindVoiceEntry(std::string_view text);
// The index of the entry with this code, if there is one.
std::optional<int> FindVoiceCode(std::uint16_t code);
// The code a voice number as export writes it stands for: an entry's number, or else a code
// itself (one with no entry; a multiple of 32 up to 0x3E0, which no entry's number can be).
std::optional<std::uint16_t> VoiceCodeOfNumber(std::int64_t number);

}  // namespace pinmover
