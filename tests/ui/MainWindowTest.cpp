#include <QAction>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include "MainWindowFixture.h"
#include "core/DocumentState.h"
#include "core/Layout.h"
#include "platform/QtText.h"
#include "ui/dialogs/frmAbout.h"
#include "ui/main/ChannelShortcuts.h"

namespace {

const QString kEnglishTitle = "ZQ-915 series radio programming software [File Name: Untitled]";

// ---- start-up ----

struct StartCase {
    const char* name;
    const char* lastFreq;
    int bandIndex;
    int channels;
    int toneEntries;
};

class StartUpTest : public MainWindowFixture, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartUpTest, RestoresTheRememberedBandAndItsLayout)
{
    const StartCase& c = GetParam();
    settings.values["LastModel"] = "56";
    start(c.lastFreq);
    EXPECT_EQ(window->findChild<QComboBox*>("cboGenFreq")->currentIndex(), c.bandIndex);
    EXPECT_EQ(window->findChild<QComboBox*>("cboGenModel")->currentText(), "7105C");
    EXPECT_EQ(window->findChild<QComboBox*>("cboGenPower")->currentText(), "9");
    EXPECT_EQ(window->findChild<QComboBox*>("cboGenManual")->currentText(), "Enable");
    const QComboBox* bands = window->findChild<QComboBox*>("cboGenFreq");
    ASSERT_EQ(bands->count(), 11);
    EXPECT_EQ(bands->itemText(0), " 67 -  72 MHz");
    EXPECT_EQ(bands->itemText(10), "446 - 447 MHz");
    EXPECT_EQ(window->findChild<QComboBox*>("cboGenPower")->count(), 10);
    EXPECT_EQ(window->findChild<QComboBox*>("cboGenManual")->itemText(1), "Disable");
    EXPECT_EQ(grid().rowCount(), c.channels);
    EXPECT_EQ(state.channelCount, c.channels);
    EXPECT_EQ(toneEditor().count(), c.toneEntries);
    EXPECT_EQ(grid().cellText(c.channels, 0), QString::number(c.channels));
    EXPECT_EQ(window->windowTitle(), kEnglishTitle);
    EXPECT_FALSE(IsModified(state));
    EXPECT_EQ(state.currentRow, 1);
    EXPECT_EQ(state.currentCol, 1);
}

INSTANTIATE_TEST_SUITE_P(Bands, StartUpTest,
                         ::testing::Values(StartCase{"SmallBand", "248", 10, 8, 39},
                                           StartCase{"Band239", "239", 1, 128, 261},
                                           StartCase{"OutOfRange", "250", 2, 128, 261},
                                           StartCase{"NotANumber", "abc", 2, 128, 261},
                                           StartCase{"Empty", "", 2, 128, 261}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- layout ----

class MainWindowTest : public MainWindowFixture {};

TEST_F(MainWindowTest, ColumnsShareTheWidthOneToTwoAndTheHeaderIsCentred)
{
    start("240");
    window->resize(1200, 700);
    QTest::qWait(0);
    const int unit = grid().columnWidth(0);
    for (int c = 1; c < ChannelGrid::kColumns - 1; ++c) EXPECT_EQ(grid().columnWidth(c), 2 * unit);
    int total = 0;
    for (int c = 0; c < ChannelGrid::kColumns; ++c) total += grid().columnWidth(c);
    EXPECT_EQ(total, grid().viewport()->width());  // nothing hidden under the scroll bar
    EXPECT_TRUE(grid().verticalScrollBar()->isVisible());
    EXPECT_EQ(grid().horizontalHeader()->defaultAlignment() & Qt::AlignHCenter, Qt::AlignHCenter);
}

TEST_F(MainWindowTest, EnterInAGeneralListMovesTheFocusOn)
{
    start("240");
    QComboBox* model = window->findChild<QComboBox*>("cboGenModel");
    model->setFocus();
    QTest::keyClick(model, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), window->findChild<QComboBox*>("cboGenFreq"));
    EXPECT_EQ(model->currentIndex(), 2);
}

// ---- menus, toolbar, commands ----

TEST_F(MainWindowTest, MenusAndToolbarCarryTheirCaptionsAndCommitTheEditFirst)
{
    start("239");
    const std::pair<const char*, const char*> captions[] = {{"mnuFile_New", "&New"},
                                                            {"mnuFile_SaveAs", "Save &As"},
                                                            {"mnuFile_Exit", "E&xit"},
                                                            {"mnuProgram_Test", "Tuning"},
                                                            {"mnuProgram_OptFeatures", "&Optional Features"},
                                                            {"mnuSetup_Lang", "&Language Setup"},
                                                            {"mnuHelp_Topics", "&Help Topics"},
                                                            {"mnuHelp_About", "&About"}};
    for (const auto& [name, caption] : captions) {
        QAction* action = window->findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text(), caption);
    }
    EXPECT_EQ(window->findChild<QMenu*>("mnuProgram")->title(), "&Program");
    EXPECT_TRUE(window->findChild<QAction*>("mnuFile_Bar2")->isSeparator());
    const char* tips[] = {"New", "Open", "Save", "Print", "Read", "Write", "About"};
    for (const char* key : tips)
        EXPECT_EQ(window->findChild<QAction*>(QStringLiteral("tlbActions_") + key)->toolTip(), key);

    // A command commits the open frequency edit before it runs.
    clickCell(1, ChannelGrid::kRxFreqCol);
    QTest::keyClicks(&freqEditor(), "150");
    window->findChild<QAction*>("mnuHelp_Topics")->trigger();
    EXPECT_FALSE(freqEditor().isVisible());
    EXPECT_EQ(grid().cellText(1, 1), "150.00000");

    // Save of a named document leaves the open edit alone.
    QTemporaryDir folder;
    state.documentPath = folder.filePath("radio.dat").toStdString();
    clickCell(1, ChannelGrid::kRxFreqCol);
    QTest::keyClicks(&freqEditor(), "160");
    const MemoryImage before = state.memoryImage;
    window->findChild<QAction*>("mnuFile_Save")->trigger();
    EXPECT_TRUE(freqEditor().isVisible());
    EXPECT_EQ(state.memoryImage, before);
}

