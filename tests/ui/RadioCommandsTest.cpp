#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

#include "CommandsFixture.h"
#include "core/BandTable.h"
#include "core/DocumentState.h"
#include "platform/Backups.h"
#include "platform/DataFileStore.h"
#include "ui/main/CellEditing.h"
#include "ui/main/DocumentCommands.h"
#include "ui/main/GeneralPanel.h"
#include "ui/main/MainMenus.h"
#include "ui/main/RadioCommands.h"

namespace {

using Button = Prompter::Button;

class RadioCommandsTest : public CommandsFixture {
protected:
    void SetUp() override
    {
        CommandsFixture::SetUp();
        window->radioCommands().setPortFactory([this] { return std::make_unique<RadioModelPort>(line); });
    }

    void trigger(const char* action) { window->findChild<QAction*>(action)->trigger(); }

    // The radio holds `image` at addresses 0x000..0x83F.
    void LoadRadio(const MemoryImage& image)
    {
        for (int a = 0; a < RadioModel::kMemorySize; ++a) line.radio.memory()[a] = image.atAddress(a);
    }
    // The transfer window runs for real, modally, until it closes itself.
    void RunTransferWindow()
    {
        prompter.dialogScripts.push_back([](QDialog& dialog) { return dialog.exec(); });
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> out;
        for (const QString& t : prompter.texts()) out.push_back(t.toStdString());
        return out;
    }

