#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "CommandsFixture.h"
#include "platform/Backups.h"
#include "ui/main/ChannelListCommands.h"
#include "ui/main/DocumentCommands.h"
#include "ui/main/MainMenus.h"
#include "ui/main/RememberedFiles.h"
#include "ui/main/WindowPlacement.h"

// Where the user works is remembered: the recent files, the folders of the
// file dialogs and the window's place.

namespace {

class RememberedFilesTest : public CommandsFixture {
protected:
    QMenu& recentMenu()
    {
        QMenu& menu = *window->menus().recentFilesMenu();
        Q_EMIT menu.aboutToShow();
        return menu;
    }
    // The entries of File > Recent Files as shown: text, and "-" for a disabled one.
    QStringList shownRecent()
    {
        QStringList shown;
        for (QAction* entry : recentMenu().actions())
            if (!entry->isSeparator()) shown << (entry->isEnabled() ? "" : "-") + entry->text();
        return shown;
    }
    QString fileIn(const QString& folder, const QString& name)
    {
        EXPECT_TRUE(QDir().mkpath(path(folder)));
        return WriteDataFile(folder + "/" + name, freshImage);
    }
    static QString entry(int n, const QString& file)
    {
        return QStringLiteral("&%1 %2").arg(n).arg(QDir::toNativeSeparators(file));
    }
};

TEST_F(RememberedFilesTest, RecentFilesNewestFirstWithoutRepeatsMissingDisabledAndRemembered)
{
    const QList<QAction*> fileMenu = window->findChild<QMenu*>("mnuFile")->actions();
    const auto at = [&](const char* name) {
        for (int i = 0; i < fileMenu.size(); ++i)
            if (fileMenu[i]->objectName() == QLatin1String(name)) return i;
        return -1;
    };
    EXPECT_EQ(at("mnuFile_Recent"), at("mnuFile_ImportChannels") + 1);
    EXPECT_EQ(at("mnuFile_Bar1"), at("mnuFile_Recent") + 1);
    EXPECT_EQ(window->menus().recentFilesMenu()->title(), "Recent &Files");
    EXPECT_EQ(shownRecent(), QStringList({"-&Clear Recent Files"}));

    const QString a = fileIn("one", "a.dat");
    const QString b = fileIn("two", "b&c.dat");
    const QString c = fileIn("one", "c.dat");
    for (const QString& file : {a, b, c, a}) window->documentCommands().OpenPath(file);
    QString bShown = entry(3, b);
    bShown.replace("&c", "&&c");
    EXPECT_EQ(
        shownRecent().join('\n').toStdString(),
        QStringList({entry(1, a), entry(2, c), bShown, "&Clear Recent Files"}).join('\n').toStdString());

    // A file gone from the disk stays listed, disabled; choosing an entry opens it.
    ASSERT_TRUE(QFile::remove(b));
    EXPECT_TRUE(shownRecent().contains("-" + bShown));
    recentMenu().actions().at(1)->trigger();
    EXPECT_EQ(state.documentPath, c.toStdString());

    // Kept in the settings for the next start, eight at most.
    EXPECT_EQ(settings.values["RecentFile1"], c.toStdString());
    for (int i = 0; i < 9; ++i) {
        prompter.fileNames = {path(QStringLiteral("saved%1.dat").arg(i))};
        ASSERT_TRUE(window->documentCommands().SaveAs());
    }
    RememberedFiles nextStart(settings);
    ASSERT_EQ(nextStart.recentFiles().size(), RememberedFiles::kRecentKept);
    EXPECT_EQ(nextStart.recentFiles().first(), path("saved8.dat"));
    EXPECT_EQ(nextStart.recentFiles().last(), path("saved1.dat"));

    recentMenu().actions().last()->trigger();
    EXPECT_EQ(shownRecent(), QStringList({"-&Clear Recent Files"}));
    EXPECT_TRUE(RememberedFiles(settings).recentFiles().isEmpty());
}

TEST_F(RememberedFilesTest, DialogsStartWhereTheUserLastWorked)
{
    // Before any file: the backups folder when there is one.
    ASSERT_TRUE(QDir().mkpath(backups::folder()));
    prompter.fileNames = {QString()};
    window->documentCommands().Open();
    EXPECT_EQ(prompter.fileDialogs.back().startFolder, backups::folder());

    const QString opened = fileIn("radios", "fleet.dat");
    window->documentCommands().OpenPath(opened);
    prompter.fileNames = {QString()};
    window->documentCommands().Open();
    EXPECT_EQ(prompter.fileDialogs.back().startFolder, path("radios"));

    // Export proposes the document's name in the data folder until it has a folder of its own.
    prompter.fileNames = {path("lists/fleet.csv")};
    ASSERT_TRUE(QDir().mkpath(path("lists")));
    window->findChild<QAction*>("mnuFile_ExportChannels")->trigger();
    EXPECT_EQ(prompter.fileDialogs.back().proposedName, path("radios/fleet.csv"));
    EXPECT_EQ(prompter.fileDialogs.back().title, "Export Channels");
    EXPECT_TRUE(QFile::exists(path("lists/fleet.csv")));

    // Import starts in the data folder; Save As somewhere else moves Open, not Export.
    prompter.fileNames = {QString()};
    window->findChild<QAction*>("mnuFile_ImportChannels")->trigger();
    EXPECT_EQ(prompter.fileDialogs.back().startFolder, path("radios"));
    EXPECT_EQ(prompter.fileDialogs.back().title, "Import Channels");
    ASSERT_TRUE(QDir().mkpath(path("archive")));
    prompter.fileNames = {path("archive/copy.dat")};
    ASSERT_TRUE(window->documentCommands().SaveAs());
    prompter.fileNames = {QString(), QString()};
    window->findChild<QAction*>("mnuFile_ExportChannels")->trigger();
    EXPECT_EQ(prompter.fileDialogs.back().proposedName, path("lists/copy.csv"));
    window->documentCommands().Open();
    EXPECT_EQ(prompter.fileDialogs.back().startFolder, path("archive"));

    // A remembered folder that is gone falls back; a new document exports as Untitled.csv.
    ASSERT_TRUE(QDir(path("lists")).removeRecursively());
    prompter.answers = {Prompter::Button::Ok};
    window->documentCommands().New();
    prompter.fileNames = {QString()};
    window->findChild<QAction*>("mnuFile_ExportChannels")->trigger();
    EXPECT_EQ(prompter.fileDialogs.back().proposedName, path("archive/Untitled.csv"));
}

struct FitCase {
    const char* name;
    QRect saved;
    QList<QRect> screens;
    QRect expected;
};

class FitOnScreensTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitOnScreensTest, LandsWithinTheScreenItOverlapsMost)
{
    EXPECT_EQ(FitOnScreens(GetParam().saved, GetParam().screens), GetParam().expected);
}

