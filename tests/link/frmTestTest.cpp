#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "link/frmTest.h"
#include "strings/Strings.h"

namespace {

std::string S(const QString& text) { return text.toStdString(); }

class TuningWindowTexts : public ::testing::TestWithParam<std::uint8_t> {
protected:
    void SetUp() override { SetLanguageIndex(GetParam()); }
    void TearDown() override { SetLanguageIndex(0); }
};

TEST_P(TuningWindowTexts, EveryTextComesFromTheCurrentLanguage)
{
    frmTest window;
    EXPECT_EQ(S(window.windowTitle()), "Form1");
    EXPECT_EQ(S(window.Frame2->title()), Text(TextId::SetTuningFreqFirst));
    EXPECT_EQ(S(window.Frame4[0]->title()), Text(TextId::Receive));
    EXPECT_EQ(S(window.Frame4[1]->title()), Text(TextId::Transmit));
    EXPECT_EQ(S(window.Frame1[0]->title()), Text(TextId::TuningFreq));
    EXPECT_EQ(S(window.Frame1[1]->title()), Text(TextId::TuningValue));
    for (int k : {0, 4}) {
        EXPECT_EQ(S(window.Label1[k]->text()), Text(TextId::Frequency) + "(MHz)");
        EXPECT_EQ(S(window.Label1[k + 1]->text()), Text(TextId::Signalling));
        EXPECT_EQ(S(window.Label1[k + 2]->text()), Text(TextId::Signalling) + Text(TextId::Kind));
        EXPECT_EQ(S(window.Label1[k + 3]->text()), Text(TextId::Frequency) + Text(TextId::Step));
        EXPECT_EQ(S(window.Option1[k]->text()), Text(TextId::Simulate) + Text(TextId::Signalling));
        EXPECT_EQ(S(window.Option1[k + 1]->text()), Text(TextId::Decode));
        EXPECT_EQ(S(window.Option1[k + 2]->text()), "6.25KHZ");
        EXPECT_EQ(S(window.Option1[k + 3]->text()), "5.00KHZ");
    }
    const int points[] = {TextId::HighFreq, TextId::MidFreq, TextId::LowFreq};
    const int limits[] = {TextId::Min, TextId::Max, TextId::CurrentValue};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(S(window.Option2[i]->text()), Text(points[i]));
        EXPECT_EQ(S(window.Label2[i]->text()), Text(limits[i]));
    }
    EXPECT_EQ(S(window.Command1[0]->text()), Text(TextId::Ok));
    EXPECT_EQ(S(window.Command1[1]->text()), Text(TextId::Cancel));
}

TEST_P(TuningWindowTexts, TreeHoldsTheTuningItemsInOrder)
{
    frmTest window;
    struct Node {
        const char* key;
        int id;
        std::vector<std::pair<const char*, int>> children;
    };
    const std::vector<Node> expected{
        {"T",
         TextId::TuningFreq,
         {{"T1", TextId::HighFreq}, {"T2", TextId::MidFreq}, {"T3", TextId::LowFreq}}},
        {"S",
         TextId::TuningProject,
         {{"S1", TextId::TuningTxFreq},
          {"S2", TextId::VoltageWarning},
          {"S3", TextId::TuningSquelch},
          {"S4", TextId::TuningTxPower}}},
        {"Q", TextId::TuningExit, {}},
    };
    ASSERT_EQ(window.TreeTest->topLevelItemCount(), 3);
    for (int i = 0; i < 3; ++i) {
        QTreeWidgetItem* item = window.TreeTest->topLevelItem(i);
        EXPECT_EQ(S(item->data(0, Qt::UserRole).toString()), expected[i].key);
        EXPECT_EQ(S(item->text(0)), Text(expected[i].id));
        ASSERT_EQ(item->childCount(), static_cast<int>(expected[i].children.size()));
        for (int c = 0; c < item->childCount(); ++c) {
            EXPECT_EQ(S(item->child(c)->data(0, Qt::UserRole).toString()), expected[i].children[c].first);
            EXPECT_EQ(S(item->child(c)->text(0)), Text(expected[i].children[c].second));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TuningWindowTexts, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param == 0 ? "English" : "Chinese"; });

TEST(TuningWindow, OkAndCancelButtonsAreHidden)
{
    frmTest window;
    window.show();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.Command1[0]->isVisible());
    EXPECT_FALSE(window.Command1[1]->isVisible());
}

TEST(TuningWindow, ExitItemEscapeAndCloseBoxCloseItAndValueBoxesAreReadOnly)
{
    frmTest window;
    for (QLineEdit* box : window.Text1) EXPECT_TRUE(box->isReadOnly());
    window.show();
    QTreeWidgetItem* tuningNode = window.TreeTest->topLevelItem(0);
    Q_EMIT window.TreeTest->itemActivated(tuningNode, 0);
    EXPECT_TRUE(window.isVisible());
    QTreeWidgetItem* exitNode = window.TreeTest->topLevelItem(2);
    Q_EMIT window.TreeTest->itemActivated(exitNode, 0);
    EXPECT_FALSE(window.isVisible());

    window.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&window, &escape);
    EXPECT_FALSE(window.isVisible());

    window.show();
    window.close();
    EXPECT_FALSE(window.isVisible());
}

TEST(TuningWindow, StepChoicesAreSeparateFromSignallingKind)
{
    frmTest window;
    window.show();
    window.Option1[0]->click();
    window.Option1[2]->click();
    EXPECT_TRUE(window.Option1[0]->isChecked());
    EXPECT_TRUE(window.Option1[2]->isChecked());
    window.Option1[3]->click();
    EXPECT_TRUE(window.Option1[0]->isChecked());
    EXPECT_FALSE(window.Option1[2]->isChecked());
}

}  // namespace
