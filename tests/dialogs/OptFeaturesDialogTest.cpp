#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

#include "KeyInput.h"
#include "core/Layout.h"
#include "strings/Strings.h"
#include "support/NewDocumentFor.h"
#include "ui/dialogs/frmOptFeatures.h"

namespace {

using namespace layout;

MemoryImage allFFImage()
{
    MemoryImage image;
    image.fill(kEmpty);
    return image;
}

// What the dialog shows, as a user reads it.
struct Shown {
    QString timeOut, squelch, chord, voxGain, voxDelay;
    bool beep, battery, scrambler;
    QString ani, name;
    bool bot, eot;
    friend bool operator==(const Shown&, const Shown&) = default;
};

void PrintTo(const Shown& s, std::ostream* os)
{
    *os << s.timeOut.toStdString() << '/' << s.squelch.toStdString() << '/' << s.chord.toStdString() << '/'
        << s.voxGain.toStdString() << '/' << s.voxDelay.toStdString() << " beep " << s.beep << " battery "
        << s.battery << " scrambler " << s.scrambler << " ani '" << s.ani.toStdString() << "' name '"
        << s.name.toStdString() << "' bot " << s.bot << " eot " << s.eot;
}

class OptFeaturesDialog : public testing::Test {
protected:
    void TearDown() override { SetLanguageIndex(0); }

