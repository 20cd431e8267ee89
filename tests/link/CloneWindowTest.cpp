#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include "FakeSerialPort.h"
#include "LinkTestData.h"
#include "core/AppState.h"
#include "link/frmClone.h"
#include "platform/SerialPorts.h"
#include "strings/Strings.h"
#include "support/ScriptedPrompter.h"

namespace {

using Button = Prompter::Button;

class CloneWindow : public ::testing::Test {
protected:
    CloneWindow() : radio(PatternMemory(11)), port(radio)
    {
        state.memoryImage = PatternImage(40);
        MatchIdentification(state.memoryImage, radio);
        before = state.memoryImage;
    }
    ~CloneWindow() override { SetLanguageIndex(0); }

    // Opens the port and runs the window to its end; a stuck window fails after 10 s.
    int run(frmClone& window)
    {
        window.transfer().setDeadlineMs(40);
        EXPECT_TRUE(window.openPort());
        QTimer::singleShot(10000, &window, [&window] {
            ADD_FAILURE() << "transfer window still open";
            window.done(-1);
        });
        return window.exec();
    }

    [[nodiscard]] QStringList texts() const { return prompter.texts(); }

    AppState state;
    RadioModel radio;
    FakeSerialPort port;
    ScriptedPrompter prompter;
    MemoryImage before;
};

TEST_F(CloneWindow, CompletedReadReplacesTheDocumentBeforeSayingSo)
{
    state.transferMode = 0;
    frmClone window(state, prompter, port);
    EXPECT_EQ(window.windowTitle(), "Read data from radio");
    EXPECT_EQ(window.lblPercent->text(), "Completion percentage:  0%");
    EXPECT_EQ(window.lblDemo, nullptr);
    std::size_t messagesAtCommit = 99;
    window.setReadCommittedHandler([&] {
        messagesAtCommit = prompter.asked.size();
        EXPECT_TRUE(RadioHoldsImage(radio, state.memoryImage));
    });

    EXPECT_EQ(run(window), QDialog::Accepted);
    EXPECT_TRUE(window.readCompleted());
    EXPECT_EQ(messagesAtCommit, 0u);
    EXPECT_TRUE(RadioHoldsImage(radio, state.memoryImage));
    EXPECT_TRUE(UpperColumnsEqual(state.memoryImage, before));
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, "Reading completed!");
    EXPECT_EQ(prompter.asked[0].title, "ZQ-915");
    EXPECT_EQ(prompter.asked[0].icon, Prompter::Icon::Information);
    EXPECT_EQ(window.prgPercent->maximum(), 264);
    EXPECT_EQ(window.prgPercent->value(), 264);
    EXPECT_EQ(window.lblPercent->text(), "Completion percentage: 100%");
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.openedName, "COM1");
    EXPECT_EQ(port.sent.back(), 'E');
}

TEST_F(CloneWindow, CompletedWriteLeavesTheImageInTheRadioAndTheDocumentAlone)
{
    state.transferMode = 1;
    state.commPortNumber = 3;
    state.commPortDevice = "/dev/ttyUSB7";
    frmClone window(state, prompter, port);
    EXPECT_EQ(window.windowTitle(), "Write data to radio");

    EXPECT_EQ(run(window), QDialog::Accepted);
    EXPECT_FALSE(window.readCompleted());
    EXPECT_TRUE(RadioHoldsImage(radio, before));
    EXPECT_EQ(state.memoryImage, before);
    EXPECT_EQ(texts(), QStringList{"Writing completed!"});
    EXPECT_EQ(port.openedName, "/dev/ttyUSB7");
}

TEST_F(CloneWindow, CancelledReadLeavesTheDocumentAsItWas)
{
    state.transferMode = 0;
    radio.addFault({RadioModel::FaultKind::NoReply, 100});
    prompter.answers = {Button::Cancel};
    frmClone window(state, prompter, port);

    EXPECT_EQ(run(window), QDialog::Rejected);
    EXPECT_FALSE(window.readCompleted());
    EXPECT_EQ(state.memoryImage, before);
    ASSERT_EQ(prompter.asked.size(), 1u);
    const auto& asked = prompter.asked[0];
    EXPECT_EQ(asked.text, "Check Connection. Retry or Cancel?");
    EXPECT_EQ(asked.title, "Error");
    EXPECT_EQ(asked.icon, Prompter::Icon::Critical);
    EXPECT_EQ(asked.buttons, Prompter::Buttons::RetryCancel);
    EXPECT_EQ(port.sent.back(), 'E');
    EXPECT_FALSE(port.isOpen());
}

