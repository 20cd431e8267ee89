#include <sys/stat.h>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "CommandsFixture.h"
#include "core/BandTable.h"
#include "core/DocumentState.h"
#include "platform/Backups.h"
#include "ui/main/CellEditing.h"
#include "ui/main/DocumentCommands.h"
#include "ui/main/FrequencyEditor.h"
#include "ui/main/GeneralPanel.h"
#include "ui/main/MainMenus.h"

namespace {

using Button = Prompter::Button;

class DocumentCommandsTest : public CommandsFixture {
protected:
    void trigger(const char* action) { window->findChild<QAction*>(action)->trigger(); }
    std::string title() const { return window->windowTitle().toStdString(); }
    std::uint8_t band() const { return state.memoryImage.at(layout::kBandRow, layout::kRadioColumn); }

    // A document as a user leaves it: channel 1 edited, nothing saved.
    void MakeUnsavedChanges() { EditChannel(1, "245.00000"); }

    // A saved band-240 document with channel 2 at 250 MHz.
    MemoryImage SampleImage() const
    {
        MemoryImage image = freshImage;
        PutChannel(image, 2, "250.00000", "251.00000");
        return image;
    }
};

TEST_F(DocumentCommandsTest, NewAskedThenCancelledChangesNothing)
{
    MakeUnsavedChanges();
    const MemoryImage before = state.memoryImage;
    const std::string titleBefore = title();
    prompter.answers = {Button::Cancel};
    trigger("mnuFile_New");

    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text.toStdString(), "All data will be cleared.");
    EXPECT_EQ(prompter.asked[0].title.toStdString(), "Warning");
    EXPECT_EQ(prompter.asked[0].buttons, Prompter::Buttons::OkCancel);
    EXPECT_EQ(prompter.asked[0].defaultButton, Button::Cancel);
    EXPECT_EQ(state.memoryImage, before);
    EXPECT_EQ(grid().cellText(1, ChannelGrid::kRxFreqCol), "245.00000");
    EXPECT_EQ(title(), titleBefore);
    EXPECT_TRUE(IsModified(state));
}

TEST_F(DocumentCommandsTest, NewConfirmedStartsAnUntitledDocumentOfTheSameBand)
{
    const QString file = WriteDataFile(QStringLiteral("a.dat"), SampleImage());
    window->documentCommands().OpenPath(file);
    ASSERT_EQ(state.documentPath, file.toStdString());
    MakeUnsavedChanges();
    SetLanguageIndex(1);

    prompter.answers = {Button::Ok};
    trigger("mnuFile_New");

    EXPECT_EQ(state.documentPath, "Untitled");
    EXPECT_EQ(title(), BuildTitle("Untitled"));
    EXPECT_NE(title().find("Untitled"), std::string::npos);
    EXPECT_FALSE(IsModified(state));
    EXPECT_EQ(band(), 240);
    EXPECT_EQ(state.memoryImage.at(layout::kRxFreqRow, 0), layout::kEmpty);
    for (int n : {1, 2}) EXPECT_TRUE(grid().cellEmpty(n, ChannelGrid::kRxFreqCol)) << n;
}

TEST_F(DocumentCommandsTest, OpenWithUnsavedChangesCancelledShowsNoDialog)
{
    MakeUnsavedChanges();
    prompter.answers = {Button::Cancel};
    trigger("mnuFile_Open");
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text.toStdString(), "File has been modified, save it now?");
    EXPECT_EQ(prompter.asked[0].title.toStdString(), "ZQ-915");
    EXPECT_EQ(prompter.asked[0].icon, Prompter::Icon::Exclamation);
    EXPECT_EQ(prompter.asked[0].buttons, Prompter::Buttons::YesNoCancel);
    EXPECT_TRUE(prompter.fileDialogs.empty());
}