    void open(const MemoryImage& start)
    {
        image = start;
        dialog = std::make_unique<frmOptFeatures>(image);
    }
    template <typename T>
    T* child(const char* name) const
    {
        T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString list(const char* name) const { return child<QComboBox>(name)->currentText(); }
    bool checked(const char* name) const { return child<QCheckBox>(name)->isChecked(); }
    Shown shown() const
    {
        return {list("cboFeatureGen_1"),
                list("cboFeatureGen_2"),
                list("cboFeatureGen_3"),
                list("cboFeatureVox_1"),
                list("cboFeatureVox_2"),
                checked("chkFeatureGen_1"),
                checked("chkFeatureGen_2"),
                checked("chkFeatureGen_3"),
                child<QLineEdit>("txtPTTID_Ani")->text(),
                child<QLineEdit>("txtPTTID_Name")->text(),
                checked("chkFeaturePTTID_1"),
                checked("chkFeaturePTTID_2")};
    }
    void typeInto(const char* name, const QString& text)
    {
        QWidget* box = child<QWidget>(name);
        box->setFocus();
        keyinput::type(text);
    }
    void pressOk() { child<QPushButton>("cmdOK")->click(); }

    MemoryImage image;
    std::unique_ptr<frmOptFeatures> dialog;
};

TEST_F(OptFeaturesDialog, OpensWithTheValuesOfTheImage)
{
    open(allFFImage());
    EXPECT_EQ(shown(), (Shown{"Off", "0", "Chinese", "Off", "0.3", true, true, true, "", "", true, true}));

    open(NewDocumentFor().memoryImage);
    EXPECT_EQ(shown(), (Shown{"60", "4", "Chinese", "9", "0.3", true, true, true, "", "", false, false}));

    MemoryImage chordOne = NewDocumentFor().memoryImage;
    chordOne.set(kGeneralFlagsRow, kSettingsColumn, static_cast<std::uint8_t>((215 & ~0x03) | 0x01));
    open(chordOne);
    EXPECT_EQ(list("cboFeatureGen_3"), QStringLiteral("Off"));
    pressOk();
    EXPECT_EQ(image.at(kGeneralFlagsRow, kSettingsColumn) & 0x03, 0);
}

TEST_F(OptFeaturesDialog, CaptionsFollowTheLanguage)
{
    SetLanguageIndex(1);
    open(NewDocumentFor().memoryImage);
    EXPECT_EQ(dialog->windowTitle().toStdString(), Text(TextId::OptionalFeatures));
    EXPECT_EQ(child<QGroupBox>("fraVOX")->title().toStdString(), Text(TextId::Vox));
    EXPECT_EQ(list("cboFeatureGen_1").toStdString(), "60");
    EXPECT_EQ(list("cboFeatureGen_3").toStdString(), Text(TextId::Chinese));
    EXPECT_NE(dialog->windowTitle(), QStringLiteral("Optional Features"));
}

TEST_F(OptFeaturesDialog, NameIsUpperCasedAndCutAtTheFirstUnstorableCharacter)
{
    open(NewDocumentFor().memoryImage);
    ASSERT_TRUE(keyinput::showActive(dialog.get()));
    typeInto("txtPTTID_Name", QStringLiteral("ab0cd"));
    EXPECT_EQ(child<QLineEdit>("txtPTTID_Name")->text(), QStringLiteral("AB0CD"));
    pressOk();
    const std::uint8_t expected[] = {'A', 'B', 0xFF, 'C', 'D', 0xFF};
    for (int k = 0; k < kNameLength; ++k) EXPECT_EQ(image.at(k, kNameColumn), expected[k]) << "row " << k;

    dialog = std::make_unique<frmOptFeatures>(image);
    EXPECT_EQ(child<QLineEdit>("txtPTTID_Name")->text(), QStringLiteral("AB"));
}

TEST_F(OptFeaturesDialog, TextBoxFiltersRefuseWhatCannotBeStored)
{
    open(NewDocumentFor().memoryImage);
    ASSERT_TRUE(keyinput::showActive(dialog.get()));
    typeInto("txtPTTID_Name", QStringLiteral("x y!~z{12345"));
    EXPECT_EQ(child<QLineEdit>("txtPTTID_Name")->text(), QStringLiteral("XY!Z12"))
        << "space, ~ and { refused, 6 max";
    typeInto("txtPTTID_Ani", QStringLiteral("1a.2345"));
    EXPECT_EQ(child<QLineEdit>("txtPTTID_Ani")->text(), QStringLiteral("1234"));

    // The limit counts what is in the box even when it is selected.
    child<QLineEdit>("txtPTTID_Ani")->selectAll();
    keyinput::type(QStringLiteral("9"));
    EXPECT_EQ(child<QLineEdit>("txtPTTID_Ani")->text(), QStringLiteral("1234"));
}

TEST_F(OptFeaturesDialog, PasteObeysTheFiltersAndLengths)
{
    open(NewDocumentFor().memoryImage);
    ASSERT_TRUE(keyinput::showActive(dialog.get()));
    auto* ani = child<QLineEdit>("txtPTTID_Ani");
    auto* name = child<QLineEdit>("txtPTTID_Name");
    QGuiApplication::clipboard()->setText(QStringLiteral("12"));
    ani->setFocus();
    keyinput::press(ani, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    EXPECT_EQ(ani->text(), QString());
    for (int i = 0; i < 3; ++i) ani->paste();  // as a middle click does; the third is too long
    EXPECT_EQ(ani->text(), QStringLiteral("1212"));

    QGuiApplication::clipboard()->setText(QStringLiteral("ab c"));
    name->paste();
    EXPECT_EQ(name->text(), QString()) << "a space is no name character";
    QGuiApplication::clipboard()->setText(QStringLiteral("ab!c"));
    name->paste();
    EXPECT_EQ(name->text(), QStringLiteral("AB!C"));
}

TEST_F(OptFeaturesDialog, AniOfTwoDigitsIsEndMarked)
{
    open(allFFImage());
    ASSERT_TRUE(keyinput::showActive(dialog.get()));
    typeInto("txtPTTID_Ani", QStringLiteral("12"));
    pressOk();
    EXPECT_EQ(image.at(0, kAniColumn), '1');
    EXPECT_EQ(image.at(1, kAniColumn), '2');
    EXPECT_EQ(image.at(2, kAniColumn), 0xFF);
    EXPECT_EQ(image.at(3, kAniColumn), 0xFF);
}

TEST_F(OptFeaturesDialog, TextTypedIntoAListStoresItsFirstChoice)
{
    open(NewDocumentFor().memoryImage);
    ASSERT_TRUE(keyinput::showActive(dialog.get()));
    child<QComboBox>("cboFeatureGen_1")->setEditText(QStringLiteral("45"));
    child<QComboBox>("cboFeatureGen_3")->setEditText(QStringLiteral("French"));
    child<QComboBox>("cboFeatureVox_2")->lineEdit()->clear();
    typeInto("cboFeatureGen_2", QStringLiteral("xyz"));
    keyinput::key(Qt::Key_Return);  // nothing is added to the list, OK is not pressed
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(child<QComboBox>("cboFeatureGen_2")->count(), 10);
    MemoryImage before = image;
    before.set(kVoxDelayRow, kSettingsColumn, 3);
    image.set(kVoxDelayRow, kSettingsColumn, 3);
    pressOk();
    EXPECT_EQ(image.at(kTimeOutTimerRow, kSettingsColumn), 0);
    EXPECT_EQ(image.at(kSquelchRow, kSettingsColumn), 0);
    EXPECT_EQ(image.at(kGeneralFlagsRow, kSettingsColumn) & 0x03, 0);
    EXPECT_EQ(image.at(kVoxDelayRow, kSettingsColumn), 0);
    EXPECT_EQ(image.at(kVoxGainRow, kSettingsColumn), before.at(kVoxGainRow, kSettingsColumn));
}

TEST_F(OptFeaturesDialog, OkChangesOnlyTheFeatureBitsItOwns)
{
    MemoryImage start = NewDocumentFor().memoryImage;
    start.set(kPttIdEdgeRow, kSettingsColumn, 0xCF);     // every unowned bit set, BOT/EOT clear
    start.set(kGeneralFlagsRow, kSettingsColumn, 0x28);  // unowned bits 3 and 5 set, bit 7 clear
    open(start);
    child<QCheckBox>("chkFeaturePTTID_1")->setChecked(true);
    child<QCheckBox>("chkFeatureGen_1")->setChecked(true);
    child<QComboBox>("cboFeatureGen_3")->setCurrentIndex(1);
    pressOk();
    EXPECT_EQ(image.at(kPttIdEdgeRow, kSettingsColumn), 0xCF | kPttIdBot);
    EXPECT_EQ(image.at(kGeneralFlagsRow, kSettingsColumn), 0x28 | kBeepTone | kChordLanguageOn);
    for (int column : {0, 127, 128, 132, 255})
        for (int row = 0; row < 16; ++row)
            EXPECT_EQ(image.at(row, column), start.at(row, column)) << row << ',' << column;
}

TEST_F(OptFeaturesDialog, OkWithoutChangesLeavesTheDocumentUnmodified)
{
    MemoryImage start = NewDocumentFor().memoryImage;
    const char ani[] = "907";
    for (int k = 0; k < 3; ++k) start.set(k, kAniColumn, static_cast<std::uint8_t>(ani[k]));
    start.set(0, kNameColumn, 'Q');
    start.set(kGeneralFlagsRow, kSettingsColumn, 0x83);  // Chinese, the three boxes off
    open(start);
    pressOk();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(image, start);
}

TEST_F(OptFeaturesDialog, CancelEscapeAndCloseBoxWriteNothing)
{
    for (int way = 0; way < 3; ++way) {
        open(NewDocumentFor().memoryImage);
        ASSERT_TRUE(keyinput::showActive(dialog.get()));
        child<QComboBox>("cboFeatureGen_2")->setCurrentIndex(9);
        child<QCheckBox>("chkFeaturePTTID_2")->setChecked(true);
        child<QLineEdit>("txtPTTID_Ani")->setText(QStringLiteral("55"));
        if (way == 0) child<QPushButton>("cmdCancel")->click();
        if (way == 1) {
            child<QComboBox>("cboFeatureGen_1")->setFocus();
            keyinput::key(Qt::Key_Escape);
        }
        if (way == 2) dialog->close();
        EXPECT_FALSE(dialog->isVisible()) << "way " << way;
        EXPECT_EQ(dialog->result(), QDialog::Rejected) << "way " << way;
        EXPECT_EQ(image, NewDocumentFor().memoryImage) << "way " << way;
    }
}

TEST_F(OptFeaturesDialog, EnterMovesOnFromTheTextBoxesAndNeverPressesOk)
{
    open(NewDocumentFor().memoryImage);
    ASSERT_TRUE(keyinput::showActive(dialog.get()));
    child<QLineEdit>("txtPTTID_Ani")->setFocus();
    keyinput::key(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>("chkFeaturePTTID_1"));
    child<QLineEdit>("txtPTTID_Name")->setFocus();
    keyinput::key(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>("chkFeaturePTTID_2"));
    child<QPushButton>("cmdOK")->setFocus();
    keyinput::key(Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(child<QPushButton>("cmdOK")->isDefault());
}

TEST_F(OptFeaturesDialog, TabVisitsTheControlsInOrder)
{
    open(NewDocumentFor().memoryImage);
    ASSERT_TRUE(keyinput::showActive(dialog.get()));
    const char* order[] = {"cboFeatureGen_1", "cboFeatureGen_2",   "cboFeatureGen_3", "chkFeatureGen_1",
                           "chkFeatureGen_2", "chkFeatureGen_3",   "cboFeatureVox_1", "cboFeatureVox_2",
                           "txtPTTID_Ani",    "chkFeaturePTTID_1", "txtPTTID_Name",   "chkFeaturePTTID_2",
                           "cmdOK",           "cmdCancel"};
    child<QWidget>(order[0])->setFocus();
    for (std::size_t i = 1; i < std::size(order); ++i) {
        keyinput::key(Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        // An editable list's focus sits on its line edit.
        if (focused && focused->parentWidget() && qobject_cast<QComboBox*>(focused->parentWidget()))
            focused = focused->parentWidget();
        ASSERT_EQ(focused, child<QWidget>(order[i])) << "after " << order[i - 1];
    }
}

}  // namespace
