#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "MemoryImage.h"

// The option columns of the channel grid (5 W/N .. 10 BCL): the words the
// option editor offers and the bits a choice writes.
inline constexpr int kFirstOptionColumn = 5;
inline constexpr int kLastOptionColumn = 10;

// Entries of the option editor for grid column `gridColumn` (5..10), in the
// current language; empty for any other column.
[[nodiscard]] std::vector<std::string> OptionEntries(int gridColumn);

// The entry index (0..2) whose English or Chinese word is `text`, English
// compared without regard to case; nullopt when no entry of the column matches.
[[nodiscard]] std::optional<int> FindOptionEntry(int gridColumn, std::string_view text);

// Writes the bits of `choice` (compared with the current language's entries)
// into channel column `channelColumn`, read-modify-write: bits no option owns
// keep their values. A text that matches no entry counts as the "else" case
// (bit cleared; both BCL bits cleared).
void WriteOption(MemoryImage& image, int channelColumn, int gridColumn, const std::string& choice);
// The same for entry `entry` of the column's list (out of range: the "else" case).
void WriteOptionEntry(MemoryImage& image, int channelColumn, int gridColumn, int entry);
