#pragma once

#include <array>
#include <string>
#include <string_view>

#include "MemoryImage.h"

// The three values the program remembers between runs, as decimal text.
inline constexpr std::string_view kLastModelValue = "LastModel";
inline constexpr std::string_view kLastFreqValue = "LastFreq";
inline constexpr std::string_view kLanguageValue = "language";

// Start-up: model code 58 whatever was remembered, the band code from the
// remembered "LastFreq" text (240 unless it starts with a number in 238..248),
// and English.
void ApplyStartupValues(MemoryImage& image, std::string_view lastFreq);

struct RememberedValue {
    std::string_view name;
    std::string text;
};
// What exit writes: "LastModel" and "LastFreq" from the image, "language"
// from the current LanguageIndex.
[[nodiscard]] std::array<RememberedValue, 3> ExitValues(const MemoryImage& image);