TEST_F(MainWindowTest, PrintOpensThePrintListFromMenuAndToolbarAfterCommittingTheEdit)
{
    start("239");
    clickCell(2, ChannelGrid::kRxFreqCol);
    QTest::keyClicks(&freqEditor(), "150");
    QStringList titles;
    for (int i = 0; i < 2; ++i)
        prompter.dialogScripts.push_back([&titles](QDialog& dialog) {
            titles << dialog.windowTitle();
            return int(QDialog::Rejected);
        });
    window->findChild<QAction*>("mnuFile_Print")->trigger();
    EXPECT_EQ(cell(2, ChannelGrid::kRxFreqCol), "150.00000");
    window->findChild<QAction*>("tlbActions_Print")->trigger();
    EXPECT_EQ(prompter.dialogsShown, (std::vector<QString>{"frmPrint", "frmPrint"}));
    EXPECT_EQ(titles, (QStringList{"Print Out List", "Print Out List"}));
}

TEST_F(MainWindowTest, AboutOpensFromMenuAndToolbarWithItsLines)
{
    start("240");
    QStringList seen;
    for (int i = 0; i < 2; ++i)
        prompter.dialogScripts.push_back([&seen](QDialog& dialog) {
            seen << dialog.windowTitle() << dialog.findChild<QLabel*>("lblAbout")->text();
            return int(QDialog::Accepted);
        });
    window->findChild<QAction*>("mnuHelp_About")->trigger();
    window->findChild<QAction*>("tlbActions_About")->trigger();
    EXPECT_EQ(prompter.dialogsShown, (std::vector<QString>{"frmAbout", "frmAbout"}));
    ASSERT_EQ(seen.size(), 4);
    EXPECT_EQ(seen[0], "About ZQ-915");
    const QStringList lines = seen[1].split('\n');
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], "ZQ-915 Radio Programming Software");
    EXPECT_EQ(lines[1], "For ZQ-915");
    EXPECT_EQ(lines[3], "Version 1.00");
    EXPECT_EQ(lines[4], "Release " + QLocale::system().toString(QDate(2010, 6, 19), QLocale::ShortFormat));
    EXPECT_EQ(lines[6], "Copyright (C) 2010 The ZQ-915 programming software authors. All rights reserved.");
    EXPECT_EQ(seen[3], seen[1]);
}

// ---- language ----

std::function<int(QDialog&)> ChooseLanguage(int index, const char* button)
{
    return [index, button](QDialog& dialog) {
        dialog.findChild<QComboBox*>("cboLang")->setCurrentIndex(index);
        QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
        return dialog.result();
    };
}