const QRect kLeft(0, 0, 1920, 1050);
const QRect kRight(1920, 0, 1280, 1024);

INSTANTIATE_TEST_SUITE_P(
    Placements, FitOnScreensTest,
    ::testing::Values(
        FitCase{"Inside", {100, 80, 1040, 720}, {kLeft}, {100, 80, 1040, 720}},
        FitCase{"PastTheRightEdge", {1500, 80, 1040, 720}, {kLeft}, {880, 80, 1040, 720}},
        FitCase{"LargerThanTheScreen", {-50, -50, 2500, 1400}, {kLeft}, {0, 0, 1920, 1050}},
        FitCase{"MostlyOnTheSecond", {1800, 500, 1040, 720}, {kLeft, kRight}, {1920, 304, 1040, 720}},
        FitCase{"SecondScreenGone", {2000, 100, 1040, 720}, {kLeft}, {880, 100, 1040, 720}},
        FitCase{"NoScreens", {2000, 100, 1040, 720}, {}, {2000, 100, 1040, 720}}),
    [](const ::testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

TEST(WindowGeometryText, OnlyFourWholeNumbersWithAPositiveSize)
{
    EXPECT_EQ(ParseGeometry("10,-20,800,600"), QRect(10, -20, 800, 600));
    for (const char* bad :
         {"", " ", "10,20,800", "10,20,800,600,1", "a,20,800,600", "10,20,0,600", "10,20,800,-1"})
        EXPECT_EQ(ParseGeometry(bad), std::nullopt) << bad;
}

}  // namespace
