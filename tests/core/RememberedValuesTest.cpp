#include "core/RememberedValues.h"

#include <gtest/gtest.h>

#include "core/Layout.h"
#include "strings/Strings.h"

namespace {

struct StartCase {
    const char* name;
    const char* lastFreq;
    int band;
};

class Startup : public testing::TestWithParam<StartCase> {};

TEST_P(Startup, TakesTheBandAndAlwaysModel58)
{
    MemoryImage image;
    image.set(layout::kModelRow, layout::kRadioColumn, 56);
    SetLanguageIndex(1);
    ApplyStartupValues(image, GetParam().lastFreq);
    EXPECT_EQ(image.at(layout::kBandRow, layout::kRadioColumn), GetParam().band);
    EXPECT_EQ(image.at(layout::kModelRow, layout::kRadioColumn), 58);
    EXPECT_EQ(LanguageIndex(), 0);
}

INSTANTIATE_TEST_SUITE_P(LastFreq, Startup,
                         testing::Values(StartCase{"FreshMachine", "", 240},
                                         StartCase{"SmallBand", "248", 248},
                                         StartCase{"FirstBand", "238", 238}, StartCase{"Below", "237", 240},
                                         StartCase{"Above", "300", 240}, StartCase{"Letters", "abc", 240},
                                         StartCase{"TrailingText", "241 MHz", 241},
                                         StartCase{"Blank", " ", 240},
                                         StartCase{"Huge", "99999999999999999999", 240}),
                         [](const testing::TestParamInfo<StartCase>& info) { return info.param.name; });

TEST(ExitValues, AreDecimalTextsOfTheImageAndLanguage)
{
    MemoryImage image;
    image.set(layout::kBandRow, layout::kRadioColumn, 7);
    image.set(layout::kModelRow, layout::kRadioColumn, 57);
    SetLanguageIndex(1);
    const auto values = ExitValues(image);
    SetLanguageIndex(0);
    EXPECT_EQ(values[0].name, "LastModel");
    EXPECT_EQ(values[0].text, "57");
    EXPECT_EQ(values[1].name, "LastFreq");
    EXPECT_EQ(values[1].text, "7");
    EXPECT_EQ(values[2].name, "language");
    EXPECT_EQ(values[2].text, "1");
}

}  // namespace
