#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
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

    dialog.cboDevice->setEditText(QStringLiteral("   "));
    EXPECT_TRUE(dialog.optDevice->isChecked());
    EXPECT_FALSE(dialog.cmdOK->isEnabled());

    dialog.optCOM[0]->click();
    EXPECT_TRUE(dialog.cmdOK->isEnabled());

    dialog.cboDevice->setEditText(QStringLiteral(" /dev/pts/7 "));
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
    dialog.cboDevice->setCurrentIndex(1);
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
        dialog.cboDevice->setEditText(QStringLiteral(" Demo "));
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
    again.optCOM[1]->click();  // shows a dash now: found when the port is opened
    again.cmdOK->click();
    EXPECT_EQ(SelectedPortName(state), "COM2");
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
