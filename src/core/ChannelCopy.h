#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "MemoryImage.h"

// The copy modes and the whole-channel copy. The frequency and QT/DQT modes
// store through the cell editors' own TX frequency and tone routines.

inline constexpr std::uint8_t kCopyChannel = 0;    // whole record to another channel
inline constexpr std::uint8_t kCopyFrequency = 1;  // RX frequency to TX, editable
inline constexpr std::uint8_t kCopyTone = 2;       // decode QT/DQT to encode, from the list

// The destination typed in a channel copy: a run of decimal digits with
// optional surrounding blanks. Anything else (empty, signs, letters) is not a
// channel number.
[[nodiscard]] std::optional<int> ParseChannelNumber(std::string_view text);

// Copies all 16 bytes of `source` onto `destination`. False, and nothing
// written, when either lies outside 1..channelCount.
[[nodiscard]] bool CopyChannel(MemoryImage& image, int channelCount, int source, int destination);
