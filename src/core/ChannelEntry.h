#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "AppState.h"
#include "MemoryImage.h"

// A whole channel as a person would type it into an empty grid row.
struct TypedChannel {
    std::string rxFreq;           // MHz as typed ("145", "436.125")
    std::string txFreq;           // empty: no TX frequency
    std::string decode = "None";  // QT/DQT text of the list in force ("None" in either language)
    std::string encode = "None";  // empty also reads as "None"
    // Entry index per option column W/N .. BCL (OptionEntries order); none:
    // what a channel typed in by hand gets.
    std::array<std::optional<int>, 6> options{};
};

// Why a typed channel cannot be stored.
enum class TypingFault {
    kNone,
    kRxNotFrequency,
    kRxOutOfBand,
    kTxNotFrequency,
    kTxOutOfBand,
    kUnknownDecode,
    kUnknownEncode,
    kEncodeWithoutTx
};

// Types `typed` into channel column `column` of state.memoryImage, which must be
// empty (0xFF), leaving exactly the bytes the grid's editors would leave. Where
// the editor would substitute a band limit, or a tone is not in the list in
// force, nothing is written and the fault says why. A frequency is a plain
// decimal number; the band's own limits count as inside, as the grid shows them.
[[nodiscard]] TypingFault TypeChannel(AppState& state, int column, const TypedChannel& typed);
