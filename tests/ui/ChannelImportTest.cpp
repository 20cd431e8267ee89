#include <QAction>
#include <QFile>
#include <QTemporaryDir>

#include "MainWindowFixture.h"
#include "core/DocumentState.h"

namespace {

constexpr int kRx = ChannelGrid::kRxFreqCol;

class ChannelImportTest : public MainWindowFixture {
protected:
    QAction& action(const char* name) { return *window->findChild<QAction*>(QString::fromLatin1(name)); }
    // File > Import Channels... of a file holding `rows`.
    void importRows(const QByteArray& rows)
    {
        QFile csv(m_dir.filePath("in.csv"));
        ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
        csv.write(rows);
        csv.close();
        prompter.fileNames = {csv.fileName()};
        action("mnuFile_ImportChannels").trigger();
    }

private:
    QTemporaryDir m_dir;
};

const QByteArray kTwoGoodOneBad = "CH;RX Freq;Decode\r\n1;146,5;67\r\n2;300;\r\n3;147;\r\n";

TEST_F(ChannelImportTest, ReplacingChannelsThatHoldDataIsAskedFirstWithTheReport)
{
    start("239");
    enterFrequency(5, kRx, "145");
    const MemoryImage edited = state.memoryImage;
    const QString undoCaption = action("mnuEdit_Undo").text();

    prompter.answers.push_back(Prompter::Button::Cancel);
    importRows(kTwoGoodOneBad);
    const ScriptedPrompter::Asked& asked = prompter.asked.back();
    EXPECT_EQ(asked.text, "Import 2 channels and replace the 1 now in the document? 1 row will be skipped.");
    EXPECT_EQ(asked.details, "Skipped rows:\nLine 3: frequency 300 is outside the band");
    EXPECT_EQ(asked.acceptText, "Import");
    EXPECT_EQ(asked.defaultButton, Prompter::Button::Ok);
    EXPECT_EQ(state.memoryImage, edited);
    EXPECT_EQ(action("mnuEdit_Undo").text(), undoCaption);

    // Confirmed: imported at once, with nothing more to click.
    SetLanguageIndex(1);
    prompter.answers.push_back(Prompter::Button::Ok);
    const std::size_t before = prompter.asked.size();
    importRows(kTwoGoodOneBad);
    ASSERT_EQ(prompter.asked.size(), before + 1);
    EXPECT_EQ(prompter.asked.back().text, "导入 2 个信道并替换文档中现有的 1 个信道吗？将跳过 1 行。");
    EXPECT_EQ(prompter.asked.back().acceptText, "导入");
    EXPECT_EQ(cell(1, kRx), "146.50000");
    EXPECT_EQ(cell(3, kRx), "147.00000");
    EXPECT_TRUE(cell(5, kRx).isEmpty());
}

TEST_F(ChannelImportTest, AListThatFitsNoChannelChangesNothingAndSaysWhy)
{
    start("239");
    importRows("CH,RX Freq\r\n1,440\r\n2,446.00625\r\n");
    const ScriptedPrompter::Asked& asked = prompter.asked.back();
    EXPECT_EQ(asked.text, "No channel could be imported: every row was skipped (band 136 - 174 MHz).");
    EXPECT_EQ(asked.icon, Prompter::Icon::Exclamation);
    EXPECT_EQ(asked.details,
              "Skipped rows:\nLine 2: frequency 440 is outside the band\n"
              "Line 3: frequency 446.00625 is outside the band");
    EXPECT_FALSE(IsModified(state));
    EXPECT_FALSE(action("mnuEdit_Undo").isEnabled());

    // Into an empty document nothing is lost: imported first, then reported.
    importRows(kTwoGoodOneBad);
    EXPECT_EQ(prompter.asked.back().text, "2 channels imported.");
    EXPECT_EQ(prompter.asked.back().icon, Prompter::Icon::Information);
    EXPECT_EQ(cell(1, kRx), "146.50000");
    EXPECT_TRUE(action("mnuEdit_Undo").isEnabled());
}

}  // namespace
