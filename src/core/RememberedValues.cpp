#include "RememberedValues.h"

#include "BandTable.h"
#include "Layout.h"
#include "strings/Strings.h"

void ApplyStartupValues(MemoryImage& image, std::string_view lastFreq)
{
    image.set(layout::kModelRow, layout::kRadioColumn, kDefaultModelCode);
    image.set(layout::kBandRow, layout::kRadioColumn, StartupBandCode(lastFreq));
    SetLanguageIndex(0);
}

std::array<RememberedValue, 3> ExitValues(const MemoryImage& image)
{
    return {{
        {kLastModelValue, std::to_string(image.at(layout::kModelRow, layout::kRadioColumn))},
        {kLastFreqValue, std::to_string(image.at(layout::kBandRow, layout::kRadioColumn))},
        {kLanguageValue, std::to_string(LanguageIndex())},
    }};
}
