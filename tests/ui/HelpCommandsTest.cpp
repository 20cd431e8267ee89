#include <QAction>

#include "MainWindowFixture.h"
#include "ui/dialogs/HelpWindow.h"
#include "ui/main/HelpCommands.h"

namespace {

using HelpCommandsTest = MainWindowFixture;

TEST_F(HelpCommandsTest, HelpTopicsKeepsOneWindowAndF1InTheGridOpensTheColumnTopic)
{
    start("240");
    QAction* topics = window->findChild<QAction*>("mnuHelp_Topics");
    topics->trigger();
    HelpWindow* help = window->helpCommands().helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());

    // Closed and asked for again: the same window comes back.
    help->close();
    topics->trigger();
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(window->findChildren<HelpWindow*>().size(), 1);

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    enterFrequency(3, ChannelGrid::kRxFreqCol, "150");
    choose(3, ChannelGrid::kBclCol, "Off");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(help->currentPage(), "grid.html#bcl");

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    clickCell(2, ChannelGrid::kRxFreqCol);
    ASSERT_TRUE(freqEditor().hasFocus());
    QTest::keyClick(&freqEditor(), Qt::Key_F1);
    EXPECT_EQ(help->currentPage(), "grid.html#rx-freq");
}

}  // namespace