    FakeLine line;
};

TEST_F(RadioCommandsTest, CompletedReadReplacesTheDocumentAndCountsAsSaved)
{
    MemoryImage radioImage = freshImage;
    PutChannel(radioImage, 1, "245.12500", "246.00000");
    PutChannel(radioImage, 128, "259.99000");
    PutChannel(radioImage, 3, "150.00000");  // outside the band: erased when shown
    LoadRadio(radioImage);
    EditChannel(5, "241.00000");

    prompter.answers = {Button::No, Button::Ok};  // do not save first; go ahead
    RunTransferWindow();
    trigger("mnuProgram_Read");

    ASSERT_GE(prompter.asked.size(), 3u);
    EXPECT_EQ(prompter.asked[0].text.toStdString(), "File has been modified, save it now?");
    EXPECT_EQ(prompter.asked[1].text.toStdString(), "Read data from radio.\r\nDo you wish to continue?");
    EXPECT_EQ(prompter.asked[1].title.toStdString(), "ZQ-915");
    EXPECT_EQ(prompter.asked[1].icon, Prompter::Icon::Question);
    EXPECT_EQ(prompter.asked[1].buttons, Prompter::Buttons::OkCancel);
    EXPECT_EQ(prompter.asked.back().text.toStdString(), "Reading completed!");
    EXPECT_EQ(prompter.dialogsShown, std::vector<QString>{QStringLiteral("frmClone")});
    EXPECT_EQ(state.transferMode, 0);
    EXPECT_EQ(line.opened, QStringList({QStringLiteral("COM1"), QStringLiteral("COM1")}));

    EXPECT_EQ(grid().cellText(1, ChannelGrid::kRxFreqCol), "245.12500");
    EXPECT_EQ(grid().cellText(1, ChannelGrid::kTxFreqCol), "246.00000");
    EXPECT_EQ(grid().cellText(128, ChannelGrid::kRxFreqCol), "259.99000");
    EXPECT_TRUE(grid().cellEmpty(5, ChannelGrid::kRxFreqCol));
    EXPECT_TRUE(grid().cellEmpty(3, ChannelGrid::kRxFreqCol));
    EXPECT_EQ(state.memoryImage.at(layout::kRxFreqRow, 2), layout::kEmpty);
    for (int a : {0x000, 0x7FF, 0x83F})
        EXPECT_EQ(state.memoryImage.atAddress(a), radioImage.atAddress(a)) << a;
    EXPECT_FALSE(IsModified(state));
    EXPECT_EQ(window->windowTitle().toStdString(), BuildTitle("Untitled"));
}

TEST_F(RadioCommandsTest, ReadOfASmallBandRadioSwitchesTheLayout)
{
    MemoryImage radioImage = freshImage;
    radioImage.set(layout::kBandRow, layout::kRadioColumn, kSmallBandCode);
    PutChannel(radioImage, 2, "446.00625");
    LoadRadio(radioImage);
    prompter.answers = {Button::Ok};
    RunTransferWindow();
    window->radioCommands().Read();

    EXPECT_EQ(grid().rowCount(), 8);
    EXPECT_EQ(window->document().cellEditing().toneEditor()->count(), 39);
    EXPECT_EQ(window->document().generalPanel().selection().band, 10);
    EXPECT_EQ(state.bandUpperMHz, 447);
    EXPECT_EQ(grid().cellText(2, ChannelGrid::kRxFreqCol), "446.00625");
    EXPECT_FALSE(IsModified(state));
}

TEST_F(RadioCommandsTest, CompletedReadIsBackedUpAsReadAndAFailedBackupOnlySaysSo)
{
    QDir(backups::folder()).removeRecursively();
    MemoryImage radioImage = freshImage;
    PutChannel(radioImage, 3, "150.00000");  // outside the band: erased when shown, kept in the backup
    LoadRadio(radioImage);
    prompter.answers = {Button::Ok};
    RunTransferWindow();
    window->radioCommands().Read();

    QDir folder(backups::folder());
    const QStringList names = folder.entryList(QDir::Files);
    ASSERT_EQ(names.size(), 1);
    const LoadedDataFile backup = LoadDataFileFrom(folder.filePath(names[0]));
    ASSERT_TRUE(backup.image);
    EXPECT_EQ(FreqToText(*backup.image, 2, layout::kRxFreqRow), "150.00000");
    EXPECT_TRUE(window->statusBar()->currentMessage().isEmpty());

    // A file where the folder should be: the read still completes.
    ASSERT_TRUE(folder.removeRecursively());
    QFile blocker(backups::folder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    prompter.answers = {Button::Ok};
    RunTransferWindow();
    window->radioCommands().Read();
    EXPECT_EQ(prompter.asked.back().text.toStdString(), "Reading completed!");
    EXPECT_TRUE(
        window->statusBar()->currentMessage().startsWith("The backup of this read could not be written"));
    blocker.remove();
}

TEST_F(RadioCommandsTest, IncompleteReadLeavesTheDocumentAndItsUnsavedChanges)
{
    MemoryImage radioImage = freshImage;
    PutChannel(radioImage, 1, "255.00000");
    LoadRadio(radioImage);
    line.radio.addFault({RadioModel::FaultKind::HangUp, 2 + 100});
    EditChannel(1, "241.00000");
    const MemoryImage before = state.memoryImage;

    // Do not save first; go ahead; Cancel at "Check Connection".
    prompter.answers = {Button::No, Button::Ok, Button::Cancel};
    RunTransferWindow();
    window->radioCommands().Read();

    EXPECT_EQ(Texts()[2], "Check Connection. Retry or Cancel?");
    EXPECT_EQ(state.memoryImage, before);
    EXPECT_TRUE(IsModified(state));
    EXPECT_EQ(grid().cellText(1, ChannelGrid::kRxFreqCol), "241.00000");
}

TEST_F(RadioCommandsTest, ReadAfterOpenAsksToSaveFirstAndLeavesAnUntitledDocument)
{
    window->documentCommands().OpenPath(WriteDataFile(QStringLiteral("work1.dat"), freshImage));
    EditChannel(1, "241.00000");
    prompter.answers = {Button::Cancel};
    window->radioCommands().Read();
    EXPECT_EQ(prompter.asked.size(), 1u) << "Cancel ends the command before its own question";

    prompter.answers = {Button::No, Button::Ok};
    RunTransferWindow();
    window->radioCommands().Read();
    EXPECT_EQ(state.documentPath, "Untitled") << "Save must not overwrite work1.dat with the radio unasked";
}

TEST_F(RadioCommandsTest, CompletedWriteSendsTheDocumentAndTakesNoSnapshot)
{
    EditChannel(7, "247.50000");
    prompter.answers = {Button::Ok};
    RunTransferWindow();
    trigger("mnuProgram_Write");

    EXPECT_EQ(prompter.asked[0].text.toStdString(), "Write data to radio.\r\nDo you wish to continue?");
    EXPECT_EQ(prompter.asked.back().text.toStdString(), "Writing completed!");
    EXPECT_EQ(state.transferMode, 1);
    for (int a = 0; a < RadioModel::kMemorySize; ++a) {
        ASSERT_EQ(line.radio.memory()[a], state.memoryImage.atAddress(a)) << a;
    }
    EXPECT_TRUE(IsModified(state));
}

class VerifyAfterWrite : public RadioCommandsTest {
protected:
    // Writes with Verify after Write chosen in the menu; the transfer window
    // runs for real and its phase labels are kept.
    void WriteAndVerify()
    {
        trigger("mnuProgram_Verify");
        EditChannel(7, "247.50000");
        document = state.memoryImage;
        prompter.answers = {Button::Ok};
        prompter.dialogScripts.push_back([this](QDialog& dialog) {
            auto* label = dialog.findChild<QLabel*>(QStringLiteral("lblPercent"));
            labels << label->text();
            const int result = dialog.exec();
            labels << label->text();
            return result;
        });
        trigger("mnuProgram_Write");
    }

    MemoryImage document;
    QStringList labels;  // before the write and after the read-back
};

TEST_F(VerifyAfterWrite, ReadBackConfirmsTheRadioAndLeavesTheDocument)
{
    WriteAndVerify();
    EXPECT_EQ(labels, (QStringList{"Writing - Completion percentage:  0%",
                                   "Verifying - Completion percentage: 100%"}));
    EXPECT_EQ(Texts().back(), "Writing completed and verified: the radio holds what was written.");
    EXPECT_EQ(prompter.asked.back().icon, Prompter::Icon::Information);
    EXPECT_EQ(line.opened.size(), 3) << "probe, write, read-back";
    EXPECT_EQ(line.radio.messages().back(), std::vector<std::uint8_t>{'E'});
    EXPECT_EQ(state.memoryImage, document);
    EXPECT_TRUE(IsModified(state));
}

TEST_F(VerifyAfterWrite, CorruptedByteNamesItsChannelAndAddress)
{
    // Channel 7 is stored at 0x060..0x06F; its RX frequency's lowest byte comes first.
    line.radio.addFault({RadioModel::FaultKind::Corrupt, 2 + 0x060 / 8});
    WriteAndVerify();
    EXPECT_EQ(Texts().back(), "Verification failed at CH 7, address 0x060: written 00, read FF.");
    EXPECT_EQ(prompter.asked.back().icon, Prompter::Icon::Critical);
    EXPECT_EQ(state.memoryImage, document) << "the read-back never replaces the document";
}

struct CommandCase {
    const char* name;
    const char* action;
};

class PortProbe : public RadioCommandsTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(PortProbe, UnusablePortIsReportedBeforeAnyQuestion)
{
    line.refuseOpen = true;
    state.transferMode = 7;
    trigger(GetParam().action);
    ASSERT_EQ(prompter.asked.size(), 1u);
    // The port's own reason follows on a second line.
    EXPECT_EQ(prompter.asked[0].text.toStdString(), "Cannot Open Communication Port.\nPermission denied");
    EXPECT_EQ(prompter.asked[0].title.toStdString(), "ZQ-915");
    EXPECT_EQ(prompter.asked[0].icon, Prompter::Icon::Critical);
    EXPECT_TRUE(prompter.dialogsShown.empty());
    EXPECT_EQ(state.transferMode, 7);
}

INSTANTIATE_TEST_SUITE_P(Commands, PortProbe,
                         ::testing::Values(CommandCase{"Read", "mnuProgram_Read"},
                                           CommandCase{"Write", "mnuProgram_Write"},
                                           CommandCase{"Test", "mnuProgram_Test"}),
                         [](const auto& info) { return std::string(info.param.name); });

class CancelledQuestion : public RadioCommandsTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(CancelledQuestion, OpensNothingAndKeepsTheTransferMode)
{
    state.transferMode = 2;
    prompter.answers = {Button::Cancel};
    trigger(GetParam().action);
    EXPECT_EQ(prompter.asked.size(), 1u);
    EXPECT_TRUE(prompter.dialogsShown.empty());
    EXPECT_EQ(state.transferMode, 2);
    EXPECT_EQ(line.opened.size(), 1);  // the probe only
}

INSTANTIATE_TEST_SUITE_P(Commands, CancelledQuestion,
                         ::testing::Values(CommandCase{"Read", "mnuProgram_Read"},
                                           CommandCase{"Write", "mnuProgram_Write"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RadioCommandsTest, TuningOpensTheTestWindowWithoutAQuestion)
{
    prompter.dialogScripts.push_back([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), "Form1");
        return int(QDialog::Rejected);
    });
    trigger("mnuProgram_Test");
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(prompter.dialogsShown, std::vector<QString>{QStringLiteral("frmTest")});
    EXPECT_EQ(state.transferMode, 2);
}

TEST_F(RadioCommandsTest, PortChosenInTheDialogIsTheOneTransfersOpen)
{
    prompter.dialogScripts.push_back([](QDialog& dialog) {
        dialog.findChild<QRadioButton*>(QStringLiteral("optCOM_2"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        return dialog.result();
    });
    trigger("mnuSetup_CommPort");
    EXPECT_EQ(prompter.dialogsShown, std::vector<QString>{QStringLiteral("frmCommPort")});
    EXPECT_EQ(state.commPortNumber, 3);

    prompter.dialogScripts.push_back([](QDialog& dialog) {
        dialog.findChild<QComboBox*>(QStringLiteral("cboDevice"))->setEditText(QStringLiteral("/dev/pts/5"));
        dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        return dialog.result();
    });
    trigger("mnuSetup_CommPort");
    EXPECT_TRUE(state.commPortDevice.empty());

    prompter.answers = {Button::Cancel};
    trigger("mnuProgram_Read");
    EXPECT_EQ(line.opened, QStringList{QStringLiteral("COM3")});

    prompter.dialogScripts.push_back([](QDialog& dialog) {
        dialog.findChild<QComboBox*>(QStringLiteral("cboDevice"))->setEditText(QStringLiteral("/dev/pts/5"));
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        return dialog.result();
    });
    trigger("mnuSetup_CommPort");
    prompter.answers = {Button::Cancel};
    trigger("mnuProgram_Write");
    EXPECT_EQ(line.opened.last(), QStringLiteral("/dev/pts/5"));
}

}  // namespace
