#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include "KeyInput.h"
#include "core/Layout.h"
#include "ui/dialogs/frmMemoryMap.h"

namespace {

MemoryImage patternedImage()
{
    MemoryImage image;
    for (int i = 0; i < MemoryImage::kSize; ++i) image.bytes()[i] = static_cast<std::uint8_t>(i * 37 + 11);
    return image;
}

class MemoryMapDialog : public testing::Test {
protected:
    void SetUp() override
    {
        image = patternedImage();
        original = image;
        dialog = std::make_unique<frmMemoryMap>(image);
        ASSERT_TRUE(keyinput::showActive(dialog.get()));
        grid = dialog->findChild<QTableWidget*>(QStringLiteral("msgMemory"));
        editor = dialog->findChild<QLineEdit*>(QStringLiteral("txtMemory"));
        ASSERT_NE(grid, nullptr);
        ASSERT_NE(editor, nullptr);
        grid->setFocus();
    }

    QString cell(int address) const { return grid->item(address / 16, address % 16)->text(); }
    void select(int address) { grid->setCurrentCell(address / 16, address % 16); }
    void key(Qt::Key k) { keyinput::key(k); }
    void type(const char* keys) { keyinput::type(QString::fromLatin1(keys)); }
    void pressOk() { dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click(); }

    MemoryImage image;
    MemoryImage original;
    std::unique_ptr<frmMemoryMap> dialog;
    QTableWidget* grid = nullptr;
    QLineEdit* editor = nullptr;
};

TEST_F(MemoryMapDialog, ShowsTheImageInRadioAddressOrder)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Memory Map"));
    ASSERT_EQ(grid->rowCount(), 256);
    ASSERT_EQ(grid->columnCount(), 16);
    EXPECT_EQ(grid->verticalHeaderItem(0)->text(), QStringLiteral("000_"));
    EXPECT_EQ(grid->verticalHeaderItem(16)->text(), QStringLiteral("010_"));
    EXPECT_EQ(grid->verticalHeaderItem(255)->text(), QStringLiteral("0FF_"));
    EXPECT_EQ(grid->horizontalHeaderItem(10)->text(), QStringLiteral("A"));

    // The band code (row 10, column 128) is address 0x80A: grid row 129, column 11.
    image.set(layout::kBandRow, layout::kRadioColumn, 0xF8);
    frmMemoryMap fresh(image);
    auto* freshGrid = fresh.findChild<QTableWidget*>(QStringLiteral("msgMemory"));
    EXPECT_EQ(freshGrid->item(128, 10)->text(), QStringLiteral("F8"));
    for (int address : {0x000, 0x00F, 0x010, 0x123, 0xFFF})
        EXPECT_EQ(
            freshGrid->item(address / 16, address % 16)->text(),
            QStringLiteral("%1").arg(image.at(address % 16, address / 16), 2, 16, QLatin1Char('0')).toUpper())
            << std::hex << address;
}

TEST_F(MemoryMapDialog, AddressLabelFollowsTheCurrentCell)
{
    auto* address = dialog->findChild<QLabel*>(QStringLiteral("lblAddr"));
    EXPECT_EQ(address->text(), QStringLiteral("0000"));
    select(0xABC);
    EXPECT_EQ(address->text(), QStringLiteral("0ABC"));
}

TEST_F(MemoryMapDialog, TypedDigitsAreStoredWithTheirPadding)
{
    select(0x20);
    type("7");
    ASSERT_TRUE(editor->isVisible());
    key(Qt::Key_Return);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(cell(0x20), QStringLiteral("07"));
    EXPECT_EQ(grid->currentColumn(), 1) << "Enter moves to the next cell";

    key(Qt::Key_Return);  // opens the editor on 0x21 with its text selected
    key(Qt::Key_Backspace);
    key(Qt::Key_Return);
    EXPECT_EQ(cell(0x21), QStringLiteral("FF"));

    select(0x2F);
    type("ab");
    key(Qt::Key_Return);
    EXPECT_EQ(cell(0x2F), QStringLiteral("AB"));
    EXPECT_EQ(grid->currentRow(), 3);
    EXPECT_EQ(grid->currentColumn(), 0) << "Enter in column F goes to the next row";
}

TEST_F(MemoryMapDialog, EditorRefusesAThirdDigitAndNonHexCharacters)
{
    select(0x30);
    type("1");
    type("g-z 2");
    EXPECT_EQ(editor->text(), QStringLiteral("12"));
    type("3");
    EXPECT_EQ(editor->text(), QStringLiteral("12"));
    editor->selectAll();
    type("C");
    EXPECT_EQ(editor->text(), QStringLiteral("C"));
}

TEST_F(MemoryMapDialog, EscapeAndScrollingAbandonTheEdit)
{
    const QString before = cell(0x40);
    select(0x40);
    type("5");
    key(Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(cell(0x40), before);
    EXPECT_TRUE(dialog->isVisible()) << "Esc in the editor must not cancel the dialog";

    type("6");
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->value() + 20);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(cell(0x40), before);
}

TEST_F(MemoryMapDialog, MovingKeysInTheEditorAndEscapeWithoutOneKeepTheWork)
{
    select(0x60);
    type("9");
    for (Qt::Key k : {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown}) key(k);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(grid->currentRow(), 6);
    EXPECT_EQ(grid->currentColumn(), 0);
    key(Qt::Key_Return);
    EXPECT_EQ(cell(0x60), QStringLiteral("09"));

    key(Qt::Key_Escape);  // no editor open
    EXPECT_TRUE(dialog->isVisible());
    pressOk();
    EXPECT_EQ(image.at(0, 6), 0x09);
}

TEST_F(MemoryMapDialog, SwitchingToAnotherWindowKeepsTheEditOpen)
{
    const QString before = cell(0x50);
    select(0x50);
    type("7");
    QWidget other;
    ASSERT_TRUE(keyinput::showActive(&other));
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(cell(0x50), before);

    ASSERT_TRUE(keyinput::showActive(dialog.get()));
    type("A");
    key(Qt::Key_Return);
    EXPECT_EQ(cell(0x50), QStringLiteral("7A"));
}

TEST_F(MemoryMapDialog, EnterOnTheVeryLastCellStaysThere)
{
    select(0xFFF);
    type("1");
    key(Qt::Key_Return);
    EXPECT_EQ(cell(0xFFF), QStringLiteral("01"));
    EXPECT_EQ(grid->currentRow(), 255);
    EXPECT_EQ(grid->currentColumn(), 15);
}

TEST_F(MemoryMapDialog, OkWritesEveryByteAndCancelNone)
{
    pressOk();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(image, original) << "OK without edits rewrites identical bytes";

    frmMemoryMap second(image);
    auto* secondGrid = second.findChild<QTableWidget*>(QStringLiteral("msgMemory"));
    secondGrid->item(128, 10)->setText(QStringLiteral("F8"));
    second.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    EXPECT_EQ(image, original);
}

TEST_F(MemoryMapDialog, OkStoresAnEditAtItsImagePosition)
{
    select(0x80A);
    type("f8");
    key(Qt::Key_Return);
    select(0x80B);
    type("3");  // still open when OK is pressed: committed first
    pressOk();
    MemoryImage expected = original;
    expected.set(10, 128, 0xF8);
    expected.set(11, 128, 0x03);
    EXPECT_EQ(image, expected);
}

}  // namespace