TEST_F(DocumentCommandsTest, OpenAnsweredYesOnUntitledStillOffersTheOpenDialogAfterSaveAsIsCancelled)
{
    MakeUnsavedChanges();
    prompter.answers = {Button::Yes};
    prompter.fileNames = {QString(), QString()};  // Save As cancelled, Open cancelled
    trigger("mnuFile_Open");
    ASSERT_EQ(prompter.fileDialogs.size(), 2u);
    EXPECT_TRUE(prompter.fileDialogs[0].save);
    EXPECT_EQ(prompter.fileDialogs[0].proposedName.toStdString(), "Untitled.dat");
    EXPECT_FALSE(prompter.fileDialogs[1].save);
    EXPECT_EQ(prompter.fileDialogs[1].filter.toStdString(), "FPU Data Files (*.dat)|*.dat");
    EXPECT_TRUE(IsModified(state));
}

TEST_F(DocumentCommandsTest, OpenStartsInTheBackupsUntilAFileHasBeenSaved)
{
    ASSERT_TRUE(QDir().mkpath(backups::folder()));
    prompter.fileNames = {QString(), path(QStringLiteral("saved.dat")), QString()};
    trigger("mnuFile_Open");
    trigger("mnuFile_SaveAs");
    trigger("mnuFile_Open");
    ASSERT_EQ(prompter.fileDialogs.size(), 3u);
    EXPECT_EQ(prompter.fileDialogs[0].startFolder, backups::folder());
    EXPECT_EQ(prompter.fileDialogs[2].startFolder, QString());
}

TEST_F(DocumentCommandsTest, SaveOnUntitledProposesUntitledDatAndWritesTheDocument)
{
    MakeUnsavedChanges();
    const QString file = path(QStringLiteral("saved.dat"));
    prompter.fileNames = {file};
    trigger("mnuFile_Save");

    ASSERT_EQ(prompter.fileDialogs.size(), 1u);
    EXPECT_TRUE(prompter.fileDialogs[0].save);
    EXPECT_EQ(prompter.fileDialogs[0].proposedName.toStdString(), "Untitled.dat");
    EXPECT_EQ(prompter.fileDialogs[0].filter.toStdString(), "FPU Data Files (*.dat)|*.dat");
    EXPECT_EQ(ReadDataFile(file), state.memoryImage);
    EXPECT_EQ(state.documentPath, file.toStdString());
    EXPECT_EQ(title(), "ZQ-915 series radio programming software [File Name: saved.dat]");
    EXPECT_FALSE(IsModified(state));

    // Save As on a named document proposes its own path.
    prompter.fileNames = {QString()};
    trigger("mnuFile_SaveAs");
    ASSERT_EQ(prompter.fileDialogs.size(), 2u);
    EXPECT_EQ(prompter.fileDialogs[1].proposedName, file);
}

TEST_F(DocumentCommandsTest, SaveOnNamedDocumentWritesAtOnceAndLeavesTheOpenEditorAlone)
{
    const QString file = WriteDataFile(QStringLiteral("named.dat"), SampleImage());
    window->documentCommands().OpenPath(file);
    MakeUnsavedChanges();
    window->show();
    grid().makeCurrent(3, ChannelGrid::kRxFreqCol);
    window->document().cellEditing().BeginCellEdit();
    ASSERT_TRUE(window->document().cellEditing().frequencyEditor()->isVisible());

    trigger("mnuFile_Save");
    EXPECT_TRUE(prompter.fileDialogs.empty());
    EXPECT_TRUE(window->document().cellEditing().frequencyEditor()->isVisible());
    EXPECT_EQ(ReadDataFile(file), state.memoryImage);
    EXPECT_FALSE(IsModified(state));
}

