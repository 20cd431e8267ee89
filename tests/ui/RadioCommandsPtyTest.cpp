#include <QDialog>
#include <atomic>
#include <thread>

#include "CommandsFixture.h"
#include "core/DocumentState.h"
#include "radio-sim/PtyRadio.h"
#include "ui/main/RadioCommands.h"

// The window's transfers through the system's serial port to the simulator on
// a pseudo-terminal: the radio hangs up half-way, the user answers the prompt.

namespace {

using Button = Prompter::Button;

class RadioCommandsPty : public CommandsFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(CommandsFixture::SetUp());
        MemoryImage radioImage = freshImage;
        PutChannel(radioImage, 1, "255.00000");
        PutChannel(radioImage, 128, "241.12500");
        for (int a = 0; a < RadioModel::kMemorySize; ++a) radio.memory()[a] = radioImage.atAddress(a);
        ASSERT_TRUE(pty.open()) << pty.errorText();
        state.commPortDevice = pty.devicePath();
        prompter.dialogScripts.push_back([](QDialog& dialog) { return dialog.exec(); });
    }
    void TearDown() override
    {
        stopRadio();
        CommandsFixture::TearDown();
    }

    // The radio runs on its own thread from here; it hangs up at `block`
    // in each of the next `times` sessions that get there.
    void startRadio(int block, int times)
    {
        for (int i = 0; i < times; ++i) radio.addFault({RadioModel::FaultKind::HangUp, block + 2});
        server = std::thread([this] { pty.run(stop); });
    }
    void stopRadio()
    {
        stop = true;
        if (server.joinable()) server.join();
    }
    bool radioHolds(const MemoryImage& image) const
    {
        for (int a = 0; a < RadioModel::kMemorySize; ++a)
            if (radio.memory()[a] != image.atAddress(a)) return false;
        return true;
    }

    RadioModel radio;
    PtyRadio pty{radio, {}};
    std::atomic<bool> stop{false};
    std::thread server;
};

TEST_F(RadioCommandsPty, ReadHungUpHalfWayCancelKeepsTheDocumentRetryCompletes)
{
    EditChannel(5, "241.00000");
    const MemoryImage edited = state.memoryImage;
    startRadio(132, 2);

    // The unsaved edit is not saved first (No), then the read is confirmed.
    prompter.answers = {Button::No, Button::Ok, Button::Cancel};
    window->radioCommands().Read();
    EXPECT_EQ(prompter.texts().back(), "Check Connection. Retry or Cancel?");
    EXPECT_EQ(state.memoryImage, edited);
    EXPECT_TRUE(IsModified(state));

    prompter.answers = {Button::No, Button::Ok, Button::Retry, Button::Ok};
    prompter.dialogScripts.push_back([](QDialog& dialog) { return dialog.exec(); });
    window->radioCommands().Read();
    EXPECT_EQ(prompter.texts().back(), "Reading completed!");
    stopRadio();
    EXPECT_TRUE(radioHolds(state.memoryImage));
    EXPECT_EQ(grid().cellText(1, ChannelGrid::kRxFreqCol), "255.00000");
    EXPECT_FALSE(IsModified(state));
    EXPECT_TRUE(radio.violations().empty());
}

TEST_F(RadioCommandsPty, WriteHungUpHalfWayIsRetriedInFull)
{
    EditChannel(7, "247.50000");
    startRadio(100, 1);

    prompter.answers = {Button::Ok, Button::Retry, Button::Ok};
    window->radioCommands().Write();
    EXPECT_EQ(prompter.texts().mid(1),
              (QStringList{"Check Connection. Retry or Cancel?", "Writing completed!"}));
    stopRadio();
    EXPECT_TRUE(radioHolds(state.memoryImage));
    EXPECT_TRUE(radio.violations().empty());
}

}  // namespace
