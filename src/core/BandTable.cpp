#include "BandTable.h"

#include <cctype>

#include "Layout.h"

namespace {

constexpr std::array<Band, 11> kBands{{
    {238, " 67 -  72 MHz", 67, 72},
    {239, "136 - 174 MHz", 136, 174},
    {240, "240 - 260 MHz", 240, 260},
    {241, "350 - 390 MHz", 350, 390},
    {242, "400 - 430 MHz", 400, 430},
    {243, "430 - 450 MHz", 430, 450},
    {244, "450 - 470 MHz", 450, 470},
    {245, "470 - 490 MHz", 470, 490},
    {246, "400 - 470 MHz", 400, 470},
    {247, "460 - 520 MHz", 460, 520},
    {248, "446 - 447 MHz", 446, 447},
}};

constexpr std::array<std::string_view, 3> kModels{"7105A", "7105B", "7105C"};

bool IsKnownBand(int code) { return code >= kFirstBandCode && code <= kLastBandCode; }

}  // namespace

const std::array<Band, 11>& Bands() { return kBands; }

const Band& BandForCode(std::uint8_t code)
{
    return kBands[IsKnownBand(code) ? code - kFirstBandCode : kDefaultBandCode - kFirstBandCode];
}

const std::array<std::string_view, 3>& ModelTexts() { return kModels; }

std::string_view ModelText(std::uint8_t code)
{
    const int index = code - kFirstModelCode;
    return kModels[index >= 0 && index < 3 ? index : 0];
}

void SetBandLimits(AppState& state)
{
    const Band& band = BandForCode(state.memoryImage.at(layout::kBandRow, layout::kRadioColumn));
    state.bandLowerMHz = band.lowerMHz;
    state.bandUpperMHz = band.upperMHz;
}

std::string BandText(const MemoryImage& image)
{
    return std::string(BandForCode(image.at(layout::kBandRow, layout::kRadioColumn)).text);
}

GeneralSelection GeneralSettingsIndexes(const MemoryImage& image)
{
    const int model = image.at(layout::kModelRow, layout::kRadioColumn) - kFirstModelCode;
    const int band = image.at(layout::kBandRow, layout::kRadioColumn);
    const int power = image.at(layout::kPowerLevelRow, layout::kSettingsColumn);
    return GeneralSelection{
        .model = model >= 0 && model < 3 ? model : 0,
        .band = (IsKnownBand(band) ? band : kDefaultBandCode) - kFirstBandCode,
        .power = power > 9 ? 9 : power,
        .manual = image.bit(layout::kGeneralFlagsRow, layout::kSettingsColumn, layout::kManualEnable) ? 0 : 1,
    };
}

std::uint8_t ModelCodeForIndex(int index)
{
    return static_cast<std::uint8_t>(index >= 0 && index < 3 ? kFirstModelCode + index : kFirstModelCode);
}

std::uint8_t BandCodeForIndex(int index)
{
    return static_cast<std::uint8_t>(index >= 0 && index <= 10 ? kFirstBandCode + index : kDefaultBandCode);
}

std::uint8_t PowerForIndex(int index) { return static_cast<std::uint8_t>(index < 0 ? 0 : (index > 9 ? 9 : index)); }

bool ManualEnabledForIndex(int index) { return index != 1; }

std::uint8_t StartupBandCode(std::string_view lastFreq)
{
    // Leading decimal digits only; anything else reads as 0, which is out of range.
    long value = 0;
    for (char ch : lastFreq) {
        if (!std::isdigit(static_cast<unsigned char>(ch)) || value > 1000) break;
        value = value * 10 + (ch - '0');
    }
    return IsKnownBand(static_cast<int>(value)) ? static_cast<std::uint8_t>(value) : kDefaultBandCode;
}
