#include "NewDocument.h"

#include "BandTable.h"
#include "Layout.h"
#include "ToneCodec.h"

void ResetImage(AppState& state)
{
    MemoryImage& image = state.memoryImage;
    const std::uint8_t band = image.at(layout::kBandRow, layout::kRadioColumn);
    const std::uint8_t model = image.at(layout::kModelRow, layout::kRadioColumn);
    image.fill(layout::kEmpty);
    image.set(layout::kBandRow, layout::kRadioColumn, band);
    image.set(layout::kModelRow, layout::kRadioColumn, model);
    for (int row = 0; row < 10; ++row) image.set(row, layout::kSettingsColumn, layout::kSettingsDefaults[row]);
    ApplyBandLayout(state);
}

void ApplyBandLayout(AppState& state)
{
    const bool small = state.memoryImage.at(layout::kBandRow, layout::kRadioColumn) == kSmallBandCode;
    state.channelCount = small ? 8 : layout::kMaxChannels;
    state.toneListLast = small ? kReducedToneListLast : kFullToneListLast;
}
