#pragma once

#include <cstdint>

// Where every interpreted byte and bit of the MemoryImage lives. Nothing else in
// the program spells these positions as numbers.
namespace layout {

// Channel records: channel n (1-based) is column n-1.
inline constexpr int kMaxChannels = 128;
inline constexpr int kChannelBytes = 16;

// Rows within a channel column.
inline constexpr int kRxFreqRow = 0;     // rows 0..3, packed BCD, row 3 most significant
inline constexpr int kTxFreqRow = 4;     // rows 4..7
inline constexpr int kFreqBytes = 4;
inline constexpr int kDecodeToneOffset = 0;  // StoreTone row offsets
inline constexpr int kEncodeToneOffset = 2;
inline constexpr int kDecodeLowRow = 8;      // low byte; high byte one row up
inline constexpr int kDecodeHighRow = 9;
inline constexpr int kEncodeLowRow = 10;
inline constexpr int kEncodeHighRow = 11;

inline constexpr int kOptSignalRow = 12;
inline constexpr std::uint8_t kOptSignalDtmf = 0x02;

inline constexpr int kChannelFlagsRow = 13;
inline constexpr std::uint8_t kBclCarrier = 0x02;  // wins over kBclQtDqt
inline constexpr std::uint8_t kBclQtDqt = 0x04;
inline constexpr std::uint8_t kScanAdd = 0x08;
inline constexpr std::uint8_t kWide = 0x10;
inline constexpr std::uint8_t kHighPower = 0x20;

inline constexpr int kPttIdRow = 14;
inline constexpr std::uint8_t kPttIdOn = 0x01;

inline constexpr int kEntryFlagsRow = 15;
inline constexpr std::uint8_t kRxEntry = 0x01;  // cleared when an RX frequency is stored
inline constexpr std::uint8_t kTxEntry = 0x02;  // cleared when a TX frequency is stored

// Column 128: identification, band, model.
inline constexpr int kRadioColumn = 128;
inline constexpr int kIdentFirstRow = 0;  // rows 0..7; the radio's first byte matches row 7
inline constexpr int kIdentBytes = 8;
inline constexpr int kBandRow = 10;
inline constexpr int kModelRow = 11;

// Column 129: general settings and optional features.
inline constexpr int kSettingsColumn = 129;
inline constexpr int kPttIdEdgeRow = 0;
inline constexpr std::uint8_t kPttIdBot = 0x20;
inline constexpr std::uint8_t kPttIdEot = 0x10;
inline constexpr int kGeneralFlagsRow = 2;
inline constexpr std::uint8_t kChordLanguageChinese = 0x01;  // meaningful only with kChordLanguageOn
inline constexpr std::uint8_t kChordLanguageOn = 0x02;
inline constexpr std::uint8_t kBatterySave = 0x04;
inline constexpr std::uint8_t kScrambler = 0x10;
inline constexpr std::uint8_t kBeepTone = 0x40;
inline constexpr std::uint8_t kManualEnable = 0x80;
inline constexpr int kSquelchRow = 3;
inline constexpr int kTimeOutTimerRow = 4;
inline constexpr int kVoxGainRow = 5;
inline constexpr int kVoxDelayRow = 6;
inline constexpr int kPowerLevelRow = 9;

// New-document contents of column 129, rows 0..9.
inline constexpr std::uint8_t kSettingsDefaults[10] = {5, 168, 215, 4, 2, 9, 0, 4, 0, 9};

// Columns 130 and 131: PTT ID ANI digits and name characters, 0xFF-terminated.
inline constexpr int kAniColumn = 130;
inline constexpr int kAniLength = 4;
inline constexpr int kNameColumn = 131;
inline constexpr int kNameLength = 6;

// The radio holds columns 0..131: addresses 0x000..0x83F.
inline constexpr int kRadioColumnCount = 132;
inline constexpr int kRadioBytes = kRadioColumnCount * 16;

inline constexpr std::uint8_t kEmpty = 0xFF;

}  // namespace layout