TEST_F(CloneWindow, ModelMismatchSaysSoWithoutAskingAndChangesNothing)
{
    state.transferMode = 1;
    radio.addFault({RadioModel::FaultKind::WrongIdent, 0});
    frmClone window(state, prompter, port);

    EXPECT_EQ(run(window), QDialog::Rejected);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, "Model type is wrong.");
    EXPECT_EQ(prompter.asked[0].title, "Error");
    EXPECT_EQ(prompter.asked[0].icon, Prompter::Icon::Critical);
    EXPECT_EQ(prompter.asked[0].buttons, Prompter::Buttons::Ok);
    EXPECT_EQ(port.sent, QByteArray("\x02PROGRAM\x02"
                                    "E"));
    EXPECT_EQ(radio.memory(), PatternMemory(11));
}

TEST_F(CloneWindow, LostPortIsAMissingReplyAndRetryReopensIt)
{
    state.transferMode = 0;
    port.failAtWrite = 60;
    prompter.answers = {Button::Retry};
    frmClone window(state, prompter, port);

    EXPECT_EQ(run(window), QDialog::Accepted);
    EXPECT_EQ(port.opens, 2);
    EXPECT_EQ(texts(), (QStringList{"Check Connection. Retry or Cancel?", "Reading completed!"}));
    EXPECT_TRUE(RadioHoldsImage(radio, state.memoryImage));
    EXPECT_NE(window.transfer().failureDetail().indexOf("device removed"), -1);
}

TEST_F(CloneWindow, LostPortIsReopenedBeforeAskingSoCancelSendsEnd)
{
    state.transferMode = 1;
    port.failAtWrite = 60;
    prompter.answers = {Button::Cancel};
    frmClone window(state, prompter, port);

    EXPECT_EQ(run(window), QDialog::Rejected);
    EXPECT_EQ(port.opens, 2);
    EXPECT_EQ(texts(), QStringList{"Check Connection. Retry or Cancel?"});
    EXPECT_EQ(radio.messages().back(), std::vector<std::uint8_t>{'E'});
    EXPECT_FALSE(port.isOpen());
}

TEST_F(CloneWindow, RetryWithThePortStillGoneAsksAgain)
{
    state.transferMode = 0;
    port.failAtWrite = 60;
    port.allowedOpens = 1;
    prompter.answers = {Button::Retry, Button::Cancel};
    frmClone window(state, prompter, port);

    EXPECT_EQ(run(window), QDialog::Rejected);
    EXPECT_EQ(texts(),
              (QStringList{"Check Connection. Retry or Cancel?", "Check Connection. Retry or Cancel?"}));
    EXPECT_EQ(state.memoryImage, before);
}

TEST_F(CloneWindow, LateReplyPromptsAndRetryCompletes)
{
    state.transferMode = 1;
    radio.addFault({RadioModel::FaultKind::LateReply, 40});
    prompter.answers = {Button::Retry};
    frmClone window(state, prompter, port);

    EXPECT_EQ(run(window), QDialog::Accepted);
    EXPECT_EQ(texts(), (QStringList{"Check Connection. Retry or Cancel?", "Writing completed!"}));
    EXPECT_EQ(port.sent.count("\x02PROGRA"), 2);
    EXPECT_TRUE(RadioHoldsImage(radio, before));
    EXPECT_EQ(window.transfer().failureDetail(),
              "step 40 (write block 38): awaited 1 bytes, received 0; no complete reply within 40 ms");
}

TEST_F(CloneWindow, ClosingTheWindowMidReadSendsEndAndKeepsTheDocument)
{
    state.transferMode = 0;
    frmClone window(state, prompter, port);
    bool closing = false;
    QObject::connect(&window.transfer(), &RadioTransfer::progressChanged, &window,
                     [&](int value, const QString&) {
                         if (value != 10 || closing) return;
                         closing = true;
                         QTimer::singleShot(0, &window, [&window] { window.reject(); });
                     });

    EXPECT_EQ(run(window), QDialog::Rejected);
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_EQ(state.memoryImage, before);
    EXPECT_EQ(port.sent.back(), 'E');
    EXPECT_EQ(radio.messages().back(), std::vector<std::uint8_t>{'E'});
}

