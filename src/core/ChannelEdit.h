#pragma once

#include <string_view>

#include "MemoryImage.h"
#include "strings/TextId.h"

// What a person's edit of one channel writes into channel column `column`
// (0..127) of the image. Frequency texts are normalised ("145.12500").

// The RX frequency; the channel counts as having one from then on.
void StoreRxFrequency(MemoryImage& image, int column, std::string_view text);
// The TX frequency; the channel counts as having one from then on.
void StoreTxFrequency(MemoryImage& image, int column, std::string_view text);
// Erases the TX frequency and the encode tone: the channel receives only.
void ClearTxFrequency(MemoryImage& image, int column);

// A channel that gets its first RX frequency: an empty column's bits already
// mean the settings of a new channel except BCL, which is switched off here.
void ApplyNewChannelDefaults(MemoryImage& image, int column);

// The words a new channel's cells show (cell = grid column 3..10, text id).
struct CellWord {
    int cell;
    int textId;
};
inline constexpr CellWord kNewChannelWords[] = {{3, TextId::NoneChoice}, {5, TextId::Wide}, {6, TextId::Add},
                                                {7, TextId::High},       {8, TextId::Dtmf}, {9, TextId::On},
                                                {10, TextId::Off}};
