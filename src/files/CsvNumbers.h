#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Numbers in channel lists as spreadsheets and other tools write them.

// `field` without surrounding blanks; with `decimalComma` (files divided by
// ';' or tab) a single ',' in a text without '.' becomes the decimal point.
[[nodiscard]] std::string DecimalPointText(std::string_view field, bool decimalComma);

// Decimal MHz in units of 1e-9 MHz ("145", "146.520000"; digits beyond the
// ninth decimal are ignored); nullopt for anything else.
[[nodiscard]] std::optional<std::int64_t> NanoMHz(std::string_view text);
// 1e-9 MHz units as a frequency text with five decimals, rounded to 10 Hz
// the way the frequency editor rounds ("146.52000"); the value must not be negative.
[[nodiscard]] std::string NanoMHzText(std::int64_t nanoMHz);

// A CTCSS tone written as a number ("67", "88.50", "100") in the tone list's
// form ("67.0", "88.5", "100.0"); any other text unchanged.
[[nodiscard]] std::string ToneListForm(std::string_view text);

// The frequency text of `text` when it lies in [lowerMHz, upperMHz] and is
// exactly representable in the stored form (at most five decimals that are
// not zero); nullopt otherwise.
[[nodiscard]] std::optional<std::string> ExactFreqText(std::string_view text, std::int16_t lowerMHz,
                                                       std::int16_t upperMHz);