TEST_F(CloneWindow, EscapeMidWriteDoesNotStopTheTransfer)
{
    state.transferMode = 1;
    frmClone window(state, prompter, port);
    bool pressed = false;
    QObject::connect(&window.transfer(), &RadioTransfer::progressChanged, &window,
                     [&](int value, const QString&) {
                         if (value != 10 || pressed) return;
                         pressed = true;
                         QTimer::singleShot(0, &window, [&window] {
                             QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                             QCoreApplication::sendEvent(&window, &escape);
                         });
                     });

    EXPECT_EQ(run(window), QDialog::Accepted);
    EXPECT_TRUE(pressed);
    EXPECT_EQ(texts(), QStringList{"Writing completed!"});
}

TEST_F(CloneWindow, TextsFollowTheLanguage)
{
    SetLanguageIndex(1);
    state.transferMode = 1;
    frmClone window(state, prompter, port);
    EXPECT_EQ(window.windowTitle(), QString::fromStdString(Text(TextId::WriteToRadioTitle)));
    EXPECT_EQ(window.lblPercent->text(),
              QString::fromStdString(Text(TextId::CompletionPercentage) + ":  0%"));
    EXPECT_EQ(window.findChild<QProgressBar*>("prgPercent"), window.prgPercent);
    EXPECT_EQ(window.findChild<QLabel*>("lblPercent"), window.lblPercent);
}

TEST_F(CloneWindow, PortThatCannotBeOpenedIsReportedToTheCaller)
{
    port.allowedOpens = 0;
    frmClone window(state, prompter, port);
    EXPECT_FALSE(window.openPort());
    EXPECT_TRUE(port.sent.isEmpty());
}

TEST_F(CloneWindow, WindowGoingAwayMidTransferSendsEndAndClosesThePort)
{
    state.transferMode = 1;
    {
        frmClone window(state, prompter, port);
        ASSERT_TRUE(window.openPort());
        window.transfer().start();
        EXPECT_TRUE(port.isOpen());
    }
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.sent, QByteArray("\x02PROGRAE"));
}

TEST_F(CloneWindow, PortClosesNoSoonerThan5MsAfterEndHoweverTheTransferEnds)
{
    constexpr qint64 kFiveMs = 5'000'000;
    state.transferMode = 0;
    {
        frmClone completed(state, prompter, port);
        EXPECT_EQ(run(completed), QDialog::Accepted);
    }
    EXPECT_EQ(port.sent.back(), 'E');
    EXPECT_GE(port.closedNs - port.lastWriteNs, kFiveMs);

    state.transferMode = 1;
    port.sent.clear();
    {
        frmClone goingAway(state, prompter, port);
        ASSERT_TRUE(goingAway.openPort());
        goingAway.transfer().start();
    }
    EXPECT_EQ(port.sent.back(), 'E');
    EXPECT_GE(port.closedNs - port.lastWriteNs, kFiveMs);
}

// --- port names -------------------------------------------------------------

struct PortNameCase {
    const char* name;
    const char* expected;
};

class PortNames : public ::testing::TestWithParam<PortNameCase> {};

TEST_P(PortNames, ComNamesPickDetectedDevicesUsbFirstOthersPassThrough)
{
    const QList<DetectedPort> detected = {
        {"/dev/ttyUSB0", "", true}, {"/dev/ttyACM0", "", true}, {"/dev/ttyS0", "", false}};
    EXPECT_EQ(SystemPortName(GetParam().name, detected), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Mapping, PortNames,
                         ::testing::Values(PortNameCase{"COM1", "/dev/ttyUSB0"},
                                           PortNameCase{"COM3", "/dev/ttyS0"}, PortNameCase{"COM4", ""},
                                           PortNameCase{"COM5", "COM5"},
                                           PortNameCase{"/dev/pts/4", "/dev/pts/4"},
                                           PortNameCase{"com1", "com1"}),
                         [](const auto& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
                             return name;
                         });

}  // namespace
