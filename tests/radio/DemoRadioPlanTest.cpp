#include <gtest/gtest.h>

#include <set>

#include "core/BandTable.h"
#include "core/ChannelView.h"
#include "core/Layout.h"
#include "core/OptionalFeatures.h"
#include "radio/DemoRadio.h"

namespace {

// The demo radio's memory as a document would hold it after a read.
AppState ReadDemoRadio()
{
    AppState state;
    state.memoryImage.fill(0xFF);
    const RadioModel::Memory memory = DemoRadioMemory();
    for (int a = 0; a < RadioModel::kMemorySize; ++a) state.memoryImage.setAtAddress(a, memory[a]);
    SetBandLimits(state);
    return state;
}

TEST(DemoRadioPlan, IdentifiesAsANewDocumentExpectsOnTheVhfBand)
{
    const RadioModel radio(DemoRadioMemory());
    for (const std::uint8_t byte : radio.identification()) EXPECT_EQ(byte, 0xFF);
    const AppState state = ReadDemoRadio();
    EXPECT_EQ(BandText(state.memoryImage), "136 - 174 MHz");
    const OptionalFeatures features = ReadOptionalFeatures(state.memoryImage);
    EXPECT_EQ(features.name, "DEMO");
    EXPECT_EQ(features.ani, "2468");
}

TEST(DemoRadioPlan, EveryChannelIsShownAsPlannedAndTheMixIsRealistic)
{
    AppState state = ReadDemoRadio();
    const MemoryImage before = state.memoryImage;
    int present = 0;
    int repeaters = 0;
    int receiveOnly = 0;
    std::set<std::string> tones;
    std::set<std::string> words;
    for (int column = 0; column < layout::kMaxChannels; ++column) {
        const ChannelCells cells = NormalizeAndDescribeChannel(state, column);
        if (!cells.present) continue;
        EXPECT_EQ(column, present) << "gap before channel " << column + 1;
        ++present;
        if (cells.text[1].empty())
            ++receiveOnly;
        else if (cells.text[1] != cells.text[0])
            ++repeaters;
        tones.insert(cells.text[2]);
        tones.insert(cells.text[3]);
        for (int cell = 4; cell < kChannelCells; ++cell) words.insert(cells.text[cell]);
    }
    // Nothing out of band or mistyped: showing the plan changes no byte.
    EXPECT_TRUE(state.memoryImage == before);
    EXPECT_GE(present, 24);
    EXPECT_GE(repeaters, 6);
    EXPECT_GE(receiveOnly, 1);
    EXPECT_TRUE(tones.count("88.5") && tones.count("D023N") && tones.count("D743I") && tones.count("None"));
    for (const char* word : {"Wide", "Narrow", "Add", "Del", "High", "Low", "DTMF", "Carrier", "QT/DQT"})
        EXPECT_TRUE(words.count(word)) << word;
}

}  // namespace
