#include <iostream>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStatusBar>

#include "MainWindowFixture.h"
#include "core/FreqCodec.h"
#include "core/Layout.h"
#include "files/DataFile.h"
#include "platform/DataFileStore.h"
#include "platform/RecoveryCopies.h"
#include "support/NewDocumentFor.h"
#include "ui/main/DocumentCommands.h"
#include "core/DocumentState.h"
#include "ui/main/RecoveryKeeper.h"

// Unsaved work survives the program being killed: a child process runs the
// real window with edits and is killed with SIGKILL; the next start offers
// its copy.

namespace {

using Button = Prompter::Button;
constexpr int kRestore = 0;
constexpr int kDiscard = 1;
constexpr int kLater = 2;

const char* const kChildFile = "ZQ915_RECOVERY_TEST_FILE";

QStringList CopiesIn(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name);
}

// Runs the event loop until `done` or `ms` have passed.
template <typename Done>
bool WaitFor(Done done, int ms = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms) return false;
        QTest::qWait(20);
    }
    return true;
}

bool WriteImage(const QString& path, const MemoryImage& image)
{
    return SaveDataFileTo(path, image).isEmpty();
}

// A program with its own window over `folder`, as another start would make it.
struct Program {
    explicit Program(const QString& folder) : window(state, prompter, settings, folder) {}
    // A channel changed as the grid's editor does it.
    void edit(int channel, const char* rx)
    {
        window.document().RecordStep({TextId::Import}, [&] {
            StoreFreq(state.memoryImage, channel - 1, layout::kRxFreqRow, rx);
            window.document().RenderChannelRow(channel);
        });
    }
    AppState state;
    ScriptedPrompter prompter;
    MemorySettings settings;
    frmMain window;
};

// The child's part: a real window, a file opened, edits typed into the grid;
// once the recovery copy holds them it says where and what, then waits for
// its end. Run by the crash test only.
class RecoveryChild : public MainWindowFixture {};

TEST_F(RecoveryChild, DISABLED_EditsThenWaitsToBeKilled)
{
    const QString file = qEnvironmentVariable(kChildFile);
    ASSERT_FALSE(file.isEmpty());
    settings.values["LastFreq"] = "240";
    window = std::make_unique<frmMain>(state, prompter, settings);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->documentCommands().OpenPath(file);
    enterFrequency(3, ChannelGrid::kRxFreqCol, "245.12500");
    choose(3, ChannelGrid::kDecodeCol, "88.5");
    QTest::keyClick(&toneEditor(), Qt::Key_Return);
    ASSERT_TRUE(IsModified(state));

    const QString folder = recovery::folder();
    ASSERT_TRUE(WaitFor([&] {
        for (const QString& name : CopiesIn(folder))
            if (LoadDataFileFrom(QDir(folder).filePath(name)).image == state.memoryImage) return true;
        return false;
    }));
    const QByteArray image(reinterpret_cast<const char*>(state.memoryImage.bytes().data()),
                           MemoryImage::kSize);
    std::cout << "READY " << image.toHex().constData() << ' ' << folder.toStdString() << std::endl;
    QTest::qWait(60000);
}

