#include "core/FreqCodec.h"

#include <gtest/gtest.h>

#include "core/BandTable.h"

namespace {

struct NormalizeCase {
    const char* name;
    const char* typed;
    std::uint8_t band;
    const char* expected;
    bool outOfRange;
};

class Normalize : public testing::TestWithParam<NormalizeCase> {};

TEST_P(Normalize, GivesTheBandAndRasterValue)
{
    const Band& band = BandForCode(GetParam().band);
    const NormalizedFreq result = NormalizeFreq(GetParam().typed, band.lowerMHz, band.upperMHz);
    EXPECT_EQ(result.text, GetParam().expected);
    EXPECT_EQ(result.outOfRange, GetParam().outOfRange);
}

INSTANTIATE_TEST_SUITE_P(
    Raster, Normalize,
    testing::Values(NormalizeCase{"On5kHz", "146.52", 239, "146.52000", false},
                    NormalizeCase{"Nearer6k25", "146.5187", 239, "146.51875", false},
                    NormalizeCase{"On6k25", "446.00625", 248, "446.00625", false},
                    NormalizeCase{"Nearer5kHz", "446.003125", 248, "446.00500", false},
                    NormalizeCase{"TieGoesTo6k25", "136.0025", 239, "136.00000", false},
                    NormalizeCase{"WholeNumber", "145", 239, "145.00000", false},
                    NormalizeCase{"JustBelowTopSnapsToTop", "173.998", 239, "174.00000", false},
                    NormalizeCase{"LowerLimitItself", "136", 239, "136.00000", false},
                    NormalizeCase{"LeadingPoint", ".5", 239, "136.00000", true},
                    NormalizeCase{"TrailingTextIgnored", "146.52xyz", 239, "146.52000", false},
                    NormalizeCase{"BlanksAround", " 150 ", 239, "150.00000", false},
                    // 10 Hz rounding: beyond the fifth decimal, exact halves to even.
                    // The rounding decides between rasters: 13600250 is the 5 / 6.25 kHz tie.
                    NormalizeCase{"HalfToEvenStaysOnTie", "136.002505", 239, "136.00000", false},
                    NormalizeCase{"HalfToEvenLeavesTie", "136.002515", 239, "136.00500", false},
                    NormalizeCase{"AboveHalfLeavesTie", "136.00250501", 239, "136.00500", false},
                    NormalizeCase{"BelowHalfStaysOnTie", "136.0025049", 239, "136.00000", false},
                    NormalizeCase{"ManyLeadingZeros", "000000000146.52", 239, "146.52000", false}),
    [](const testing::TestParamInfo<NormalizeCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    OutOfBand, Normalize,
    testing::Values(NormalizeCase{"UpperLimit", "174", 239, "173.99500", true},
                    NormalizeCase{"AboveUpper", "174.0001", 239, "173.99500", true},
                    NormalizeCase{"BelowLower", "135.9", 239, "136.00000", true},
                    NormalizeCase{"Empty", "", 239, "136.00000", true},
                    NormalizeCase{"PointWithoutNumber", "abc.5", 239, "136.00000", true},
                    NormalizeCase{"HugeNumber", "123456789012345678901234567890", 247, "519.99500", true},
                    NormalizeCase{"HugeWithPoint", "99999999999999999999.5", 238, "71.99500", true}),
    [](const testing::TestParamInfo<NormalizeCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(NotANumber, Normalize,
                         testing::Values(NormalizeCase{"Letters", "abc", 239, "136.00000", false},
                                         NormalizeCase{"Sign", "-5", 239, "136.00000", false},
                                         NormalizeCase{"Mixed", "14a6", 240, "240.00000", false}),
                         [](const testing::TestParamInfo<NormalizeCase>& info) { return info.param.name; });

TEST(NormalizeFreq, EveryBandKeepsResultsInsideItsLimits)
{
    for (const Band& band : Bands()) {
        for (int khz = band.lowerMHz * 1000 - 3; khz <= band.upperMHz * 1000 + 3; khz += 1) {
            const std::string typed =
                std::to_string(khz / 1000) + "." + std::to_string(1000 + khz % 1000).substr(1);
            const NormalizedFreq result = NormalizeFreq(typed, band.lowerMHz, band.upperMHz);
            const double mhz = std::stod(result.text);
            ASSERT_GE(mhz, band.lowerMHz) << typed;
            ASSERT_LE(mhz, band.upperMHz) << typed;
        }
    }
}

struct StoredFreq {
    const char* text;
    std::uint8_t rows[4];  // row base+3 first
};

class FreqStore : public testing::TestWithParam<StoredFreq> {};

TEST_P(FreqStore, WritesPackedDigitsAndReadsBack)
{
    for (const int base : {0, 4}) {
        MemoryImage image;
        image.fill(0xFF);
        StoreFreq(image, 17, base, GetParam().text);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(image.at(base + 3 - i, 17), GetParam().rows[i]) << i;
        EXPECT_EQ(FreqToText(image, 17, base), GetParam().text);
        EXPECT_EQ(image.at(base == 0 ? 4 : 0, 17), 0xFF);  // the other frequency is untouched
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, FreqStore,
                         testing::Values(StoredFreq{"67.00000", {0x06, 0x70, 0x00, 0x00}},
                                         StoredFreq{"146.52000", {0x14, 0x65, 0x20, 0x00}},
                                         StoredFreq{"436.12500", {0x43, 0x61, 0x25, 0x00}},
                                         StoredFreq{"519.99500", {0x51, 0x99, 0x95, 0x00}},
                                         StoredFreq{"446.00625", {0x44, 0x60, 0x06, 0x25}}));

TEST(FreqToText, NonDigitNibblesEndTheNumber)
{
    MemoryImage image;
    image.fill(0xFF);
    EXPECT_EQ(FreqToText(image, 0, 0), "0.00000");
    EXPECT_EQ(FreqTo10Hz(image, 0, 0), 0);
    image.set(3, 0, 0x12);
    image.set(2, 0, 0x34);
    image.set(1, 0, 0x5F);
    EXPECT_EQ(FreqToText(image, 0, 0), "0.12345");
    image.set(3, 0, 0xA1);
    EXPECT_EQ(FreqToText(image, 0, 0), "0.00000");
}

}  // namespace
