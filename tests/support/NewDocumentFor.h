#pragma once

#include <cstdint>

#include "core/AppState.h"
#include "core/BandTable.h"
#include "core/Layout.h"
#include "core/NewDocument.h"

// The document File > New makes for a radio whose band and model bytes hold
// `band` and `model` (0: the byte as a blank image holds it), band limits set.
inline AppState NewDocumentFor(std::uint8_t band = 0, std::uint8_t model = 0)
{
    AppState state;
    state.memoryImage.set(layout::kBandRow, layout::kRadioColumn, band);
    state.memoryImage.set(layout::kModelRow, layout::kRadioColumn, model);
    ResetImage(state);
    SetBandLimits(state);
    return state;
}