TEST(RecoveryAfterKill, TheNextStartOffersTheCopyAndRestoreGivesBackTheExactImage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("fleet.dat"));
    MemoryImage saved = NewDocumentFor(240).memoryImage;
    StoreFreq(saved, 0, layout::kRxFreqRow, "241.00000");
    ASSERT_TRUE(WriteImage(file, saved));

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QString::fromLatin1(kChildFile), file);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_also_run_disabled_tests"),
                 QStringLiteral("--gtest_filter=RecoveryChild.DISABLED_EditsThenWaitsToBeKilled")});
    QByteArray out;
    ASSERT_TRUE(WaitFor(
        [&] {
            out += child.readAllStandardOutput();
            return out.contains("READY ") && out.indexOf('\n', out.indexOf("READY ")) > 0;
        },
        30000))
        << out.toStdString() << child.readAllStandardError().toStdString();
    const QList<QByteArray> ready = out.mid(out.indexOf("READY ")).split('\n').first().split(' ');
    ASSERT_EQ(ready.size(), 3);
    const QByteArray childBytes = QByteArray::fromHex(ready[1]);
    ASSERT_EQ(childBytes.size(), MemoryImage::kSize);
    MemoryImage childImage;
    std::copy(childBytes.begin(), childBytes.end(), childImage.bytes().begin());
    const QString folder = QString::fromLocal8Bit(ready[2]);
    ASSERT_NE(childImage, saved);

    {
        // A second program while the first still runs: nothing to offer, a copy of its own.
        Program other(folder);
        other.window.offerRecoveries();
        EXPECT_TRUE(other.prompter.asked.empty());
        other.edit(7, "250.00000");
        EXPECT_TRUE(other.window.recovery().writeNow().isEmpty());
        EXPECT_EQ(CopiesIn(folder).size(), 2);
        // Its normal exit after discarding the changes removes its copy alone.
        other.prompter.answers = {Button::No};
        other.window.close();
        EXPECT_EQ(CopiesIn(folder).size(), 1);
    }

    child.kill();  // SIGKILL
    ASSERT_TRUE(child.waitForFinished(10000));
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

    Program next(folder);
    next.prompter.choiceAnswers = {kRestore};
    next.window.offerRecoveries();
    ASSERT_EQ(next.prompter.asked.size(), 1u);
    const ScriptedPrompter::Asked& asked = next.prompter.asked[0];
    EXPECT_TRUE(asked.text.startsWith("Unsaved changes to " + QDir::toNativeSeparators(file) + " from "))
        << asked.text.toStdString();
    EXPECT_TRUE(asked.text.endsWith(" were recovered."));
    EXPECT_EQ(asked.choices, QStringList({"&Restore", "&Discard", "&Later"}));
    EXPECT_EQ(next.state.memoryImage, childImage);
    EXPECT_EQ(next.state.imageSnapshot, saved) << "the file as it is on disk counts as saved";
    EXPECT_EQ(next.state.documentPath, file.toStdString());
    EXPECT_EQ(next.window.document().grid().cellText(3, ChannelGrid::kRxFreqCol), "245.12500");
    // The work is in this program's copy now, and the killed program's is gone.
    ASSERT_EQ(CopiesIn(folder).size(), 1);
    EXPECT_EQ(LoadDataFileFrom(QDir(folder).filePath(CopiesIn(folder).first())).image, childImage);

    // Save writes where the user meant, without a dialog; then no copy is left.
    EXPECT_TRUE(next.window.documentCommands().Save());
    EXPECT_TRUE(next.prompter.fileDialogs.empty());
    EXPECT_EQ(LoadDataFileFrom(file).image, childImage);
    EXPECT_TRUE(WaitFor([&] { return CopiesIn(folder).isEmpty(); }));
}

// Copies written by hand, as a killed program leaves them.
class RecoveryOfferTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString folder() const { return m_dir.filePath(QStringLiteral("recovery")); }
    // A copy of a program that has ended (no lock held).
    void leaveCopy(const QString& id, const MemoryImage& image, const QString& documentPath)
    {
        ASSERT_TRUE(QDir().mkpath(folder()));
        ASSERT_TRUE(
            recovery::write(folder(), id, {documentPath, QDateTime::currentDateTime(), 1, image}).isEmpty());
    }
    MemoryImage edited(const char* rx) const
    {
        MemoryImage image = NewDocumentFor(240).memoryImage;
        StoreFreq(image, 4, layout::kRxFreqRow, rx);
        return image;
    }

    QTemporaryDir m_dir;
};