TEST_F(MainWindowTest, LanguageSwitchRelabelsMenusHeadersAndWordCells)
{
    start("239");
    enterFrequency(1, ChannelGrid::kRxFreqCol, "145");

    prompter.dialogScripts.push_back(ChooseLanguage(1, "cmdCancel"));
    window->findChild<QAction*>("mnuSetup_Lang")->trigger();
    EXPECT_EQ(LanguageIndex(), 0);
    EXPECT_EQ(window->findChild<QMenu*>("mnuFile")->title(), "&File");

    const MemoryImage before = state.memoryImage;
    prompter.dialogScripts.push_back(ChooseLanguage(1, "cmdOK"));
    window->findChild<QAction*>("mnuSetup_Lang")->trigger();
    EXPECT_EQ(LanguageIndex(), 1);
    EXPECT_EQ(window->findChild<QMenu*>("mnuFile")->title(), "文件(&F)");
    EXPECT_EQ(window->findChild<QAction*>("mnuFile_New")->text(), "新建(&N)");
    EXPECT_EQ(window->findChild<QAction*>("tlbActions_Read")->toolTip(), "读频");
    EXPECT_EQ(grid().horizontalHeaderItem(5)->text(), "宽/窄");
    EXPECT_EQ(grid().cellText(1, 5), "宽");
    EXPECT_EQ(grid().cellText(1, 3), "无");
    EXPECT_EQ(toneEditor().itemText(0), "无");
    EXPECT_EQ(window->findChild<QComboBox*>("cboGenManual")->currentText(), "开启");
    EXPECT_EQ(window->findChild<QGroupBox*>("fraMemChannel")->title(), "记忆信道");
    EXPECT_EQ(window->windowTitle(), "ZQ-915系列对讲机写频软件 [文件名: Untitled]");
    EXPECT_EQ(state.memoryImage, before);  // redrawing the words writes no bytes

    // A layout for a loaded image keeps the headings; a fresh grid starts with the English words.
    window->document().LayOutForBand();
    EXPECT_EQ(grid().horizontalHeaderItem(5)->text(), "宽/窄");
    window->document().ResetImageAndGrid();
    EXPECT_EQ(grid().horizontalHeaderItem(5)->text(), "W/N");
    window->document().RenderAllChannelRows();

    // The language already active: nothing is relabelled or redrawn.
    grid().setCellText(1, 6, "marker");
    prompter.dialogScripts.push_back(ChooseLanguage(1, "cmdOK"));
    window->findChild<QAction*>("mnuSetup_Lang")->trigger();
    EXPECT_EQ(grid().cellText(1, 6), "marker");
}

TEST_F(MainWindowTest, ChineseReachesQtsOwnDialogsAndEachLanguageIsListedInItsOwnWords)
{
    start("239");
    QStringList listed;
    const auto choose = [&listed](int index) {
        return [&listed, index](QDialog& dialog) {
            const auto* list = dialog.findChild<QComboBox*>("cboLang");
            listed << list->itemText(0) << list->itemText(1);
            return ChooseLanguage(index, "cmdOK")(dialog);
        };
    };
    const auto yesButton = [] {
        QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
        return box.button(QMessageBox::Yes)->text();
    };
    prompter.dialogScripts.push_back(choose(1));
    window->findChild<QAction*>("mnuSetup_Lang")->trigger();
    EXPECT_EQ(yesButton(), "是(&Y)");
    prompter.dialogScripts.push_back(choose(0));
    window->findChild<QAction*>("mnuSetup_Lang")->trigger();
    EXPECT_EQ(yesButton(), "&Yes");
    EXPECT_EQ(listed, QStringList({"English", "中文", "English", "中文"}));
}

TEST_F(MainWindowTest, FileCommandsHaveTheStandardKeysAndNoneTakesAChannelKey)
{
    start("239");
    const std::pair<const char*, QKeySequence::StandardKey> keys[] = {
        {"mnuFile_New", QKeySequence::New},
        {"mnuFile_Open", QKeySequence::Open},
        {"mnuFile_Save", QKeySequence::Save},
        {"mnuFile_SaveAs", QKeySequence::SaveAs},
        {"mnuFile_Print", QKeySequence::Print}};
    for (const auto& [name, key] : keys) {
        const QAction* action = window->findChild<QAction*>(name);
        EXPECT_FALSE(action->shortcut().isEmpty()) << name;
        if (!QKeySequence::keyBindings(key).isEmpty()) {
            EXPECT_EQ(action->shortcuts(), QKeySequence::keyBindings(key)) << name;
        }
    }
    for (const QAction* action : window->findChildren<QAction*>())
        for (const QKeySequence& sequence : action->shortcuts())
            EXPECT_FALSE(ChannelShortcuts::commandFor(sequence[0].key(), sequence[0].keyboardModifiers()))
                << sequence.toString().toStdString();

    // A channel key still works while a cell is being edited.
    enterFrequency(1, ChannelGrid::kRxFreqCol, "145");
    enterFrequency(2, ChannelGrid::kRxFreqCol, "146");
    clickCell(1, ChannelGrid::kRxFreqCol);
    QTest::keyClick(&freqEditor(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(grid().cellText(1, ChannelGrid::kRxFreqCol), "146.00000");
}

TEST_F(MainWindowTest, AtTheMinimumSizeEveryColumnShowsItsWidestTextWhole)
{
    start("239");
    for (const std::uint8_t language : {0, 1}) {
        prompter.dialogScripts.push_back(ChooseLanguage(language, "cmdOK"));
        window->findChild<QAction*>("mnuSetup_Lang")->trigger();
        window->resize(window->minimumSize());
        QTest::qWait(0);
        const QString widest[] = {"128",
                                  "436.12500",
                                  "436.12500",
                                  "D754N",
                                  "D754N",
                                  QText(TextId::Narrow),
                                  QText(TextId::Add),
                                  QText(TextId::High),
                                  QText(TextId::Dtmf),
                                  QText(TextId::Off),
                                  QText(TextId::Carrier)};
        for (int c = 0; c < ChannelGrid::kColumns; ++c) {
            const int text = std::max(grid().fontMetrics().horizontalAdvance(widest[c]),
                                      grid().horizontalHeader()->fontMetrics().horizontalAdvance(
                                          grid().horizontalHeaderItem(c)->text()));
            EXPECT_GT(grid().columnWidth(c), text + 8) << int(language) << " column " << c;
        }
    }
}

// ---- document state and closing ----

TEST(BuildTitleTest, FileNameFollowsTheLastSeparatorOfEitherKind)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Untitled", "Untitled"},   {"C:\\radios\\a.dat", "a.dat"},    {"/home/user/b.dat", "b.dat"},
        {"plain.dat", "plain.dat"}, {"C:\\mixed/dir\\c.dat", "c.dat"},
    };
    for (const auto& [path, name] : cases)
        EXPECT_EQ(BuildTitle(path), "ZQ-915 series radio programming software [File Name: " + name + "]")
            << path;
}

