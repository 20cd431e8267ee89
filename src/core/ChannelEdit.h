#pragma once

#include <string_view>

#include "MemoryImage.h"

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

// An empty channel (0xFF) that gets its first RX frequency: the one way a
// channel comes into being, whether typed into the grid or imported.
void StartChannel(MemoryImage& image, int column, std::string_view rxText);
