#pragma once

#include "MemoryImage.h"

// Moving whole channel records (all 16 bytes) within channels 1..channelCount.
// Columns from channelCount on are never touched. `channel` is 1-based; a
// channel outside 1..channelCount changes nothing.

// Channels channel..channelCount-1 move down by one (the last one falls off)
// and `channel` becomes empty (0xFF). The caller checks that the last channel
// is unused before calling.
void InsertEmptyChannel(MemoryImage& image, int channelCount, int channel);

// Channels channel+1..channelCount move up by one, overwriting `channel`, and
// the last channel becomes empty.
void DeleteChannel(MemoryImage& image, int channelCount, int channel);