TEST_F(MainWindowTest, ClosingAsksOnlyWhenTheImageDiffersAndWritesTheSettings)
{
    start("239");
    enterFrequency(1, ChannelGrid::kRxFreqCol, "145");
    ASSERT_TRUE(IsModified(state));

    prompter.answers.push_back(Prompter::Button::Cancel);
    EXPECT_FALSE(window->close());
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, "File hasn't been saved, save it now?");
    EXPECT_EQ(prompter.asked[0].buttons, Prompter::Buttons::YesNoCancel);
    EXPECT_EQ(prompter.asked[0].icon, Prompter::Icon::Exclamation);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(settings.values.count("language") == 0);

    // Changed back: the bytes equal the snapshot again, so nothing is asked.
    enterFrequency(1, ChannelGrid::kRxFreqCol, "");
    EXPECT_FALSE(IsModified(state));

    // An edit still open when the window closes is committed first.
    clickCell(2, ChannelGrid::kRxFreqCol);
    QTest::keyClicks(&freqEditor(), "150");
    prompter.answers.push_back(Prompter::Button::No);
    prompter.dialogScripts.push_back(ChooseLanguage(1, "cmdOK"));
    window->findChild<QAction*>("mnuSetup_Lang")->trigger();
    EXPECT_EQ(grid().cellText(2, 1), "150.00000");
    EXPECT_TRUE(window->close());
    EXPECT_EQ(prompter.asked.size(), 2u);
    EXPECT_EQ(prompter.asked[1].text, "文件尚未保存，是否现在保存？");
    EXPECT_EQ(settings.values["LastFreq"], "239");
    EXPECT_EQ(settings.values["LastModel"], "58");
    EXPECT_EQ(settings.values["language"], "1");
}

TEST_F(MainWindowTest, YesToTheCloseQuestionClosesOnlyOnceTheDocumentIsSaved)
{
    start("239");
    enterFrequency(1, ChannelGrid::kRxFreqCol, "145");

    // Save As cancelled: the work is still unsaved, so the window stays.
    prompter.answers.push_back(Prompter::Button::Yes);
    prompter.fileNames.push_back(QString());
    EXPECT_FALSE(window->close());
    ASSERT_EQ(prompter.fileDialogs.size(), 1u);
    EXPECT_TRUE(prompter.fileDialogs[0].save);
    EXPECT_EQ(prompter.fileDialogs[0].proposedName, "Untitled.dat");
    EXPECT_TRUE(window->isVisible());

    QTemporaryDir folder;
    const QString path = folder.filePath("channels.dat");
    prompter.answers.push_back(Prompter::Button::Yes);
    prompter.fileNames.push_back(path);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(settings.values["LastFreq"], "239");
}

TEST_F(MainWindowTest, AFreshDocumentClosesWithoutAQuestionAndRemembersTheSettings)
{
    start("248");
    QAction* verify = window->findChild<QAction*>("mnuProgram_Verify");
    EXPECT_FALSE(verify->isChecked());
    verify->trigger();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(settings.values["LastFreq"], "248");
    EXPECT_EQ(settings.values["language"], "0");
    EXPECT_EQ(settings.values["VerifyAfterWrite"], "1");

    // Remembered into the next session.
    state = AppState();
    start("248");
    EXPECT_TRUE(window->findChild<QAction*>("mnuProgram_Verify")->isChecked());
    EXPECT_TRUE(state.verifyAfterWrite);
}

}  // namespace
