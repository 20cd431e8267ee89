#pragma once

#include <array>
#include <string>

#include "AppState.h"
#include "strings/TextId.h"

// What the grid shows of one channel, in the current language. Cell order is
// the grid's columns 1..10: RX Freq, TX Freq, Decode, Encode, W/N, Scan,
// TX Power, Opt Signal, PTT ID, BCL.
inline constexpr int kChannelCells = 10;

// The grid's header texts (ids) in grid column order 0..10: "CH", then the
// cells' names. Also the CSV export layout's header.
inline constexpr std::array<int, kChannelCells + 1> kGridHeaderIds{
    TextId::Ch,   TextId::RxFreq,  TextId::TxFreq,    TextId::Decode, TextId::Encode, TextId::WideNarrow,
    TextId::Scan, TextId::TxPower, TextId::OptSignal, TextId::PttId,  TextId::Bcl};

struct ChannelCells {
    bool present = false;  // false: all cells empty
    std::array<std::string, kChannelCells> text;
};

// Display normalisation of channel column `column`, then its cell texts: an RX
// frequency outside the band erases the whole column (0xFF); a TX frequency
// outside the band erases rows 4..7, 10, 11 and leaves TX Freq/Encode empty.
ChannelCells NormalizeAndDescribeChannel(AppState& state, int column);

// The whole document as the window opens it: band limits and channel layout
// from the band code, then the display normalisation of channels
// 1..channelCount. Returns how many channels were erased (a column that was
// already empty does not count).
int NormalizeDocument(AppState& state);
