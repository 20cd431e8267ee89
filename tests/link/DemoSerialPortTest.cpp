#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>

#include "core/FreqCodec.h"
#include "core/Layout.h"
#include "link/DemoSerialPort.h"
#include "link/frmClone.h"
#include "radio/DemoRadio.h"
#include "support/NewDocumentFor.h"
#include "support/ScriptedPrompter.h"

namespace {

const QByteArray kHandshake("\x02PROGRA", 7);

// True when the port reports data within `ms`.
bool DataWithin(SerialPort& port, int ms)
{
    QEventLoop loop;
    bool arrived = false;
    QObject::connect(&port, &SerialPort::dataReceived, &loop, [&] {
        arrived = true;
        loop.quit();
    });
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return arrived;
}

// Runs a transfer window over a fresh unpaced demo port to its end.
int RunTransfer(AppState& state, RadioModel& radio, ScriptedPrompter& prompter, std::uint8_t mode)
{
    state.transferMode = mode;
    DemoSerialPort port(radio, DemoSerialPort::Pacing::None);
    frmClone window(state, prompter, port);
    EXPECT_EQ(window.lblDemo->text(), "Demo radio (simulated): no real radio is involved.");
    EXPECT_TRUE(window.openPort());
    QTimer::singleShot(10000, &window, [&window] {
        ADD_FAILURE() << "transfer window still open";
        window.done(-1);
    });
    return window.exec();
}

TEST(DemoRadio, WhatIsWrittenIsReadBackByTheNextTransfer)
{
    RadioModel radio(DemoRadioMemory());
    ScriptedPrompter prompter;
    AppState state = NewDocumentFor(240);
    state.commPortDevice = "demo";

    ASSERT_EQ(RunTransfer(state, radio, prompter, 0), QDialog::Accepted);
    EXPECT_EQ(state.memoryImage.at(layout::kBandRow, layout::kRadioColumn), 239);
    EXPECT_EQ(FreqToText(state.memoryImage, 0, layout::kRxFreqRow), "146.52000");

    StoreFreq(state.memoryImage, 0, layout::kRxFreqRow, "145.00000");
    ASSERT_EQ(RunTransfer(state, radio, prompter, 1), QDialog::Accepted);

    AppState again = NewDocumentFor(240);
    again.commPortDevice = "Demo";
    ASSERT_EQ(RunTransfer(again, radio, prompter, 0), QDialog::Accepted);
    EXPECT_EQ(FreqToText(again.memoryImage, 0, layout::kRxFreqRow), "145.00000");
    EXPECT_EQ(prompter.texts(),
              QStringList({"Reading completed!", "Writing completed!", "Reading completed!"}));
}

TEST(DemoRadio, PacedRepliesTakeTheirWireTimeAndClearDropsThem)
{
    RadioModel radio;
    DemoSerialPort port(radio);
    ASSERT_TRUE(port.open("demo"));

    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(port.write(kHandshake));
    ASSERT_TRUE(DataWithin(port, 1000));
    // Seven bytes out and the acknowledge back, ten bits each at 9600 baud,
    // handed over to the nearest millisecond.
    EXPECT_GE(clock.nsecsElapsed(), 8 * 10 * 1'000'000'000LL / 9600 - 500'000);
    EXPECT_EQ(port.readAll(), QByteArray("\x06", 1));

    ASSERT_TRUE(port.write(kHandshake));
    port.clear();
    EXPECT_FALSE(DataWithin(port, 60));
    EXPECT_TRUE(port.readAll().isEmpty());
}

}  // namespace
