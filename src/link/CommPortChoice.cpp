#include "CommPortChoice.h"

#include "DemoSerialPort.h"
#include "platform/QtText.h"
#include "platform/SerialPorts.h"

namespace {

const QString kNoDevice = QStringLiteral("\u2013");

}  // namespace

CommPortChoice CurrentCommPortChoice(const AppState& state)
{
    CommPortChoice choice;
    const QString device = QString::fromStdString(state.commPortDevice);
    if (IsDemoPortName(device)) {
        choice.option = CommPortChoice::kDemoOption;
    } else if (!device.isEmpty()) {
        choice.option = CommPortChoice::kDeviceOption;
        choice.device = device;
    } else if (state.commPortNumber >= 1 && state.commPortNumber <= CommPortChoice::kPortOptions) {
        choice.option = state.commPortNumber - 1;
    }
    return choice;
}

QStringList ComDevices(const AppState& state, const QStringList& detectedDevices)
{
    QStringList devices = detectedDevices;
    const CommPortChoice current = CurrentCommPortChoice(state);
    if (current.option >= CommPortChoice::kPortOptions || state.commPortShownDevice.empty()) return devices;
    while (devices.size() <= current.option) devices << QString();
    devices[current.option] = QString::fromStdString(state.commPortShownDevice);
    return devices;
}

bool IsCommPortChoiceValid(const CommPortChoice& choice)
{
    if (choice.option == CommPortChoice::kDeviceOption) return !choice.device.trimmed().isEmpty();
    if (choice.option == CommPortChoice::kDemoOption) return true;
    return choice.option >= 0 && choice.option < CommPortChoice::kPortOptions;
}

bool ApplyCommPortChoice(AppState& state, const CommPortChoice& choice, const QStringList& comDevices)
{
    if (!IsCommPortChoiceValid(choice)) return false;
    state.commPortShownDevice.clear();
    if (choice.option == CommPortChoice::kDemoOption) {
        state.commPortDevice = kDemoPortName;
    } else if (choice.option == CommPortChoice::kDeviceOption) {
        state.commPortDevice = choice.device.trimmed().toStdString();
    } else {
        state.commPortNumber = static_cast<std::uint8_t>(choice.option + 1);
        state.commPortDevice.clear();
#ifndef Q_OS_WIN
        // Adapters plugged in or out later must not shift COMn to another device.
        state.commPortShownDevice = comDevices.value(choice.option).toStdString();
#else
        Q_UNUSED(comDevices);
#endif
    }
    return true;
}

QString SelectedPortName(const AppState& state)
{
    if (!state.commPortDevice.empty()) return QString::fromStdString(state.commPortDevice);
    if (!state.commPortShownDevice.empty()) return QString::fromStdString(state.commPortShownDevice);
    return QStringLiteral("COM%1").arg(state.commPortNumber);
}

QString PortInForceText(const AppState& state)
{
    const CommPortChoice choice = CurrentCommPortChoice(state);
    if (choice.option == CommPortChoice::kDemoOption) return QText(TextId::DemoRadioShort);
    if (choice.option == CommPortChoice::kDeviceOption) return choice.device;
    const QString name = QText(TextId::Com) + QString::number(choice.option + 1);
#ifdef Q_OS_WIN
    return name;
#else
    QString device = QString::fromStdString(state.commPortShownDevice);
    if (device.isEmpty()) device = SystemPortName(QStringLiteral("COM%1").arg(choice.option + 1));
    return name + QStringLiteral(" (") + (device.isEmpty() ? kNoDevice : device) + QLatin1Char(')');
#endif
}

QString CommPortCaption(int index, const QStringList& comDevices)
{
    const QString name = QText(TextId::Com) + QString::number(index + 1);
#ifdef Q_OS_WIN
    Q_UNUSED(comDevices);
    return name;
#else
    const QString device = comDevices.value(index);
    return name + QStringLiteral("  (") + (device.isEmpty() ? kNoDevice : device) + QLatin1Char(')');
#endif
}