TEST_F(DocumentCommandsTest, SaveFailureReportsTheSystemErrorAndKeepsTheDocumentModified)
{
    MakeUnsavedChanges();
    const QString unwritable = path(QStringLiteral("missing-folder/x.dat"));
    prompter.fileNames = {unwritable};
    trigger("mnuFile_SaveAs");

    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_FALSE(prompter.asked[0].text.isEmpty());
    EXPECT_TRUE(prompter.asked[0].text.startsWith("Cannot save " + unwritable + ".\n"));
    EXPECT_EQ(prompter.asked[0].title.toStdString(), "ZQ-915");
    EXPECT_EQ(prompter.asked[0].icon, Prompter::Icon::Exclamation);
    EXPECT_TRUE(IsModified(state));
    // The failed name is not taken: the title and the next Save stay untitled.
    EXPECT_EQ(state.documentPath, "Untitled");
    EXPECT_EQ(title(), BuildTitle("Untitled"));
}

TEST_F(DocumentCommandsTest, FileOfTheSmallBandSwitchesToEightRowsAndTheReducedToneList)
{
    MemoryImage image = freshImage;
    image.set(layout::kBandRow, layout::kRadioColumn, kSmallBandCode);
    PutChannel(image, 8, "446.50000");
    const QString file = WriteDataFile(QStringLiteral("small.dat"), image);
    prompter.fileNames = {file};
    trigger("mnuFile_Open");

    EXPECT_EQ(state.channelCount, 8);
    EXPECT_EQ(grid().rowCount(), 8);
    EXPECT_EQ(window->document().cellEditing().toneEditor()->count(), 39);
    EXPECT_EQ(state.bandLowerMHz, 446);
    EXPECT_EQ(window->document().generalPanel().selection().band, 10);
    EXPECT_EQ(grid().cellText(8, ChannelGrid::kRxFreqCol), "446.50000");
    EXPECT_EQ(grid().currentRow(), 0);
    EXPECT_EQ(grid().currentColumn(), ChannelGrid::kRxFreqCol);
    EXPECT_EQ(title(), "ZQ-915 series radio programming software [File Name: small.dat]");

    // And back to a full band.
    window->documentCommands().OpenPath(WriteDataFile(QStringLiteral("full.dat"), SampleImage()));
    EXPECT_EQ(grid().rowCount(), 128);
    EXPECT_EQ(window->document().cellEditing().toneEditor()->count(), 261);
}

TEST_F(DocumentCommandsTest, OutOfBandChannelsAreErasedOnLoadWithoutCountingAsChanges)
{
    MemoryImage image = SampleImage();
    PutChannel(image, 3, "150.00000");               // outside 240..260
    PutChannel(image, 4, "255.00000", "300.00000");  // TX outside
    const QString file = WriteDataFile(QStringLiteral("dirty.dat"), image);
    window->documentCommands().OpenPath(file);

    EXPECT_FALSE(IsModified(state));
    EXPECT_TRUE(grid().cellEmpty(3, ChannelGrid::kRxFreqCol));
    for (int row = 0; row < 16; ++row) EXPECT_EQ(state.memoryImage.at(row, 2), layout::kEmpty) << row;
    EXPECT_EQ(grid().cellText(4, ChannelGrid::kRxFreqCol), "255.00000");
    EXPECT_TRUE(grid().cellEmpty(4, ChannelGrid::kTxFreqCol));
    EXPECT_EQ(state.memoryImage.at(layout::kTxFreqRow, 3), layout::kEmpty);

    window->documentCommands().Save();
    const std::optional<MemoryImage> saved = ReadDataFile(file);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->at(layout::kRxFreqRow, 2), layout::kEmpty);
}

TEST_F(DocumentCommandsTest, UnusualBandAndPowerBytesOpenUnchanged)
{
    MemoryImage image = SampleImage();
    image.set(layout::kBandRow, layout::kRadioColumn, 250);
    image.set(layout::kPowerLevelRow, layout::kSettingsColumn, 12);
    window->documentCommands().OpenPath(WriteDataFile(QStringLiteral("odd.dat"), image));

    EXPECT_EQ(band(), 250);
    EXPECT_EQ(state.memoryImage.at(layout::kPowerLevelRow, layout::kSettingsColumn), 12);
    EXPECT_EQ(window->document().generalPanel().selection().band, 2);
    EXPECT_EQ(window->document().generalPanel().selection().power, 9);
    EXPECT_EQ(state.bandLowerMHz, 240);
    EXPECT_FALSE(IsModified(state));
    EXPECT_EQ(grid().cellText(2, ChannelGrid::kRxFreqCol), "250.00000");
}

