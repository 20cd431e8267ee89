#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "MemoryImage.h"

// QT/DQT settings: "None" (current language), CTCSS "88.5", DCS "D023N"/"D023I".
inline constexpr std::int16_t kFullToneListLast = 260;
inline constexpr std::int16_t kReducedToneListLast = 38;

[[nodiscard]] std::vector<std::string> FullToneList();     // 261 entries
[[nodiscard]] std::vector<std::string> ReducedToneList();  // 39 entries
// The list whose last index is `toneListLast` (38 -> reduced, else full).
[[nodiscard]] std::vector<std::string> ToneList(std::int16_t toneListLast);

// Always an entry of the list in force; anything it cannot name is entry 0.
[[nodiscard]] std::string ToneToText(std::uint8_t low, std::uint8_t high, std::int16_t toneListLast);
// Text of the decode (rowOffset 0) or encode (rowOffset 2) setting of a channel.
[[nodiscard]] std::string ChannelToneText(const MemoryImage& image, int column, int rowOffset,
                                          std::int16_t toneListLast);

// `text` must be an entry of the list in force. Low byte -> row 8+rowOffset,
// high byte -> row 9+rowOffset.
void StoreTone(MemoryImage& image, int column, std::string_view text, int rowOffset);
