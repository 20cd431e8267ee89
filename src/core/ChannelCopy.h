#pragma once

#include <optional>
#include <string_view>

#include "MemoryImage.h"

// What the three copy modes do to the image. Channels are 1-based, columns
// 0-based (column = channel - 1).

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

// A transmit frequency kept: `text` is a NormalizeFreq result. Stores rows
// 4..7 and clears the transmit-entry flag; the encode tone is left as it is.
void StoreTxFrequencyBytes(MemoryImage& image, int column, std::string_view text);

// The transmit frequency removed with its encode tone (rows 4..7, 10, 11 to
// 0xFF), and the transmit-entry flag set.
void ClearTxFrequencyBytes(MemoryImage& image, int column);
