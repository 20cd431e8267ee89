#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/AppState.h"
#include "core/ChannelCopy.h"
#include "strings/Strings.h"
#include "support/ScriptedPrompter.h"
#include "ui/main/frmCopy.h"

namespace {

class CopyDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        state.memoryImage.fill(0xFF);
        state.bandLowerMHz = 136;
        state.bandUpperMHz = 174;
        state.currentRow = 12;
    }

    void open(std::uint8_t mode)
    {
        state.copyMode = mode;
        dialog = std::make_unique<frmCopy>(state, prompter, frmCopy::Source{"145.25000", "D754I"},
                                           [this](int channel) { rendered.push_back(channel); });
    }
    template <typename T>
    T* child(const char* name)
    {
        T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* destination() { return child<QLineEdit>("txtDest"); }
    // Replaces the destination text by typing.
    void retype(const char* text)
    {
        destination()->clear();
        QTest::keyClicks(destination(), QString::fromLatin1(text));
    }

    AppState state;
    ScriptedPrompter prompter;
    std::vector<int> rendered;
    std::unique_ptr<frmCopy> dialog;
};

struct ModeCase {
    const char* name;
    std::uint8_t mode;
    const char* caption;
    const char* sourceLabel;
    const char* destinationLabel;
    const char* source;
};

class CopyDialogModes : public CopyDialogTest, public testing::WithParamInterface<ModeCase> {};

