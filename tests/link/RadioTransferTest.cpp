#include "link/RadioTransfer.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>
#include <functional>

#include "FakeSerialPort.h"
#include "LinkTestData.h"

namespace {

using Job = RadioTransfer::Job;
using Outcome = RadioTransfer::Outcome;

constexpr const char* kNotVerified =
    "The radio was written completely, but the verification could not be completed: ";

class RadioTransferTest : public ::testing::Test {
protected:
    RadioTransferTest() : radio(PatternMemory(11)), port(radio)
    {
        image = PatternImage(40);
        MatchIdentification(image, radio);
    }

    // Runs the job to its end with Cancel at every prompt; `onProgress` sees
    // every progress change. A stuck job fails after 10 s.
    Outcome run(RadioTransfer& transfer, const std::function<void(int)>& onProgress = {})
    {
        QEventLoop loop;
        Outcome outcome = Outcome::Failed;
        transfer.setDeadlineMs(30);
        QObject::connect(&transfer, &RadioTransfer::progressChanged, &loop, [&](int value, const QString&) {
            if (onProgress) onProgress(value);
        });
        QObject::connect(&transfer, &RadioTransfer::checkConnection, &loop,
                         [&transfer] { transfer.answerPrompt(false); });
        QObject::connect(&transfer, &RadioTransfer::finished, &loop, [&](Outcome how) {
            outcome = how;
            loop.quit();
        });
        QTimer::singleShot(10000, &loop, [&loop] {
            ADD_FAILURE() << "transfer still running";
            loop.quit();
        });
        EXPECT_TRUE(transfer.openPort());
        transfer.start();
        loop.exec();
        return outcome;
    }

    RadioModel radio;
    FakeSerialPort port;
    MemoryImage image;
};

TEST_F(RadioTransferTest, ReadBackThatCannotCompleteSaysTheRadioWasWrittenCompletely)
{
    // The line cannot be opened again for the read-back.
    port.allowedOpens = 1;
    RadioTransfer unopened(port, QStringLiteral("COM1"), Job::VerifiedWrite, image);
    EXPECT_EQ(run(unopened), Outcome::NotVerified);
    EXPECT_EQ(unopened.resultText(), QString(kNotVerified) + "Cannot Open Communication Port. busy");

    // The process is asked to stop while verifying.
    RadioModel other(PatternMemory(11));
    FakeSerialPort otherPort(other);
    RadioTransfer stopped(otherPort, QStringLiteral("COM1"), Job::VerifiedWrite, image);
    EXPECT_EQ(run(stopped,
                  [&](int value) {
                      if (stopped.verifying() && value == 3) stopped.interrupt();
                  }),
              Outcome::NotVerified);
    EXPECT_EQ(stopped.resultText(), QString(kNotVerified) + "interrupted");
    EXPECT_EQ(otherPort.sent.back(), 'E');
}

TEST_F(RadioTransferTest, BlocksWrittenBeforeARetryCountWhenInterrupted)
{
    // A block that went out before a Retry still changed the radio.
    radio.addFault({RadioModel::FaultKind::NoReply, 4});
    RadioTransfer retried(port, QStringLiteral("COM1"), Job::Write, image);
    QObject::connect(&retried, &RadioTransfer::checkConnection, &retried, [&] {
        retried.answerPrompt(true);
        retried.interrupt();  // at the new handshake, blocks 0..2 long written
    });
    EXPECT_EQ(run(retried), Outcome::Failed);
    EXPECT_EQ(retried.resultText(), "interrupted, radio partly written");
}

TEST(CloneRunnerOnASharedPort, FinishedRunnerLeavesEveryByteToTheNext)
{
    RadioModel radio(PatternMemory(3));
    FakeSerialPort port(radio);
    MemoryImage image = PatternImage(9);
    MatchIdentification(image, radio);
    const auto runToEnd = [&port](CloneRunner& runner) {
        QEventLoop loop;
        CloneRunner::Outcome outcome = CloneRunner::Outcome::Cancelled;
        runner.setDeadlineMs(30);
        QObject::connect(&runner, &CloneRunner::checkConnection, &loop,
                         [&runner] { runner.answerPrompt(false); });
        QObject::connect(&runner, &CloneRunner::finished, &loop, [&](CloneRunner::Outcome how) {
            outcome = how;
            loop.quit();
        });
        EXPECT_TRUE(runner.openPort());
        runner.start();
        loop.exec();
        return outcome;
    };
    CloneRunner first(port, QStringLiteral("COM1"), CloneSession::Direction::Read, image);
    ASSERT_EQ(runToEnd(first), CloneRunner::Outcome::Completed);
    // The first is still alive, as one is while it delivers its finished().
    CloneRunner second(port, QStringLiteral("COM1"), CloneSession::Direction::Read, image);
    EXPECT_EQ(runToEnd(second), CloneRunner::Outcome::Completed) << second.failureDetail().toStdString();
}

}  // namespace