TEST_F(DocumentCommandsTest, NewKeepsUnusualBandAndModelBytesAndShowsTheirFallbackEntries)
{
    MemoryImage image = SampleImage();
    image.set(layout::kBandRow, layout::kRadioColumn, 250);
    image.set(layout::kModelRow, layout::kRadioColumn, 0xFF);
    window->documentCommands().OpenPath(WriteDataFile(QStringLiteral("odd.dat"), image));
    prompter.answers = {Button::Ok};
    trigger("mnuFile_New");

    EXPECT_EQ(band(), 250);
    EXPECT_EQ(state.memoryImage.at(layout::kModelRow, layout::kRadioColumn), 0xFF);
    EXPECT_EQ(window->document().generalPanel().selection().band, 2);
    EXPECT_EQ(window->document().generalPanel().selection().model, 0);
    EXPECT_EQ(window->document().generalPanel().selection().power, 9);
    EXPECT_EQ(window->document().generalPanel().selection().manual, 0);
}

struct RejectedCase {
    const char* name;
    QByteArray bytes;
    bool reported;  // "Incorrect File Type." shown; otherwise silence
};

class RejectedFile : public DocumentCommandsTest, public ::testing::WithParamInterface<RejectedCase> {};

TEST_P(RejectedFile, LeavesTheDocumentAsItWas)
{
    MakeUnsavedChanges();
    const MemoryImage before = state.memoryImage;
    const std::string titleBefore = title();
    prompter.answers = {Button::No};
    prompter.fileNames = {WriteRaw(QStringLiteral("bad.dat"), GetParam().bytes)};
    trigger("mnuFile_Open");

    EXPECT_EQ(state.memoryImage, before);
    EXPECT_TRUE(IsModified(state));
    EXPECT_EQ(state.documentPath, "Untitled");
    EXPECT_EQ(title(), titleBefore);
    EXPECT_EQ(grid().cellText(1, ChannelGrid::kRxFreqCol), "245.00000");
    const std::size_t questions = 1;  // the unsaved-changes question
    if (GetParam().reported) {
        ASSERT_EQ(prompter.asked.size(), questions + 1);
        EXPECT_EQ(prompter.asked.back().text.toStdString(), "Incorrect File Type.");
        EXPECT_EQ(prompter.asked.back().title.toStdString(), "Error");
        EXPECT_EQ(prompter.asked.back().icon, Prompter::Icon::Critical);
    } else {
        EXPECT_EQ(prompter.asked.size(), questions);
    }
}

QByteArray PlainImageFile()
{
    MemoryImage image;
    image.fill(0xFF);
    const ByteBuffer plain = BuildPlainForm(image);
    return QByteArray(reinterpret_cast<const char*>(plain.data()), static_cast<qsizetype>(plain.size()));
}

QByteArray WrongSignatureFile()
{
    ByteBuffer plain = BuildPlainForm(MemoryImage{});
    plain[0] = 'z';
    ByteBuffer encoded = plain;
    EncodeFile(encoded);
    return QByteArray(reinterpret_cast<const char*>(encoded.data()), static_cast<qsizetype>(encoded.size()));
}

INSTANTIATE_TEST_SUITE_P(Files, RejectedFile,
                         ::testing::Values(RejectedCase{"Empty", QByteArray(), true},
                                           RejectedCase{"Text", QByteArrayLiteral("hello, radio\n"), true},
                                           RejectedCase{"PlainUnencodedImage", PlainImageFile(), true},
                                           RejectedCase{"WrongSignature", WrongSignatureFile(), true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocumentCommandsTest, DroppedFileOpensAfterTheUnsavedChangesQuestion)
{
    const QString file = WriteDataFile(QStringLiteral("dropped.dat"), SampleImage());
    MakeUnsavedChanges();
    prompter.answers = {Button::No};

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &drop);
    EXPECT_TRUE(prompter.asked.empty());  // not from inside the drop
    QCoreApplication::processEvents();

    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text.toStdString(), "File has been modified, save it now?");
    EXPECT_EQ(state.documentPath, file.toStdString());
    EXPECT_EQ(grid().cellText(2, ChannelGrid::kRxFreqCol), "250.00000");
    EXPECT_FALSE(IsModified(state));
}

