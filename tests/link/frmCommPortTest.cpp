#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "link/frmCommPort.h"
#include "strings/Strings.h"
#include "support/LanguageGuard.h"

namespace {

const QStringList kDevices{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/ttyS0")};

struct InitialCase {
    const char* name;
    std::uint8_t port;
    std::string device;
    int checkedOption;  // 0..3 optCOM, 4 optDevice
};

class CommPortOpening : public ::testing::TestWithParam<InitialCase> {};

TEST_P(CommPortOpening, SelectsTheCurrentChoice)
{
    AppState state;
    state.commPortNumber = GetParam().port;
    state.commPortDevice = GetParam().device;
    frmCommPort dialog(state, kDevices);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(dialog.optCOM[i]->isChecked(), i == GetParam().checkedOption) << i;
    EXPECT_EQ(dialog.optDevice->isChecked(), GetParam().checkedOption == 4);
    if (!GetParam().device.empty()) {
        EXPECT_EQ(dialog.cboDevice->currentText().toStdString(), GetParam().device);
    }
    EXPECT_TRUE(dialog.cmdOK->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Ports, CommPortOpening,
                         ::testing::Values(InitialCase{"Com1", 1, "", 0}, InitialCase{"Com2", 2, "", 1},
                                           InitialCase{"Com4", 4, "", 3},
                                           InitialCase{"OutOfRangeShowsCom1", 9, "", 0},
                                           InitialCase{"Device", 2, "/dev/pts/4", 4}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommPortDialog, OkTakesTheChoiceAndTheNextOpeningShowsIt)
{
    AppState state;
    state.commPortDevice = "/dev/pts/3";
    {
        frmCommPort dialog(state, kDevices);
        dialog.optCOM[2]->click();
        dialog.cmdOK->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(state.commPortNumber, 3);
    EXPECT_TRUE(state.commPortDevice.empty());

    frmCommPort again(state, kDevices);
    EXPECT_TRUE(again.optCOM[2]->isChecked());
}

TEST(CommPortDialog, CancelKeepsThePreviousChoice)
{
    AppState state;
    state.commPortNumber = 2;
    frmCommPort dialog(state, kDevices);
    dialog.optCOM[3]->click();
    dialog.cboDevice->setEditText(QStringLiteral("/dev/pts/9"));
    dialog.cmdCancel->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(state.commPortNumber, 2);
    EXPECT_TRUE(state.commPortDevice.empty());
}

TEST(CommPortDialog, TypedDevicePathIsTakenAndBlankPathIsRefused)
{
    AppState state;
    state.commPortNumber = 4;
    frmCommPort dialog(state, kDevices);

    QTest::keyClicks(dialog.cboDevice->lineEdit(), QStringLiteral("   "));
    EXPECT_TRUE(dialog.optDevice->isChecked());
    EXPECT_FALSE(dialog.cmdOK->isEnabled());

    dialog.optCOM[0]->click();
    EXPECT_TRUE(dialog.cmdOK->isEnabled());

    dialog.cboDevice->clearEditText();
    QTest::keyClicks(dialog.cboDevice->lineEdit(), QStringLiteral(" /dev/pts/7 "));
    ASSERT_TRUE(dialog.cmdOK->isEnabled());
    dialog.cmdOK->click();
    EXPECT_EQ(state.commPortDevice, "/dev/pts/7");
    EXPECT_EQ(state.commPortNumber, 4);
}

TEST(CommPortDialog, PickingADetectedDeviceFromTheList)
{
    AppState state;
    frmCommPort dialog(state, kDevices);
    ASSERT_EQ(dialog.cboDevice->count(), 2);
    QTest::keyClick(dialog.cboDevice, Qt::Key_Down);
    QTest::keyClick(dialog.cboDevice, Qt::Key_Down);
    EXPECT_TRUE(dialog.optDevice->isChecked());
    dialog.cmdOK->click();
    EXPECT_EQ(state.commPortDevice, "/dev/ttyS0");
}

TEST(CommPortDialog, DemoRadioChosenOrTypedIsShownAsTheDemoChoice)
{
    AppState state;
    state.commPortNumber = 2;
    {
        frmCommPort dialog(state, kDevices);
        dialog.optDemo->click();
        dialog.cmdOK->click();
    }
    EXPECT_EQ(state.commPortDevice, "demo");
    EXPECT_EQ(state.commPortNumber, 2);
    {
        frmCommPort dialog(state, kDevices);
        EXPECT_TRUE(dialog.optDemo->isChecked());
        EXPECT_TRUE(dialog.cboDevice->currentText().isEmpty());
        QTest::keyClicks(dialog.cboDevice->lineEdit(), QStringLiteral(" Demo "));
        EXPECT_FALSE(dialog.optDemo->isChecked());
        dialog.cmdOK->click();
    }
    frmCommPort typed(state, kDevices);
    EXPECT_TRUE(typed.optDemo->isChecked());
    EXPECT_TRUE(typed.cmdOK->isEnabled());
}

TEST(CommPortDialog, TypedPrefixOfADetectedDeviceStaysAsTyped)
{
    AppState state;
    frmCommPort dialog(state, kDevices);
    dialog.show();
    dialog.cboDevice->setFocus();
    QTest::keyClicks(dialog.cboDevice->lineEdit(), QStringLiteral("/dev/tty"));
    QTest::keyClick(dialog.cboDevice->lineEdit(), Qt::Key_Return);
    if (dialog.isVisible()) dialog.cmdOK->click();
    EXPECT_EQ(state.commPortDevice, "/dev/tty");
}

TEST(CommPortDialog, ComNumberKeepsTheDeviceItShowed)
{
    AppState state;
    {
        frmCommPort dialog(state, kDevices);
        dialog.optCOM[1]->click();
        dialog.cmdOK->click();
    }
#ifndef Q_OS_WIN
    EXPECT_EQ(SelectedPortName(state), "/dev/ttyS0");
#endif
    frmCommPort again(state, {QStringLiteral("/dev/ttyACM0")});
#ifndef Q_OS_WIN
    EXPECT_TRUE(again.optCOM[1]->text().contains(QStringLiteral("/dev/ttyS0")));  // still the one in force
#endif
    again.optCOM[2]->click();  // shows a dash now: found when the port is opened
    again.cmdOK->click();
    EXPECT_EQ(SelectedPortName(state), "COM3");
}

TEST(CommPortDialog, InvalidChoiceChangesNothing)
{
    AppState state;
    state.commPortNumber = 3;
    state.commPortDevice = "/dev/pts/1";
    EXPECT_FALSE(ApplyCommPortChoice(state, {CommPortChoice::kDeviceOption, QString()}));
    EXPECT_FALSE(ApplyCommPortChoice(state, {7, QString()}));
    EXPECT_EQ(state.commPortNumber, 3);
    EXPECT_EQ(state.commPortDevice, "/dev/pts/1");
}

TEST(CommPortDialog, TextsAndCaptionsInBothLanguages)
{
    AppState state;
    for (std::uint8_t language : {0, 1}) {
        const LanguageGuard guard(language);
        frmCommPort dialog(state, kDevices);
        EXPECT_EQ(dialog.windowTitle().toStdString(), Text(TextId::CommunicationPort));
        EXPECT_EQ(dialog.fraPort->title().toStdString(), Text(TextId::CommunicationPort));
        EXPECT_EQ(dialog.cmdOK->text().toStdString(), Text(TextId::Ok));
        EXPECT_EQ(dialog.cmdCancel->text().toStdString(), Text(TextId::Cancel));
        EXPECT_EQ(dialog.optDemo->text().toStdString(), Text(TextId::DemoRadio));
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(dialog.optCOM[i]->text().startsWith(
                QString::fromStdString(Text(TextId::Com) + std::to_string(i + 1))));
        }
#ifndef Q_OS_WIN
        EXPECT_TRUE(dialog.optCOM[0]->text().contains(QStringLiteral("/dev/ttyUSB0")));
        EXPECT_TRUE(dialog.optCOM[1]->text().contains(QStringLiteral("/dev/ttyS0")));
        EXPECT_FALSE(dialog.optCOM[2]->text().contains(QStringLiteral("/dev/")));
#endif
    }
}

}  // namespace

TEST(CommPortDialog, DeviceDetailsShowBesideTheirDevice)
{
    AppState state;
    frmCommPort dialog(state, kDevices);
    dialog.showDeviceDetails({{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("USB serial cable - Maker")}});
#ifndef Q_OS_WIN
    EXPECT_TRUE(dialog.optCOM[0]->text().endsWith(QStringLiteral("\nUSB serial cable - Maker")));
    EXPECT_FALSE(dialog.optCOM[1]->text().contains(QLatin1Char('\n')));
#endif
    EXPECT_EQ(dialog.cboDevice->itemData(0, Qt::ToolTipRole).toString(),
              QStringLiteral("USB serial cable - Maker"));
    EXPECT_EQ(dialog.cboDevice->itemText(0), QStringLiteral("/dev/ttyUSB0"));
}

namespace {

// What the system says of every detected device, as the Setup menu hands it over.
const QHash<QString, QString> kDetails{{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("USB serial - Maker")},
                                       {QStringLiteral("/dev/ttyS0"), QStringLiteral("16550A UART")}};

struct ChoiceInForce {
    const char* name;
    std::uint8_t port;
    std::string device;
    std::string shownDevice;
    int checkedOption;    // 0..3 optCOM, 4 optDevice, 5 optDemo
    const char* boxText;  // the device path box
};

class CommPortReopening : public ::testing::TestWithParam<std::tuple<ChoiceInForce, std::uint8_t>> {};

TEST_P(CommPortReopening, ShowsTheChoiceInForceAndOkKeepsIt)
{
    const auto& [choice, language] = GetParam();
    const LanguageGuard guard(language);
    AppState state;
    state.commPortNumber = choice.port;
    state.commPortDevice = choice.device;
    state.commPortShownDevice = choice.shownDevice;
    const AppState before = state;

    frmCommPort dialog(state, kDevices);
    dialog.showDeviceDetails(kDetails);
    dialog.show();
    QApplication::processEvents();

    const std::array<QRadioButton*, 6> options{dialog.optCOM[0], dialog.optCOM[1], dialog.optCOM[2],
                                               dialog.optCOM[3], dialog.optDevice, dialog.optDemo};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(options[i]->isChecked(), i == choice.checkedOption) << i;
    EXPECT_EQ(dialog.cboDevice->currentText().toStdString(), choice.boxText);
#ifndef Q_OS_WIN
    if (choice.checkedOption < 4 && !choice.shownDevice.empty()) {
        EXPECT_TRUE(
            options[choice.checkedOption]->text().contains(QString::fromStdString(choice.shownDevice)));
    }
#endif
    ASSERT_TRUE(dialog.cmdOK->isEnabled());

    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(state.commPortNumber, before.commPortNumber);
    EXPECT_EQ(state.commPortDevice, before.commPortDevice);
    EXPECT_EQ(state.commPortShownDevice, before.commPortShownDevice);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, CommPortReopening,
    ::testing::Combine(
        ::testing::Values(ChoiceInForce{"FirstStart", 1, "", "", 0, ""},
                          ChoiceInForce{"Com2OfADetectedDevice", 2, "", "/dev/ttyS0", 1, ""},
                          // Chosen when another adapter was COM1: it stays the one in force.
                          ChoiceInForce{"Com1OfAnAdapterNowSecond", 1, "", "/dev/ttyS0", 0, ""},
                          ChoiceInForce{"Com4WithoutDevice", 4, "", "", 3, ""},
                          ChoiceInForce{"OtherPath", 1, "/dev/pts/3", "", 4, "/dev/pts/3"},
                          ChoiceInForce{"OtherDetectedDevice", 3, "/dev/ttyUSB0", "", 4, "/dev/ttyUSB0"},
                          ChoiceInForce{"Demo", 2, "demo", "", 5, ""}),
        ::testing::Values(std::uint8_t{0}, std::uint8_t{1})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) ? "Chinese" : "English");
    });

}  // namespace
