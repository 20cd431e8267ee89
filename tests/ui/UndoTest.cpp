#include <vector>

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "MainWindowFixture.h"
#include "core/DocumentState.h"
#include "core/Layout.h"

namespace {

class UndoTest : public MainWindowFixture {
protected:
    QAction& action(const char* name) { return *window->findChild<QAction*>(QString::fromLatin1(name)); }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    void relabelIn(std::uint8_t language)
    {
        SetLanguageIndex(language);
        window->document().ApplyLanguage();
    }
};

constexpr int kRx = ChannelGrid::kRxFreqCol;

TEST_F(UndoTest, EveryKindOfStepIsTakenBackAndRedoneWithCaptionsNamingIt)
{
    start("239");
    QAction& undo = action("mnuEdit_Undo");
    QAction& redo = action("mnuEdit_Redo");
    EXPECT_FALSE(undo.isEnabled());
    EXPECT_EQ(undo.text(), "&Undo");
    const QString title = window->windowTitle();

    // The image before each step, and the caption Undo shows after it.
    std::vector<MemoryImage> before{state.memoryImage};
    std::vector<QString> captions;
    const auto stepped = [&](const char* caption) {
        before.push_back(state.memoryImage);
        captions.emplace_back(QString::fromUtf8(caption));
        EXPECT_EQ(undo.text(), captions.back());
    };
    enterFrequency(5, kRx, "145");
    stepped("&Undo Channel 5 RX Freq");
    choose(5, ChannelGrid::kWideCol, "Narrow");
    stepped("&Undo Channel 5 W/N");
    auto* power = window->findChild<QComboBox*>("cboGenPower");
    power->setFocus();
    QTest::keyClick(power, Qt::Key_Up);
    stepped("&Undo Power Level");
    grid().setFocus();
    grid().makeCurrent(5, kRx);
    press(Qt::Key_D);
    ASSERT_TRUE(cell(5, kRx).isEmpty());
    stepped("&Undo Delete Channel");
    prompter.dialogScripts.push_back([](QDialog& dialog) {
        dialog.findChild<QComboBox*>(QStringLiteral("cboFeatureGen_2"))->setCurrentIndex(7);
        dialog.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        return dialog.result();
    });
    action("mnuProgram_OptFeatures").trigger();
    stepped("&Undo Optional Features");
    before.pop_back();  // the last image is the current one, not a step's start

    relabelIn(1);
    EXPECT_EQ(undo.text(), QString::fromUtf8("撤销 可选功能(&U)"));
    grid().setFocus();
    press(Qt::Key_Z);
    EXPECT_EQ(redo.text(), QString::fromUtf8("重做 可选功能(&R)"));
    EXPECT_EQ(undo.text(), QString::fromUtf8("撤销 删除信道(&U)"));
    relabelIn(0);

    // Back through the rest, the grid and panel redrawn each time.
    for (int step = static_cast<int>(captions.size()) - 2; step >= 0; --step) {
        EXPECT_EQ(undo.text(), captions[step]);
        if (step == 0) {
            // An edit open on another cell is abandoned first.
            clickCell(6, kRx);
            QTest::keyClicks(&freqEditor(), "146");
        }
        press(Qt::Key_Z);
        EXPECT_EQ(state.memoryImage, before[step]) << step;
        if (step == 3) EXPECT_EQ(cell(5, ChannelGrid::kWideCol), "Narrow");
        if (step == 2) EXPECT_EQ(power->currentText(), "9");
    }
    EXPECT_FALSE(freqEditor().isVisible());
    EXPECT_TRUE(cell(5, kRx).isEmpty());
    EXPECT_TRUE(cell(6, kRx).isEmpty());
    EXPECT_FALSE(IsModified(state));
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_FALSE(undo.isEnabled());

    relabelIn(1);
    EXPECT_EQ(redo.text(), QString::fromUtf8("重做 信道 5 接收频率(&R)"));
    relabelIn(0);
    press(Qt::Key_Y);
    EXPECT_EQ(cell(5, kRx), "145.00000");
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(state.memoryImage, before[2]);
    EXPECT_TRUE(IsModified(state));

    // A new step drops what could be redone; New forgets everything.
    enterFrequency(7, kRx, "150");
    EXPECT_FALSE(redo.isEnabled());
    prompter.answers.push_back(Prompter::Button::Ok);
    action("mnuFile_New").trigger();
    EXPECT_FALSE(undo.isEnabled());
    EXPECT_EQ(undo.text(), "&Undo");
}

TEST_F(UndoTest, AnImportIsOneStepThatUndoTakesBackWhole)
{
    start("239");
    enterFrequency(5, kRx, "145");
    const MemoryImage edited = state.memoryImage;
    QTemporaryDir dir;
    QFile csv(dir.filePath("in.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("CH,RX Freq\r\n1,146\r\n2,147\r\n");
    csv.close();
    prompter.fileNames = {csv.fileName()};
    action("mnuFile_ImportChannels").trigger();
    EXPECT_EQ(prompter.asked.back().text, "2 channels imported.");
    EXPECT_EQ(cell(2, kRx), "147.00000");
    EXPECT_TRUE(cell(5, kRx).isEmpty());
    EXPECT_EQ(action("mnuEdit_Undo").text(), "&Undo Import");

    grid().setFocus();
    press(Qt::Key_Z);
    EXPECT_EQ(state.memoryImage, edited);
    EXPECT_EQ(cell(5, kRx), "145.00000");
    EXPECT_TRUE(cell(1, kRx).isEmpty());
}

}  // namespace