TEST_F(RecoveryOfferTest, LaterKeepsDiscardDeletesAndAnUnreadableCopyIsNamedAndKeptAside)
{
    leaveCopy(QStringLiteral("11-a"), edited("241.00000"), QStringLiteral("Untitled"));
    leaveCopy(QStringLiteral("12-b"), edited("242.00000"), QStringLiteral("/radios/b.dat"));
    leaveCopy(QStringLiteral("13-c"), edited("243.00000"), QStringLiteral("/radios/c.dat"));
    QFile damaged(QDir(folder()).filePath(QStringLiteral("13-c.dat")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("not a data file");
    damaged.close();
    // A description without data: the program ended between the two writes.
    ASSERT_TRUE(QFile::remove(QDir(folder()).filePath(QStringLiteral("12-b.dat"))));
    leaveCopy(QStringLiteral("14-d"), edited("244.00000"), QStringLiteral("/radios/d.dat"));

    {
        Program start(folder());
        const MemoryImage fresh = start.state.memoryImage;
        start.prompter.choiceAnswers = {kLater, kDiscard};
        start.window.offerRecoveries();
        const QStringList texts = start.prompter.texts();
        ASSERT_EQ(texts.size(), 3) << texts.join('\n').toStdString();
        EXPECT_TRUE(texts[0].startsWith("Unsaved changes to Untitled from ")) << texts[0].toStdString();
        EXPECT_TRUE(texts[1].startsWith("The recovery copy " +
                                        QDir::toNativeSeparators(QDir(folder()).filePath("13-c.dat")) +
                                        " cannot be read. It has been kept as "))
            << texts[1].toStdString();
        EXPECT_TRUE(texts[2].startsWith("Unsaved changes to " + QDir::toNativeSeparators("/radios/d.dat")));
        EXPECT_EQ(start.state.memoryImage, fresh);
        EXPECT_FALSE(IsModified(start.state));
    }
    EXPECT_EQ(CopiesIn(folder()), QStringList({"11-a.dat"}));
    EXPECT_FALSE(QFile::exists(QDir(folder()).filePath("12-b.json")));
    EXPECT_EQ(CopiesIn(QDir(folder()).filePath("unreadable")), QStringList({"13-c.dat"}));

    // The copy kept for later is offered again at the next start; Esc is Later.
    Program again(folder());
    again.prompter.choiceAnswers = {kLater};
    again.window.offerRecoveries();
    EXPECT_EQ(again.prompter.asked.size(), 1u);
    EXPECT_EQ(CopiesIn(folder()), QStringList({"11-a.dat"}));
}

TEST_F(RecoveryOfferTest, ChangesAreCopiedOnlyAfterTheIntervalAndAnEndWithoutClosingKeepsThem)
{
    {
        Program running(folder());
        running.edit(2, "247.00000");
        QTest::qWait(RecoveryKeeper::kInterval / 2);
        EXPECT_TRUE(CopiesIn(folder()).isEmpty()) << "written before the interval";
        running.edit(3, "248.00000");
        ASSERT_TRUE(WaitFor([&] { return CopiesIn(folder()).size() == 1; }, RecoveryKeeper::kInterval * 2));
        const QString copy = QDir(folder()).filePath(CopiesIn(folder()).first());
        EXPECT_TRUE(WaitFor([&] { return LoadDataFileFrom(copy).image == running.state.memoryImage; }));
        // Undo back to the fresh document: nothing unsaved, no copy.
        running.window.document().Undo();
        running.window.document().Undo();
        EXPECT_TRUE(WaitFor([&] { return CopiesIn(folder()).isEmpty(); }, 3000));
        running.edit(2, "249.00000");
        ASSERT_TRUE(WaitFor([&] { return CopiesIn(folder()).size() == 1; }, RecoveryKeeper::kInterval * 2));
        QTest::qWait(100);
    }
    // The window went without closing (the program was ended by a signal): the copy stays, and is offered.
    Program next(folder());
    next.prompter.choiceAnswers = {kDiscard};
    next.window.offerRecoveries();
    EXPECT_EQ(next.prompter.asked.size(), 1u);
    EXPECT_TRUE(CopiesIn(folder()).isEmpty());
}

TEST_F(RecoveryOfferTest, ACopyThatCannotBeKeptIsSaidInTheStatusBar)
{
    QFile blocker(folder());  // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Program running(folder());
    running.edit(2, "247.00000");
    QStatusBar& bar = *running.window.statusBar();
    ASSERT_TRUE(WaitFor([&] { return !bar.currentMessage().isEmpty(); }, RecoveryKeeper::kInterval * 2));
    EXPECT_TRUE(bar.currentMessage().startsWith("Unsaved changes cannot be kept for recovery: "))
        << bar.currentMessage().toStdString();
    EXPECT_FALSE(running.window.recovery().writeNow().isEmpty());
    EXPECT_TRUE(IsModified(running.state));
}

}  // namespace