TEST_F(DocumentCommandsTest, DragOfSeveralFilesOrNonFilesIsRefused)
{
    QMimeData two;
    two.setUrls({QUrl::fromLocalFile(path(QStringLiteral("a.dat"))),
                 QUrl::fromLocalFile(path(QStringLiteral("b.dat")))});
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.invalid/a.dat"))});
    for (QMimeData* data : {&two, &web}) {
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QCoreApplication::sendEvent(window.get(), &enter);
        EXPECT_FALSE(enter.isAccepted());
    }
}

TEST_F(DocumentCommandsTest, FilesThatAreNoDataFilesOrMissingSaySoAndChangeNothing)
{
    const QString pipe = path(QStringLiteral("pipe.dat"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString missing = path(QStringLiteral("missing.dat"));
    for (const QString& file : {pipe, QStringLiteral("/dev/zero"), path("."), missing}) {
        prompter.asked.clear();
        window->documentCommands().OpenPath(file);
        ASSERT_EQ(prompter.asked.size(), 1u) << file.toStdString();
        EXPECT_EQ(prompter.asked[0].text, file == missing
                                              ? "Cannot open " + missing + ".\nNo such file or directory"
                                              : QStringLiteral("Incorrect File Type."));
    }
    EXPECT_EQ(state.documentPath, "Untitled");
}

TEST_F(DocumentCommandsTest, SaveAsAddsTheSuffixAndAsksBeforeReplacingThatFile)
{
    MakeUnsavedChanges();
    prompter.fileNames = {path(QStringLiteral("work1")), path(QStringLiteral("work1"))};
    trigger("mnuFile_SaveAs");
    EXPECT_EQ(ReadDataFile(path(QStringLiteral("work1.dat"))), state.memoryImage);
    // The dialog asked about "work1", not about the file now written.
    prompter.answers = {Button::No};
    trigger("mnuFile_SaveAs");
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text,
              path(QStringLiteral("work1.dat")) + " already exists. Do you want to replace it?");
    EXPECT_EQ(prompter.asked[0].defaultButton, Button::No);
}

TEST_F(DocumentCommandsTest, FileChangedByAnotherProgramIsOverwrittenOnlyWhenConfirmed)
{
    const QString file = WriteDataFile(QStringLiteral("a.dat"), SampleImage());
    window->documentCommands().OpenPath(file);
    WriteRaw(QStringLiteral("a.dat"), "saved by another program");
    MakeUnsavedChanges();
    prompter.answers = {Button::No, Button::Yes};
    EXPECT_FALSE(window->documentCommands().Save());
    EXPECT_FALSE(ReadDataFile(file).has_value());
    EXPECT_TRUE(window->documentCommands().Save());
    EXPECT_EQ(ReadDataFile(file), state.memoryImage);
    EditChannel(3, "250.00000");
    EXPECT_TRUE(window->documentCommands().Save()) << "our own save is no change by another program";
    ASSERT_EQ(prompter.asked.size(), 2u);
    EXPECT_EQ(prompter.asked[0].defaultButton, Button::No);
}

TEST_F(DocumentCommandsTest, OpenStopsWhenTheSaveFirstFails)
{
    MakeUnsavedChanges();
    prompter.answers = {Button::Yes};
    prompter.fileNames = {path(QStringLiteral("missing-folder/x.dat"))};
    trigger("mnuFile_Open");
    EXPECT_EQ(prompter.fileDialogs.size(), 1u) << "no Open dialog after the failed Save As";
    EXPECT_TRUE(IsModified(state));
}

}  // namespace
