#include <gtest/gtest.h>

#include <set>

#include "core/BandTable.h"
#include "core/ChannelView.h"
#include "core/Layout.h"
#include "core/OptionalFeatures.h"
#include "radio/DemoRadio.h"

namespace {

TEST(DemoRadioPlan, ReadsAsARealisticVhfDocumentThatShowingLeavesUnchanged)
{
    const RadioModel radio(DemoRadioMemory());
    for (const std::uint8_t byte : radio.identification())
        EXPECT_EQ(byte, 0xFF);  // as a new document expects

    AppState state;
    state.memoryImage.fill(0xFF);
    for (int a = 0; a < RadioModel::kMemorySize; ++a) state.memoryImage.setAtAddress(a, radio.memory()[a]);
    SetBandLimits(state);
    EXPECT_EQ(BandText(state.memoryImage), "136 - 174 MHz");
    const OptionalFeatures features = ReadOptionalFeatures(state.memoryImage);
    EXPECT_EQ(features.name + features.ani, "DEMO2468");

    const MemoryImage before = state.memoryImage;
    int present = 0;
    int repeaters = 0;
    int receiveOnly = 0;
    std::set<std::string> shown;
    for (int column = 0; column < layout::kMaxChannels; ++column) {
        const ChannelCells cells = NormalizeAndDescribeChannel(state, column);
        if (!cells.present) continue;
        EXPECT_EQ(column, present++) << "gap before channel " << column + 1;
        repeaters += !cells.text[1].empty() && cells.text[1] != cells.text[0];
        receiveOnly += cells.text[1].empty();
        shown.insert(cells.text.begin() + 2, cells.text.end());
    }
    // Nothing out of band or mistyped: showing the plan changes no byte.
    EXPECT_TRUE(state.memoryImage == before);
    EXPECT_GE(present, 24);
    EXPECT_GE(repeaters, 6);
    EXPECT_GE(receiveOnly, 1);
    for (const char* text : {"None", "88.5", "D023N", "D743I", "Wide", "Narrow", "Add", "Del", "High", "Low",
                             "DTMF", "Carrier", "QT/DQT"})
        EXPECT_TRUE(shown.count(text)) << text;
}

}  // namespace
