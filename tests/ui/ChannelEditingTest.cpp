#include <QClipboard>
#include <QGuiApplication>
#include <QScrollBar>

#include "MainWindowFixture.h"
#include "core/FreqCodec.h"
#include "core/Layout.h"

namespace {

constexpr const char* kBand136To174 = "239";

class ChannelEditingTest : public MainWindowFixture {
protected:
    void SetUp() override { start(kBand136To174); }
};

TEST_F(ChannelEditingTest, TypingOnAnEmptyRowCreatesAChannelWithDefaultsAndMovesToTx)
{
    grid().setFocus();
    grid().makeCurrent(3, ChannelGrid::kRxFreqCol);
    QTest::keyClick(&grid(), Qt::Key_1);
    ASSERT_TRUE(freqEditor().isVisible());
    EXPECT_EQ(freqEditor().text(), "1");
    QTest::keyClicks(&freqEditor(), "45");
    QTest::keyClick(&freqEditor(), Qt::Key_Return);

    EXPECT_FALSE(freqEditor().isVisible());
    const QStringList expected{"145.00000", "", "None", "", "Wide", "Add", "High", "DTMF", "On", "Off"};
    for (int col = 1; col <= 10; ++col) EXPECT_EQ(cell(3, col), expected[col - 1]) << "column " << col;
    EXPECT_EQ(FreqToText(state.memoryImage, 2, layout::kRxFreqRow), "145.00000");
    EXPECT_EQ(byte(layout::kEntryFlagsRow, 3), 0xFF & ~layout::kRxEntry);
    EXPECT_EQ(byte(layout::kChannelFlagsRow, 3), 0xFF & ~(layout::kBclCarrier | layout::kBclQtDqt));
    for (int row = layout::kTxFreqRow; row < layout::kTxFreqRow + 4; ++row) EXPECT_EQ(byte(row, 3), 0xFF);
    EXPECT_EQ(state.currentRow, 3);
    EXPECT_EQ(state.currentCol, ChannelGrid::kTxFreqCol);
    EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(ChannelEditingTest, KeysAndClicksOnCellsWithoutFrequenciesLeadToTheFrequencyCell)
{
    // A digit on the TX Freq cell of an empty row edits RX Freq instead.
    grid().makeCurrent(5, ChannelGrid::kTxFreqCol);
    QTest::keyClick(&grid(), Qt::Key_4);
    ASSERT_TRUE(freqEditor().isVisible());
    EXPECT_EQ(state.currentCol, ChannelGrid::kRxFreqCol);
    EXPECT_EQ(freqEditor().text(), "4");
    EXPECT_EQ(freqEditor().cursorPosition(), 1);
    QTest::keyClick(&freqEditor(), Qt::Key_Escape);

    // With RX present, a keypad digit on TX Freq edits TX Freq.
    enterFrequency(5, ChannelGrid::kRxFreqCol, "150");
    grid().makeCurrent(5, ChannelGrid::kTxFreqCol);
    QTest::keyClick(&grid(), Qt::Key_6, Qt::KeypadModifier);
    EXPECT_EQ(state.currentCol, ChannelGrid::kTxFreqCol);
    EXPECT_EQ(freqEditor().text(), "6");
    QTest::keyClick(&freqEditor(), Qt::Key_Escape);

    // Encode without a TX frequency sends the click to TX Freq.
    clickCell(5, ChannelGrid::kEncodeCol);
    EXPECT_EQ(state.currentCol, ChannelGrid::kTxFreqCol);
    EXPECT_TRUE(freqEditor().isVisible());
    QTest::keyClick(&freqEditor(), Qt::Key_Escape);

    // The number column is not a cell to edit: a click there opens nothing.
    clickCell(8, 0);
    EXPECT_EQ(state.currentRow, 5);
    EXPECT_FALSE(freqEditor().isVisible());

    // Any cell of an empty row sends the click to RX Freq.
    clickCell(9, 7);
    EXPECT_EQ(state.currentCol, ChannelGrid::kRxFreqCol);
    EXPECT_TRUE(freqEditor().isVisible());
    EXPECT_FALSE(optionEditor().isVisible());
}

TEST_F(ChannelEditingTest, MovingKeysWithModifiersStillMoveThroughTheGrid)
{
    grid().setFocus();
    grid().makeCurrent(5, ChannelGrid::kDecodeCol);
    QTest::keyClick(&grid(), Qt::Key_Down, Qt::KeypadModifier);
    EXPECT_EQ(state.currentRow, 6);
    QTest::keyClick(&grid(), Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(state.currentRow, 128);
    QTest::keyClick(&grid(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(state.currentRow, 1);
    EXPECT_EQ(state.currentCol, ChannelGrid::kRxFreqCol);
    EXPECT_FALSE(freqEditor().isVisible());

    // Shift+Tab leaves the grid for the previous control, as Tab leaves it for the next.
    QTest::keyClick(&grid(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_FALSE(grid().hasFocus());
}

TEST_F(ChannelEditingTest, AnEditorOpensOnAVisibleCellAndStaysOpenWhileTyping)
{
    // Make the last row in sight only half visible.
    const int rowHeight = grid().rowHeight(0);
    const int viewportHeight = grid().viewport()->height();
    window->resize(window->width(), window->height() + rowHeight / 2 - viewportHeight % rowHeight);
    QApplication::processEvents();
    const int bottom = grid().viewport()->height() - 2;
    const int n = grid().rowAt(bottom) + 1;
    ASSERT_GT(grid().cellRect(n, ChannelGrid::kRxFreqCol).bottom(), bottom + 2);

    // Clicking it and typing: the view's delayed scroll must not end the edit.
    QTest::mouseClick(grid().viewport(), Qt::LeftButton, {},
                      QPoint(grid().cellRect(n, ChannelGrid::kRxFreqCol).center().x(), bottom));
    QTest::keyClicks(&freqEditor(), "14");
    QTest::qWait(QApplication::doubleClickInterval() + 300);
    EXPECT_TRUE(freqEditor().isVisible());
    EXPECT_EQ(freqEditor().text(), "14");
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_TRUE(grid().viewport()->rect().contains(freqEditor().geometry()));
    QTest::keyClick(&freqEditor(), Qt::Key_Escape);

    // A digit typed on a current cell scrolled out of sight edits it in sight.
    grid().makeCurrent(1, ChannelGrid::kRxFreqCol);
    grid().verticalScrollBar()->setValue(60);
    QTest::keyClick(&grid(), Qt::Key_1);
    ASSERT_TRUE(freqEditor().isVisible());
    EXPECT_TRUE(grid().viewport()->rect().contains(freqEditor().geometry()));
}

TEST_F(ChannelEditingTest, TxFrequencyIsStoredAndRemovedWithItsEncodeTone)
{
    enterFrequency(2, ChannelGrid::kRxFreqCol, "145");
    enterFrequency(2, ChannelGrid::kTxFreqCol, "146.5");
    EXPECT_EQ(cell(2, ChannelGrid::kTxFreqCol), "146.50000");
    EXPECT_EQ(cell(2, ChannelGrid::kEncodeCol), "None");
    EXPECT_EQ(FreqToText(state.memoryImage, 1, layout::kTxFreqRow), "146.50000");
    EXPECT_FALSE(state.memoryImage.bit(layout::kEntryFlagsRow, 1, layout::kTxEntry));

    choose(2, ChannelGrid::kEncodeCol, "88.5");
    EXPECT_NE(byte(layout::kEncodeLowRow, 2), 0xFF);

    enterFrequency(2, ChannelGrid::kTxFreqCol, "");
    EXPECT_EQ(cell(2, ChannelGrid::kTxFreqCol), "");
    EXPECT_EQ(cell(2, ChannelGrid::kEncodeCol), "");
    for (int row : {4, 5, 6, 7, layout::kEncodeLowRow, layout::kEncodeHighRow}) EXPECT_EQ(byte(row, 2), 0xFF);
    EXPECT_TRUE(state.memoryImage.bit(layout::kEntryFlagsRow, 1, layout::kTxEntry));
    EXPECT_EQ(cell(2, ChannelGrid::kRxFreqCol), "145.00000");

    // Emptying RX Freq deletes the whole channel.
    state.memoryImage.set(layout::kOptSignalRow, 1, 0x55);
    enterFrequency(2, ChannelGrid::kRxFreqCol, "");
    for (int col = 1; col <= 10; ++col) EXPECT_EQ(cell(2, col), "");
    for (int row = 0; row < 16; ++row) EXPECT_EQ(byte(row, 2), 0xFF) << "row " << row;
}

TEST_F(ChannelEditingTest, ReenteringRxOfAnExistingChannelChangesOnlyTheRxBytes)
{
    enterFrequency(6, ChannelGrid::kRxFreqCol, "145");
    choose(6, ChannelGrid::kDecodeCol, "D023N");
    choose(6, ChannelGrid::kBclCol, "Carrier");
    choose(6, 5, "Narrow");
    MemoryImage expected = state.memoryImage;
    QStringList cellsBefore;
    for (int col = 2; col <= 10; ++col) cellsBefore << cell(6, col);

    enterFrequency(6, ChannelGrid::kRxFreqCol, "150.0125");
    StoreFreq(expected, 5, layout::kRxFreqRow, "150.01250");
    EXPECT_EQ(state.memoryImage, expected);
    EXPECT_EQ(cell(6, ChannelGrid::kRxFreqCol), "150.01250");
    for (int col = 2; col <= 10; ++col) EXPECT_EQ(cell(6, col), cellsBefore[col - 2]) << "column " << col;
}

TEST_F(ChannelEditingTest, EscapeLeavesCellAndImageUntouched)
{
    enterFrequency(1, ChannelGrid::kRxFreqCol, "150");
    const MemoryImage before = state.memoryImage;
    clickCell(1, ChannelGrid::kRxFreqCol);
    QTest::keyClicks(&freqEditor(), "160");
    QTest::keyClick(&freqEditor(), Qt::Key_Escape);
    EXPECT_FALSE(freqEditor().isVisible());
    EXPECT_EQ(cell(1, ChannelGrid::kRxFreqCol), "150.00000");
    EXPECT_EQ(state.memoryImage, before);
    EXPECT_TRUE(grid().hasFocus());
}

TEST_F(ChannelEditingTest, FrequencyEditorTakesOnlyDigitsAndPointUpToNineCharacters)
{
    clickCell(1, ChannelGrid::kRxFreqCol);
    QTest::keyClicks(&freqEditor(), "1a4-5 .x1");
    EXPECT_EQ(freqEditor().text(), "145.1");
    QTest::keyClicks(&freqEditor(), "23456");
    EXPECT_EQ(freqEditor().text(), "145.12345");  // the tenth character is dropped

    freqEditor().setSelection(0, 3);
    QTest::keyClick(&freqEditor(), Qt::Key_4);
    EXPECT_EQ(freqEditor().text(), "4.12345");  // a selection makes room

    // The keypad's decimal key is the point even where it would type a comma.
    freqEditor().setText("145");
    QTest::keyClick(&freqEditor(), Qt::Key_Comma, Qt::KeypadModifier);
    QTest::keyClick(&freqEditor(), Qt::Key_5, Qt::KeypadModifier);
    EXPECT_EQ(freqEditor().text(), "145.5");
    freqEditor().setText("4.12345");

    QGuiApplication::clipboard()->setText("999");
    freqEditor().end(false);
    QTest::keyClick(&freqEditor(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&freqEditor(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(freqEditor().text(), "4.12345");
    EXPECT_EQ(freqEditor().contextMenuPolicy(), Qt::NoContextMenu);
}

TEST_F(ChannelEditingTest, OutOfRangeFrequencyIsReportedThenTheLimitIsStored)
{
    enterFrequency(1, ChannelGrid::kRxFreqCol, "180");
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, "Frequency is out of range.\n136 - 174 MHz: 173.99500");
    EXPECT_EQ(prompter.asked[0].title, "ZQ-915");
    EXPECT_EQ(prompter.asked[0].icon, Prompter::Icon::Exclamation);
    EXPECT_EQ(cell(1, ChannelGrid::kRxFreqCol), "173.99500");
    EXPECT_EQ(FreqToText(state.memoryImage, 0, layout::kRxFreqRow), "173.99500");

    enterFrequency(1, ChannelGrid::kTxFreqCol, "100");
    EXPECT_EQ(prompter.asked.size(), 2u);
    EXPECT_EQ(FreqToText(state.memoryImage, 0, layout::kTxFreqRow), "136.00000");
}

TEST_F(ChannelEditingTest, FocusMovingAwayCommitsTheTypingToTheEditedCell)
{
    clickCell(4, ChannelGrid::kRxFreqCol);
    QTest::keyClicks(&freqEditor(), "151");
    // Clicking another cell: the text belongs to row 4, not to the new cell.
    QTest::mousePress(grid().viewport(), Qt::LeftButton, {},
                      grid().cellRect(7, ChannelGrid::kRxFreqCol).center());
    EXPECT_EQ(cell(4, ChannelGrid::kRxFreqCol), "151.00000");
    EXPECT_EQ(FreqToText(state.memoryImage, 3, layout::kRxFreqRow), "151.00000");
    EXPECT_EQ(cell(7, ChannelGrid::kRxFreqCol), "");
    QTest::mouseRelease(grid().viewport(), Qt::LeftButton, {},
                        grid().cellRect(7, ChannelGrid::kRxFreqCol).center());

    QTest::keyClicks(&freqEditor(), "152");
    window->findChild<QComboBox*>("cboGenPower")->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(freqEditor().isVisible());
    EXPECT_EQ(cell(7, ChannelGrid::kRxFreqCol), "152.00000");

    // Switching to another window leaves the half-typed text alone until the user is back.
    clickCell(9, ChannelGrid::kRxFreqCol);
    QTest::keyClicks(&freqEditor(), "15");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_TRUE(freqEditor().isVisible());
    EXPECT_EQ(cell(9, ChannelGrid::kRxFreqCol), "");
    EXPECT_TRUE(prompter.asked.empty());
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClicks(&freqEditor(), "3");
    QTest::keyClick(&freqEditor(), Qt::Key_Return);
    EXPECT_EQ(cell(9, ChannelGrid::kRxFreqCol), "153.00000");
    EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(ChannelEditingTest, OptionChoicesWriteTheirOwnBitsOnly)
{
    enterFrequency(1, ChannelGrid::kRxFreqCol, "145");
    state.memoryImage.set(layout::kChannelFlagsRow, 0, 0x41);  // Narrow, Del, Low, plus bits no editor owns
    state.memoryImage.set(layout::kOptSignalRow, 0, 0xF0);     // None
    state.memoryImage.set(layout::kPttIdRow, 0, 0xAA);         // Off
    window->document().RenderChannelRow(1);

    struct Case {
        int col;
        const char* choice;
        int row;
        std::uint8_t expected;
    };
    const Case cases[] = {
        {5, "Wide", layout::kChannelFlagsRow, 0x51},
        {6, "Add", layout::kChannelFlagsRow, 0x59},
        {7, "High", layout::kChannelFlagsRow, 0x79},
        {10, "Carrier", layout::kChannelFlagsRow, 0x7B},
        {10, "QT/DQT", layout::kChannelFlagsRow, 0x7D},
        {10, "Off", layout::kChannelFlagsRow, 0x79},
        {7, "Low", layout::kChannelFlagsRow, 0x59},
        {8, "DTMF", layout::kOptSignalRow, 0xF2},
        {9, "On", layout::kPttIdRow, 0xAB},
        {5, "Narrow", layout::kChannelFlagsRow, 0x49},
    };
    for (const Case& c : cases) {
        choose(1, c.col, c.choice);
        EXPECT_EQ(cell(1, c.col), c.choice);
        EXPECT_EQ(byte(c.row, 1), c.expected) << "column " << c.col << " " << c.choice;
    }

    // Choosing what the cell already shows writes nothing, even over foreign bits.
    clickCell(1, 9);
    state.memoryImage.set(layout::kPttIdRow, 0, 0xFE);
    Q_EMIT optionEditor().activated(optionEditor().findText("On"));
    EXPECT_EQ(byte(layout::kPttIdRow, 1), 0xFE);

    // Ctrl+D in the drop-down deletes the channel and does not also type "d",
    // which would pick "DTMF" and write it into the emptied channel.
    choose(1, 8, "None");
    QTest::keyClick(&optionEditor(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(optionEditor().currentText(), "None");
    EXPECT_EQ(cell(1, 8), "");
    for (int row = 0; row < 16; ++row) EXPECT_EQ(byte(row, 1), 0xFF) << "row " << row;
}

TEST_F(ChannelEditingTest, EnterInDropDownsWalksTheRowAndStopsOnTheLastChannel)
{
    enterFrequency(1, ChannelGrid::kRxFreqCol, "145");
    // Left and Right in an open drop-down do not move the grid's cell behind it.
    clickCell(1, 6);
    QTest::keyClick(&optionEditor(), Qt::Key_Right);
    QTest::keyClick(&optionEditor(), Qt::Key_Left);
    QTest::keyClick(&optionEditor(), Qt::Key_Right);
    EXPECT_EQ(state.currentCol, 6);
    EXPECT_TRUE(optionEditor().isVisible());

    const std::pair<int, int> walk[] = {{3, 5}, {5, 6}, {6, 7}, {7, 8}, {8, 9}, {9, 10}};
    for (const auto& [from, to] : walk) {
        clickCell(1, from);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(state.currentCol, to) << "from column " << from;
        EXPECT_FALSE(toneEditor().isVisible() || optionEditor().isVisible());
    }
    clickCell(1, 10);
    QTest::keyClick(&optionEditor(), Qt::Key_Return);
    EXPECT_EQ(state.currentRow, 2);
    EXPECT_EQ(state.currentCol, ChannelGrid::kRxFreqCol);

    // Decode goes to Encode once there is a TX frequency; Encode goes to W/N.
    enterFrequency(1, ChannelGrid::kTxFreqCol, "146");
    clickCell(1, ChannelGrid::kDecodeCol);
    QTest::keyClick(&toneEditor(), Qt::Key_Return);
    EXPECT_EQ(state.currentCol, ChannelGrid::kEncodeCol);
    clickCell(1, ChannelGrid::kEncodeCol);
    QTest::keyClick(&toneEditor(), Qt::Key_Return);
    EXPECT_EQ(state.currentCol, ChannelGrid::kWideCol);

    enterFrequency(128, ChannelGrid::kRxFreqCol, "145");
    clickCell(128, ChannelGrid::kBclCol);
    QTest::keyClick(&optionEditor(), Qt::Key_Return);
    EXPECT_EQ(state.currentRow, 128);
    EXPECT_EQ(state.currentCol, ChannelGrid::kBclCol);
}

}  // namespace