TEST_P(CopyDialogModes, CaptionsAndStartingTextsFollowTheMode)
{
    const ModeCase& c = GetParam();
    open(c.mode);
    EXPECT_EQ(dialog->windowTitle(), c.caption);
    EXPECT_EQ(child<QLabel>("lbl1")->text(), c.sourceLabel);
    EXPECT_EQ(child<QLabel>("lbl2")->text(), "to");
    EXPECT_EQ(child<QLabel>("lbl3")->text(), c.destinationLabel);
    EXPECT_EQ(child<QLabel>("lblSource")->text(), c.source);
    EXPECT_EQ(child<QPushButton>("cmdOK")->text(), "&OK");
    const bool list = c.mode == kCopyTone;
    EXPECT_EQ(destination()->isHidden(), list);
    EXPECT_EQ(child<QComboBox>("cboCode")->isHidden(), !list);
    if (list)
        EXPECT_EQ(child<QComboBox>("cboCode")->currentText(), c.source);
    else {
        EXPECT_EQ(destination()->text(), c.source);
        EXPECT_EQ(destination()->selectedText(), c.source);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Captions, CopyDialogModes,
    testing::Values(ModeCase{"Channel", kCopyChannel, "Channel Copy", "Channel", "Channel", "12"},
                    ModeCase{"Frequency", kCopyFrequency, "Frequency Copy", "Receive", "Transmit",
                             "145.25000"},
                    ModeCase{"Tone", kCopyTone, "QT/DQT Copy", "Decode", "Encode", "D754I"}),
    [](const auto& info) { return info.param.name; });

TEST_F(CopyDialogTest, DestinationFiltersByMode)
{
    open(kCopyChannel);
    retype("1a.2-34");
    EXPECT_EQ(destination()->text(), "123") << "digits only, three at most";
    destination()->setSelection(2, 1);
    QTest::keyClicks(destination(), "9");
    EXPECT_EQ(destination()->text(), "129") << "a selection may be typed over";

    open(kCopyFrequency);
    retype("146.1x2-5+0012");
    EXPECT_EQ(destination()->text(), "146.12500") << "digits and point only, nine at most";
    destination()->setSelection(8, 1);
    QTest::keyClicks(destination(), "5");
    EXPECT_EQ(destination()->text(), "146.12505");
}

TEST_F(CopyDialogTest, PasteObeysTheFilterAndTheLength)
{
    open(kCopyFrequency);
    destination()->setText("145");
    destination()->end(false);
    QGuiApplication::clipboard()->setText(".5");
    QTest::keyClick(destination(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(destination(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(destination()->text(), "145") << "no paste by keyboard, as in the frequency editor";

    // A middle click, a drop or the context menu insert as paste() does.
    for (const char* refused : {"x.5", ".1250000"}) {
        QGuiApplication::clipboard()->setText(refused);
        destination()->paste();
        EXPECT_EQ(destination()->text(), "145") << refused;
    }
    QGuiApplication::clipboard()->setText(".125");
    destination()->paste();
    EXPECT_EQ(destination()->text(), "145.125");
}

TEST_F(CopyDialogTest, ChannelCopyStaysOpenForSeveralDestinations)
{
    state.channelCount = 128;
    state.memoryImage.fillColumn(11, 0x42);
    open(kCopyChannel);
    for (const char* typed : {"3", "0", "129", "", "128"}) {
        retype(typed);
        QTest::keyClick(destination(), Qt::Key_Return);
        EXPECT_EQ(destination()->text(), "12");
        EXPECT_EQ(destination()->selectedText(), "12");
    }
    EXPECT_EQ(rendered, (std::vector<int>{3, 128}));
    EXPECT_EQ(prompter.asked.size(), 3u);
    for (const auto& asked : prompter.asked) {
        EXPECT_EQ(asked.text, "Channel is out of range.");
        EXPECT_EQ(asked.icon, Prompter::Icon::Exclamation);
    }
    EXPECT_EQ(state.memoryImage.at(0, 2), 0x42);
    EXPECT_EQ(state.memoryImage.at(15, 127), 0x42);
    EXPECT_EQ(dialog->result(), QDialog::Rejected) << "still open";

    retype("999");
    child<QPushButton>("cmdOK")->click();
    EXPECT_EQ(prompter.asked.size(), 4u) << "OK copies once more, and closes even when refused";
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(CopyDialogTest, ComingBackFromAnotherWindowKeepsWhatWasTyped)
{
    open(kCopyFrequency);
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    QTest::qWait(10);
    retype("146");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    QTest::qWait(10);
    QTest::keyClicks(destination(), ".5");
    EXPECT_EQ(destination()->text(), "146.5");
}

TEST_F(CopyDialogTest, FrequencyCopyNormalisesWhatIsTyped)
{
    open(kCopyFrequency);
    retype("150.0025");
    QTest::keyClick(destination(), Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->destinationText(), "150.00000");
    EXPECT_TRUE(prompter.asked.empty());

    open(kCopyFrequency);
    retype("200");
    child<QPushButton>("cmdOK")->click();
    ASSERT_EQ(prompter.texts(), QStringList{"Frequency is out of range.\n136 - 174 MHz: 173.99500"});
    EXPECT_EQ(prompter.asked.front().title, "ZQ-915");
    EXPECT_EQ(dialog->destinationText(), "173.99500");

    open(kCopyFrequency);
    destination()->clear();
    QTest::keyClick(destination(), Qt::Key_Return);
    EXPECT_EQ(dialog->destinationText(), "");
}

TEST_F(CopyDialogTest, ToneCopyOffersOnlyTheListInForce)
{
    state.toneListLast = 38;
    open(kCopyTone);
    auto* list = child<QComboBox>("cboCode");
    EXPECT_EQ(list->count(), 39);
    EXPECT_EQ(list->itemText(0).toStdString(), Text(TextId::NoneChoice));
    EXPECT_FALSE(list->isEditable());
    EXPECT_EQ(list->currentIndex(), 0) << "D754I is not in the reduced list";
    list->setCurrentIndex(5);
    const QString chosen = list->currentText();
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->destinationText(), chosen);
}

TEST_F(CopyDialogTest, CancelLeavesNoResult)
{
    open(kCopyFrequency);
    retype("150");
    child<QPushButton>("cmdCancel")->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(rendered.empty());
}

}  // namespace
