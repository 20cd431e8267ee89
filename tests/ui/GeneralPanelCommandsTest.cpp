#include <QComboBox>

#include "CommandsFixture.h"
#include "core/DocumentState.h"
#include "ui/main/CellEditing.h"
#include "ui/main/DocumentCommands.h"
#include "ui/main/DocumentController.h"
#include "ui/main/GeneralPanel.h"
#include "ui/main/GeneralPanelCommands.h"

namespace {

using Button = Prompter::Button;

class GeneralPanelCommandsTest : public CommandsFixture {
protected:
    // What a user's pick in the list does: the selection moves, then the list
    // reports the choice.
    static void Choose(QComboBox* list, int index)
    {
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }
    GeneralPanel& panel() const { return window->document().generalPanel(); }
    QComboBox* list(const char* name) const { return panel().findChild<QComboBox*>(name); }
    std::uint8_t band() const { return state.memoryImage.at(layout::kBandRow, layout::kRadioColumn); }

    // A saved, named document with channel 1 on 250 MHz.
    void OpenNamedDocument()
    {
        MemoryImage image = freshImage;
        PutChannel(image, 1, "250.00000");
        window->documentCommands().OpenPath(WriteDataFile(QStringLiteral("named.dat"), image));
        ASSERT_NE(state.documentPath, "Untitled");
    }
};

struct ByteCase {
    const char* name;
    int list;  // 0 model, 2 power, 3 manual
    int index;
    int row;
    int column;
    std::uint8_t expected;
};

class GeneralByteChoice : public GeneralPanelCommandsTest, public ::testing::WithParamInterface<ByteCase> {};

TEST_P(GeneralByteChoice, WritesOnlyItsOwnByte)
{
    const ByteCase& c = GetParam();
    QComboBox* lists[] = {list("cboGenModel"), list("cboGenFreq"), list("cboGenPower"), list("cboGenManual")};
    if (c.list == 3) Choose(lists[3], 1 - c.index);  // start from the other state
    MemoryImage expected = state.memoryImage;
    expected.set(c.row, c.column, c.expected);
    const std::string titleBefore = window->windowTitle().toStdString();

    Choose(lists[c.list], c.index);

    EXPECT_EQ(state.memoryImage, expected);
    EXPECT_EQ(state.channelCount, 128);
    EXPECT_EQ(window->windowTitle().toStdString(), titleBefore);
    EXPECT_TRUE(prompter.asked.empty());
}

// Column 129 row 2 holds 215 (bit 7 set) in a new document.
INSTANTIATE_TEST_SUITE_P(
    Lists, GeneralByteChoice,
    ::testing::Values(ByteCase{"Model7105A", 0, 0, layout::kModelRow, layout::kRadioColumn, 56},
                      ByteCase{"Model7105B", 0, 1, layout::kModelRow, layout::kRadioColumn, 57},
                      ByteCase{"Power3", 2, 3, layout::kPowerLevelRow, layout::kSettingsColumn, 3},
                      ByteCase{"Power0", 2, 0, layout::kPowerLevelRow, layout::kSettingsColumn, 0},
                      ByteCase{"ManualDisable", 3, 1, layout::kGeneralFlagsRow, layout::kSettingsColumn,
                               215 & 0x7F},
                      ByteCase{"ManualEnable", 3, 0, layout::kGeneralFlagsRow, layout::kSettingsColumn, 215}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GeneralPanelCommandsTest, BandChangeWithoutUnsavedChangesStartsAnUntitledDocumentUnasked)
{
    OpenNamedDocument();
    Choose(list("cboGenFreq"), 10);

    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(band(), 248);
    EXPECT_EQ(state.documentPath, "Untitled");
    EXPECT_EQ(window->windowTitle().toStdString(), BuildTitle("Untitled"));
    EXPECT_FALSE(IsModified(state));
    EXPECT_EQ(state.bandLowerMHz, 446);
    EXPECT_EQ(state.bandUpperMHz, 447);
    EXPECT_EQ(grid().rowCount(), 8);
    EXPECT_EQ(window->document().cellEditing().toneEditor()->count(), 39);
    EXPECT_TRUE(grid().cellEmpty(1, ChannelGrid::kRxFreqCol));
    EXPECT_EQ(state.memoryImage.at(layout::kRxFreqRow, 0), layout::kEmpty);

    Choose(list("cboGenFreq"), 1);
    EXPECT_EQ(band(), 239);
    EXPECT_EQ(grid().rowCount(), 128);
    EXPECT_EQ(window->document().cellEditing().toneEditor()->count(), 261);
    EXPECT_EQ(state.bandLowerMHz, 136);
}

TEST_F(GeneralPanelCommandsTest, BandChangeWithUnsavedChangesAsksAndCancelKeepsEverything)
{
    OpenNamedDocument();
    EditChannel(2, "255.00000");
    const MemoryImage before = state.memoryImage;
    prompter.answers = {Button::Cancel};

    Choose(list("cboGenFreq"), 5);

    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text.toStdString(), "All data will be cleared.");
    EXPECT_EQ(prompter.asked[0].title.toStdString(), "Warning");
    EXPECT_EQ(prompter.asked[0].buttons, Prompter::Buttons::OkCancel);
    EXPECT_EQ(prompter.asked[0].defaultButton, Button::Cancel);
    EXPECT_EQ(list("cboGenFreq")->currentIndex(), 2);
    EXPECT_EQ(state.memoryImage, before);
    EXPECT_TRUE(IsModified(state));
    EXPECT_NE(state.documentPath, "Untitled");
    EXPECT_EQ(grid().cellText(2, ChannelGrid::kRxFreqCol), "255.00000");
}

TEST_F(GeneralPanelCommandsTest, BandChangeWithUnsavedChangesConfirmedDiscardsThem)
{
    EditChannel(2, "255.00000");
    prompter.answers = {Button::Ok};
    Choose(list("cboGenFreq"), 5);
    EXPECT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(band(), 243);
    EXPECT_FALSE(IsModified(state));
    EXPECT_TRUE(grid().cellEmpty(2, ChannelGrid::kRxFreqCol));
}

TEST_F(GeneralPanelCommandsTest, ChoosingTheStoredBandChangesNothing)
{
    OpenNamedDocument();
    EditChannel(2, "255.00000");
    const MemoryImage before = state.memoryImage;
    const std::string titleBefore = window->windowTitle().toStdString();
    Choose(list("cboGenFreq"), 2);
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(state.memoryImage, before);
    EXPECT_EQ(window->windowTitle().toStdString(), titleBefore);
}

TEST_F(GeneralPanelCommandsTest, SelectionsFromCodeRunNoHandler)
{
    MemoryImage image = freshImage;
    image.set(layout::kBandRow, layout::kRadioColumn, 250);
    image.set(layout::kPowerLevelRow, layout::kSettingsColumn, 12);
    image.set(layout::kModelRow, layout::kRadioColumn, 56);
    state.memoryImage = image;
    // Other entries shown first, so that every selection below really moves.
    list("cboGenFreq")->setCurrentIndex(5);
    list("cboGenPower")->setCurrentIndex(3);
    list("cboGenModel")->setCurrentIndex(2);
    ShowGeneralSettings(panel(), state.memoryImage);
    EXPECT_EQ(list("cboGenFreq")->currentIndex(), 2);
    EXPECT_EQ(list("cboGenPower")->currentIndex(), 9);
    EXPECT_EQ(list("cboGenModel")->currentIndex(), 0);
    EXPECT_EQ(state.memoryImage, image);
}

}  // namespace
