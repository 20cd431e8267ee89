#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "AppState.h"

// Models (row 11, column 128) and bands (row 10, column 128).
inline constexpr std::uint8_t kFirstModelCode = 56;
inline constexpr std::uint8_t kDefaultModelCode = 58;
inline constexpr std::uint8_t kFirstBandCode = 238;
inline constexpr std::uint8_t kLastBandCode = 248;
inline constexpr std::uint8_t kDefaultBandCode = 240;
inline constexpr std::uint8_t kSmallBandCode = 248;  // 8 channels, reduced tone list

struct Band {
    std::uint8_t code;
    std::string_view text;  // literal, same in both languages
    std::int16_t lowerMHz;
    std::int16_t upperMHz;
};

// The eleven bands in list order (index = code - 238).
[[nodiscard]] const std::array<Band, 11>& Bands();
// The band of a code; any code outside 238..248 gives the 240 - 260 MHz band.
[[nodiscard]] const Band& BandForCode(std::uint8_t code);

// "7105A", "7105B", "7105C" (index = code - 56).
[[nodiscard]] const std::array<std::string_view, 3>& ModelTexts();
// Model text of a code; codes outside 56..58 read as "7105A".
[[nodiscard]] std::string_view ModelText(std::uint8_t code);

// Band limits from the image's band code into state.bandLowerMHz/bandUpperMHz.
void SetBandLimits(AppState& state);
// Text of the image's band ("240 - 260 MHz" for unknown codes).
[[nodiscard]] std::string BandText(const MemoryImage& image);

// The selections ShowGeneralSettings makes from the image.
struct GeneralSelection {
    int model;   // 0..2
    int band;    // 0..10
    int power;   // 0..9
    int manual;  // 0 "Enable", 1 "Disable"
};
[[nodiscard]] GeneralSelection GeneralSettingsIndexes(const MemoryImage& image);

// Stored values for a list index picked in the general panel.
[[nodiscard]] std::uint8_t ModelCodeForIndex(int index);  // other -> 56
[[nodiscard]] std::uint8_t BandCodeForIndex(int index);   // other -> 240
[[nodiscard]] std::uint8_t PowerForIndex(int index);      // capped at 9
[[nodiscard]] bool ManualEnabledForIndex(int index);      // index 1 -> false

// Start-up band from the remembered "LastFreq" text: leading number if in
// 238..248, else 240 (empty or non-numeric text too).
[[nodiscard]] std::uint8_t StartupBandCode(std::string_view lastFreq);
