#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "MemoryImage.h"

// Frequencies: 8 packed BCD digits in units of 10 Hz at rows base+3 (most
// significant) .. base of a channel column; base 0 = RX, 4 = TX.

// "146.52000"; non-digit nibbles end the number, four 0xFF bytes give "0.00000".
[[nodiscard]] std::string FreqToText(const MemoryImage& image, int column, int baseRow);
// The same value in 10 Hz units (0 for no leading digits).
[[nodiscard]] std::int64_t FreqTo10Hz(const MemoryImage& image, int column, int baseRow);

struct NormalizedFreq {
    std::string text;         // always inside [lower, upper] MHz, on the raster
    bool outOfRange = false;  // caller shows "Frequency is out of range." before storing
};
// Typed text -> stored frequency text: range check, then snap to 5 / 6.25 kHz.
[[nodiscard]] NormalizedFreq NormalizeFreq(std::string_view typed, std::int16_t lowerMHz,
                                           std::int16_t upperMHz);

// The line that follows "Frequency is out of range.": the band's limits and
// the value stored instead, "136 - 174 MHz: 173.99500".
[[nodiscard]] std::string OutOfRangeDetail(std::int16_t lowerMHz, std::int16_t upperMHz,
                                           std::string_view stored);

// Writes the four bytes of `text` (a NormalizeFreq or FreqToText result).
void StoreFreq(MemoryImage& image, int column, int baseRow, std::string_view text);
