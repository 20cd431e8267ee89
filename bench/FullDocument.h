#pragma once

#include <cstdlib>
#include <string>

#include "core/ChannelEntry.h"
#include "support/NewDocumentFor.h"

// Every channel of a 136 - 174 MHz document in use, with TX, tones of both
// kinds and options changed: the largest document the benchmarks handle.
inline MemoryImage FullDocument()
{
    AppState state = NewDocumentFor(239);
    for (int column = 0; column < state.channelCount; ++column) {
        TypedChannel typed;
        typed.rxFreq = std::to_string(136 + column / 4) + "." + std::to_string(100 + column);
        typed.txFreq = typed.rxFreq;
        typed.decode = column % 2 ? "D754I" : "88.5";
        typed.encode = "254.1";
        typed.options = {1, 1, 0, 0, 0, 2};
        if (TypeChannel(state, column, typed) != TypingFault::kNone) std::abort();
    }
    return state.memoryImage;
}
