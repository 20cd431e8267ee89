#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "MainWindowFixture.h"
#include "core/FreqCodec.h"
#include "core/Layout.h"
#include "core/ToneCodec.h"

namespace {

using namespace layout;

// Drives the five channel commands through the real main window.
class ChannelShortcutsTest : public MainWindowFixture {
protected:
    void startOn(const char* band)
    {
        start(band);
        grid().setFocus();
    }
    // Channel n gets an RX frequency, a decode tone and a marker in its
    // unshown bits, and is drawn.
    void putChannel(int n, const char* rx, std::uint8_t marker)
    {
        MemoryImage& image = state.memoryImage;
        image.fillColumn(n - 1, kEmpty);
        StoreFreq(image, n - 1, kRxFreqRow, rx);
        image.setBit(kEntryFlagsRow, n - 1, kRxEntry, false);
        image.set(kPttIdRow, n - 1, marker);
        window->document().RenderChannelRow(n);
    }
    void pressOn(int n, int key, Qt::KeyboardModifiers modifiers)
    {
        grid().makeCurrent(n, ChannelGrid::kRxFreqCol);
        QTest::keyClick(&grid(), static_cast<Qt::Key>(key), modifiers);
    }
    std::uint8_t marker(int n) { return byte(kPttIdRow, n); }
};

constexpr const char* kBand136To174 = "239";
constexpr const char* kBand446To447 = "248";

TEST_F(ChannelShortcutsTest, InsertAtRowOneMovesChannelsDownAndRedrawsThem)
{
    startOn(kBand136To174);
    const char* freqs[] = {"140.00000", "141.00000", "142.00000", "143.00000", "144.00000"};
    for (int n = 1; n <= 5; ++n) putChannel(n, freqs[n - 1], static_cast<std::uint8_t>(n));
    pressOn(1, Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(cell(1, ChannelGrid::kRxFreqCol), "");
    EXPECT_EQ(marker(1), 0xFF);
    for (int n = 2; n <= 6; ++n) {
        EXPECT_EQ(cell(n, ChannelGrid::kRxFreqCol), freqs[n - 2]) << "row " << n;
        EXPECT_EQ(marker(n), n - 1) << "channel " << n;
    }
    EXPECT_EQ(cell(7, ChannelGrid::kRxFreqCol), "");
}

TEST_F(ChannelShortcutsTest, InsertOnAFullGridDoesNothing)
{
    startOn(kBand136To174);
    putChannel(1, "140.00000", 1);
    putChannel(128, "150.00000", 128);
    const MemoryImage before = state.memoryImage;
    pressOn(1, Qt::Key_F9, Qt::ShiftModifier);
    EXPECT_EQ(state.memoryImage, before);
    EXPECT_EQ(cell(1, ChannelGrid::kRxFreqCol), "140.00000");
}

TEST_F(ChannelShortcutsTest, DeleteOnTheLastRowAndOnAnEmptyRow)
{
    startOn(kBand136To174);
    putChannel(3, "143.00000", 3);
    putChannel(127, "147.00000", 127);
    putChannel(128, "148.00000", 128);
    pressOn(128, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(cell(128, ChannelGrid::kRxFreqCol), "");
    EXPECT_EQ(cell(127, ChannelGrid::kRxFreqCol), "147.00000");

    pressOn(2, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(cell(2, ChannelGrid::kRxFreqCol), "143.00000");
    EXPECT_EQ(marker(2), 3);
    EXPECT_EQ(cell(3, ChannelGrid::kRxFreqCol), "");
    EXPECT_EQ(cell(126, ChannelGrid::kRxFreqCol), "147.00000");
}

TEST_F(ChannelShortcutsTest, EightChannelLayoutKeepsTheHiddenColumns)
{
    startOn(kBand446To447);
    ASSERT_EQ(state.channelCount, 8);
    for (int column = 8; column < 128; ++column)
        state.memoryImage.fillColumn(column, static_cast<std::uint8_t>(column));
    putChannel(1, "446.00000", 1);
    const MemoryImage before = state.memoryImage;
    pressOn(1, Qt::Key_I, Qt::ControlModifier);
    pressOn(1, Qt::Key_D, Qt::ControlModifier);
    pressOn(1, Qt::Key_D, Qt::ControlModifier);
    for (int column = 8; column < 128; ++column)
        for (int row = 0; row < 16; ++row)
            ASSERT_EQ(state.memoryImage.at(row, column), before.at(row, column));
    EXPECT_EQ(cell(1, ChannelGrid::kRxFreqCol), "");
}

struct KeyCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    bool deletes;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class ShortcutModifiers : public ChannelShortcutsTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(ShortcutModifiers, OnlyExactlyShiftOrExactlyCtrlCounts)
{
    startOn(kBand136To174);
    putChannel(1, "140.00000", 1);
    putChannel(2, "141.00000", 2);
    pressOn(1, GetParam().key, GetParam().modifiers);
    EXPECT_EQ(cell(1, ChannelGrid::kRxFreqCol), GetParam().deletes ? "141.00000" : "140.00000");
    EXPECT_TRUE(prompter.dialogsShown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Delete, ShortcutModifiers,
    testing::Values(KeyCase{"ShiftF10", Qt::Key_F10, Qt::ShiftModifier, true},
                    KeyCase{"CtrlD", Qt::Key_D, Qt::ControlModifier, true},
                    KeyCase{"ShiftAltF10", Qt::Key_F10, Qt::ShiftModifier | Qt::AltModifier, false},
                    KeyCase{"CtrlShiftD", Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier, false},
                    KeyCase{"PlainF10", Qt::Key_F10, Qt::NoModifier, false},
                    KeyCase{"CtrlF10", Qt::Key_F10, Qt::ControlModifier, false}),
    [](const auto& info) { return info.param.name; });

TEST_F(ChannelShortcutsTest, ShiftAltF9DoesNotInsert)
{
    startOn(kBand136To174);
    putChannel(1, "140.00000", 1);
    pressOn(1, Qt::Key_F9, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(cell(1, ChannelGrid::kRxFreqCol), "140.00000");
}

TEST_F(ChannelShortcutsTest, DeleteWorksWhileTheOptionEditorIsOpenAndTypesNothing)
{
    startOn(kBand136To174);
    putChannel(1, "140.00000", 1);
    putChannel(2, "141.00000", 2);
    clickCell(1, 6);
    ASSERT_TRUE(optionEditor().isVisible());
    const QString choice = optionEditor().currentText();
    QTest::keyClick(&optionEditor(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_FALSE(optionEditor().isVisible());
    EXPECT_EQ(cell(1, ChannelGrid::kRxFreqCol), "141.00000");
    EXPECT_EQ(cell(1, 6), choice);
}

TEST_F(ChannelShortcutsTest, CopyCommandsNeedTheirFrequencyCell)
{
    startOn(kBand136To174);
    putChannel(2, "140.00000", 2);
    pressOn(1, Qt::Key_F3, Qt::ShiftModifier);
    pressOn(1, Qt::Key_F, Qt::ControlModifier);
    pressOn(2, Qt::Key_Q, Qt::ControlModifier);  // no TX frequency
    EXPECT_TRUE(prompter.dialogsShown.empty());
}

TEST_F(ChannelShortcutsTest, ChannelCopyRefusesChannelsOutsideTheLayoutAndStaysOpen)
{
    startOn(kBand446To447);
    putChannel(1, "446.12500", 0x5A);
    prompter.dialogScripts.push_back([](QDialog& dialog) {
        auto* destination = dialog.findChild<QLineEdit*>(QStringLiteral("txtDest"));
        for (const char* typed : {"9", "128", "8"}) {
            destination->selectAll();
            QTest::keyClicks(destination, typed);
            QTest::keyClick(destination, Qt::Key_Return);
            EXPECT_EQ(destination->text(), "1");
        }
        dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        return dialog.result();
    });
    pressOn(1, Qt::Key_E, Qt::ControlModifier);
    ASSERT_EQ(prompter.dialogsShown, std::vector<QString>{"frmCopy"});
    EXPECT_EQ(prompter.texts(), (QStringList{"Channel is out of range.", "Channel is out of range."}));
    EXPECT_EQ(prompter.asked.front().title, "ZQ-915");
    EXPECT_EQ(cell(8, ChannelGrid::kRxFreqCol), "446.12500") << "the copy made before Cancel stays";
    for (int row = 0; row < 16; ++row) EXPECT_EQ(byte(row, 8), byte(row, 1));
}

TEST_F(ChannelShortcutsTest, FrequencyCopyStoresOrRemovesTheTxFrequency)
{
    startOn(kBand136To174);
    putChannel(4, "145.00000", 4);
    prompter.dialogScripts.push_back([](QDialog& dialog) {
        auto* destination = dialog.findChild<QLineEdit*>(QStringLiteral("txtDest"));
        EXPECT_EQ(destination->text(), "145.00000");
        destination->selectAll();
        QTest::keyClicks(destination, "150.0025");
        QTest::keyClick(destination, Qt::Key_Return);
        return dialog.result();
    });
    pressOn(4, Qt::Key_F4, Qt::ShiftModifier);
    EXPECT_EQ(cell(4, ChannelGrid::kTxFreqCol), "150.00000");
    EXPECT_EQ(cell(4, ChannelGrid::kEncodeCol), "None");
    EXPECT_EQ(FreqToText(state.memoryImage, 3, kTxFreqRow), "150.00000");
    EXPECT_FALSE(state.memoryImage.bit(kEntryFlagsRow, 3, kTxEntry));

    // Cancel keeps everything as it is.
    const MemoryImage before = state.memoryImage;
    prompter.dialogScripts.push_back([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("txtDest"))->clear();
        dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        return dialog.result();
    });
    pressOn(4, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(state.memoryImage, before);

    prompter.dialogScripts.push_back([](QDialog& dialog) {
        auto* destination = dialog.findChild<QLineEdit*>(QStringLiteral("txtDest"));
        destination->clear();
        QTest::keyClick(destination, Qt::Key_Return);
        return dialog.result();
    });
    pressOn(4, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(cell(4, ChannelGrid::kTxFreqCol), "");
    EXPECT_EQ(cell(4, ChannelGrid::kEncodeCol), "");
    for (int row : {4, 5, 6, 7, 10, 11}) EXPECT_EQ(byte(row, 4), 0xFF) << "row " << row;
    EXPECT_TRUE(state.memoryImage.bit(kEntryFlagsRow, 3, kTxEntry));
}

TEST_F(ChannelShortcutsTest, ToneCopyStoresTheChosenEntryAsEncode)
{
    startOn(kBand136To174);
    putChannel(1, "145.00000", 1);
    StoreFreq(state.memoryImage, 0, kTxFreqRow, "146.00000");
    StoreTone(state.memoryImage, 0, "D023N", kDecodeToneOffset);
    window->document().RenderChannelRow(1);
    prompter.dialogScripts.push_back([](QDialog& dialog) {
        auto* list = dialog.findChild<QComboBox*>(QStringLiteral("cboCode"));
        EXPECT_EQ(list->currentText(), "D023N");
        EXPECT_EQ(list->count(), 261);
        EXPECT_FALSE(list->isEditable());
        list->setCurrentIndex(list->findText(QStringLiteral("88.5")));
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        return dialog.result();
    });
    pressOn(1, Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_EQ(cell(1, ChannelGrid::kEncodeCol), "88.5");
    EXPECT_EQ(ChannelToneText(state.memoryImage, 0, kEncodeToneOffset, state.toneListLast), "88.5");
}

TEST_F(ChannelShortcutsTest, HiddenGestureOpensTheMemoryMapAndTheGridFollowsItsEdits)
{
    startOn(kBand136To174);
    QHeaderView* header = grid().horizontalHeader();
    const QPoint corner(header->sectionPosition(0) + 3, header->height() / 2);
    const QPoint nextHeader(header->sectionPosition(1) + 3, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::RightButton, Qt::ControlModifier, corner);
    QTest::mouseClick(header->viewport(), Qt::RightButton, Qt::ControlModifier | Qt::ShiftModifier,
                      nextHeader);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier, corner);
    EXPECT_TRUE(prompter.dialogsShown.empty());

    prompter.dialogScripts.push_back([](QDialog& dialog) {
        // Channel 2's RX frequency is addresses 0x010..0x013: 145.12500.
        auto* map = dialog.findChild<QTableWidget*>(QStringLiteral("msgMemory"));
        const char* bytes[] = {"00", "25", "51", "14"};
        for (int i = 0; i < 4; ++i) map->item(1, i)->setText(QString::fromLatin1(bytes[i]));
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        return dialog.result();
    });
    QTest::mouseClick(header->viewport(), Qt::RightButton, Qt::ControlModifier | Qt::ShiftModifier, corner);
    ASSERT_EQ(prompter.dialogsShown, std::vector<QString>{"frmMemoryMap"});
    EXPECT_EQ(cell(2, ChannelGrid::kRxFreqCol), "145.12500");
}

TEST_F(ChannelShortcutsTest, OptionalFeaturesCommandWritesOnlyOnOk)
{
    startOn(kBand136To174);
    QAction* command = window->findChild<QAction*>(QStringLiteral("mnuProgram_OptFeatures"));
    ASSERT_NE(command, nullptr);
    prompter.dialogScripts.push_back([](QDialog& dialog) {
        dialog.findChild<QComboBox*>(QStringLiteral("cboFeatureGen_2"))->setCurrentIndex(7);
        dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        return dialog.result();
    });
    command->trigger();
    EXPECT_EQ(byte(kSquelchRow, kSettingsColumn + 1), 4);
    prompter.dialogScripts.push_back([](QDialog& dialog) {
        dialog.findChild<QComboBox*>(QStringLiteral("cboFeatureGen_2"))->setCurrentIndex(7);
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        return dialog.result();
    });
    command->trigger();
    EXPECT_EQ(prompter.dialogsShown, (std::vector<QString>{"frmOptFeatures", "frmOptFeatures"}));
    EXPECT_EQ(byte(kSquelchRow, kSettingsColumn + 1), 7);
}

}  // namespace
