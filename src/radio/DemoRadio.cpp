#include "DemoRadio.h"

#include "core/AppState.h"
#include "core/FreqCodec.h"
#include "core/Layout.h"
#include "core/NewDocument.h"
#include "core/OptionalFeatures.h"
#include "core/ToneCodec.h"

namespace {

constexpr std::uint8_t kVhfBandCode = 239;
constexpr std::uint8_t kModelCode = 58;

struct DemoChannel {
    const char* rx;
    const char* tx;      // nullptr: receive only
    const char* decode;  // "" for none
    const char* encode;
    bool wide;
    bool scan;
    bool highPower;
    bool dtmf;
    bool pttId;
    std::uint8_t bcl;  // 0, layout::kBclCarrier or layout::kBclQtDqt
};

constexpr std::uint8_t kOff = 0;
constexpr std::uint8_t kCarrier = layout::kBclCarrier;
constexpr std::uint8_t kTone = layout::kBclQtDqt;

// clang-format off
constexpr DemoChannel kChannels[] = {
    // Two-metre simplex.
    {"146.52000", "146.52000", "",      "",      true,  true,  true,  false, false, kOff},
    {"146.55000", "146.55000", "",      "",      true,  true,  false, false, false, kCarrier},
    {"147.42000", "147.42000", "",      "",      true,  false, false, false, false, kCarrier},
    {"145.50000", "145.50000", "",      "",      true,  true,  true,  false, false, kOff},
    // Repeaters: 600 kHz offsets, tone access.
    {"146.94000", "146.34000", "",      "100.0", true,  true,  true,  false, false, kCarrier},
    {"147.06000", "147.66000", "88.5",  "88.5",  true,  true,  true,  false, false, kTone},
    {"146.76000", "146.16000", "",      "123.0", true,  true,  true,  false, true,  kCarrier},
    {"147.33000", "147.93000", "131.8", "131.8", true,  true,  true,  true,  false, kTone},
    {"145.37000", "144.77000", "",      "141.3", true,  false, true,  false, false, kCarrier},
    {"146.85000", "146.25000", "D023N", "D023N", false, true,  true,  false, false, kTone},
    {"147.18000", "147.78000", "",      "107.2", true,  true,  false, false, false, kOff},
    {"145.23000", "144.63000", "",      "67.0",  true,  false, true,  false, false, kCarrier},
    {"146.64000", "146.04000", "156.7", "156.7", false, true,  true,  false, true,  kTone},
    {"147.27000", "147.87000", "",      "77.0",  true,  true,  true,  false, false, kCarrier},
    // Business and farm channels, narrow with coded squelch.
    {"151.82000", "151.82000", "D114N", "D114N", false, true,  false, true,  true,  kTone},
    {"151.88000", "151.88000", "D125N", "D125N", false, true,  false, true,  true,  kTone},
    {"151.94000", "151.94000", "D743I", "D743I", false, true,  false, true,  true,  kTone},
    {"154.57000", "154.57000", "71.9",  "71.9",  false, true,  false, false, false, kTone},
    {"154.60000", "154.60000", "82.5",  "82.5",  false, true,  false, false, false, kTone},
    {"152.88750", "152.88750", "D031N", "D031N", false, false, true,  true,  true,  kTone},
    {"153.35625", "153.35625", "203.5", "203.5", false, true,  true,  false, true,  kTone},
    {"158.40000", "153.99000", "D411N", "D411N", false, true,  true,  true,  true,  kTone},
    {"159.48750", "155.01250", "114.8", "114.8", false, false, true,  false, false, kTone},
    {"161.20000", "161.20000", "",      "",      false, true,  false, false, false, kCarrier},
    // Marine channels: wide, no tones.
    {"156.80000", "156.80000", "",      "",      true,  true,  true,  false, false, kOff},
    {"156.45000", "156.45000", "",      "",      true,  true,  false, false, false, kCarrier},
    {"156.30000", "156.30000", "",      "",      true,  false, false, false, false, kCarrier},
    {"156.65000", "156.65000", "",      "",      true,  false, false, false, false, kCarrier},
    {"157.10000", "157.10000", "",      "",      true,  false, true,  false, false, kOff},
    // Weather broadcasts: receive only.
    {"162.40000", nullptr,     "",      "",      true,  true,  false, false, false, kOff},
    {"162.42500", nullptr,     "",      "",      true,  true,  false, false, false, kOff},
    {"162.45000", nullptr,     "",      "",      true,  true,  false, false, false, kOff},
    {"162.47500", nullptr,     "",      "",      true,  true,  false, false, false, kOff},
    {"162.55000", nullptr,     "",      "",      true,  true,  false, false, false, kOff},
    // Band edges.
    {"136.00000", "136.00000", "",      "",      false, false, false, false, false, kOff},
    {"174.00000", "174.00000", "D754I", "D754I", false, false, false, false, false, kOff},
};
// clang-format on

void PutChannel(MemoryImage& image, int column, const DemoChannel& ch)
{
    StoreFreq(image, column, layout::kRxFreqRow, ch.rx);
    image.setBit(layout::kEntryFlagsRow, column, layout::kRxEntry, false);
    if (ch.tx) {
        StoreFreq(image, column, layout::kTxFreqRow, ch.tx);
        image.setBit(layout::kEntryFlagsRow, column, layout::kTxEntry, false);
    }
    if (*ch.decode) StoreTone(image, column, ch.decode, layout::kDecodeToneOffset);
    if (*ch.encode) StoreTone(image, column, ch.encode, layout::kEncodeToneOffset);
    image.setBit(layout::kOptSignalRow, column, layout::kOptSignalDtmf, ch.dtmf);
    image.setBit(layout::kChannelFlagsRow, column, layout::kWide, ch.wide);
    image.setBit(layout::kChannelFlagsRow, column, layout::kScanAdd, ch.scan);
    image.setBit(layout::kChannelFlagsRow, column, layout::kHighPower, ch.highPower);
    image.setBit(layout::kChannelFlagsRow, column, layout::kBclCarrier | layout::kBclQtDqt, false);
    image.setBit(layout::kChannelFlagsRow, column, ch.bcl, true);
    image.setBit(layout::kPttIdRow, column, layout::kPttIdOn, ch.pttId);
}

}  // namespace

RadioModel::Memory DemoRadioMemory()
{
    AppState state;
    MemoryImage& image = state.memoryImage;
    image.set(layout::kBandRow, layout::kRadioColumn, kVhfBandCode);
    image.set(layout::kModelRow, layout::kRadioColumn, kModelCode);
    ResetImage(state);

    int column = 0;
    for (const DemoChannel& channel : kChannels) PutChannel(image, column++, channel);

    OptionalFeatures features = ReadOptionalFeatures(image);
    features.name = "DEMO";
    features.ani = "2468";
    features.pttIdBot = true;
    features.timeOutTimer = 6;  // three minutes
    features.squelchLevel = 3;
    WriteOptionalFeatures(image, features);

    RadioModel::Memory memory{};
    for (int address = 0; address < RadioModel::kMemorySize; ++address)
        memory[address] = image.atAddress(address);
    return memory;
}
