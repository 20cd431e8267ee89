#include "CommPortChoice.h"

#include "DemoSerialPort.h"
#include "platform/QtText.h"

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

bool IsCommPortChoiceValid(const CommPortChoice& choice)
{
    if (choice.option == CommPortChoice::kDeviceOption) return !choice.device.trimmed().isEmpty();
    if (choice.option == CommPortChoice::kDemoOption) return true;
    return choice.option >= 0 && choice.option < CommPortChoice::kPortOptions;
}

bool ApplyCommPortChoice(AppState& state, const CommPortChoice& choice, const QStringList& detectedDevices)
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
        if (choice.option < detectedDevices.size())
            state.commPortShownDevice = detectedDevices.at(choice.option).toStdString();
#else
        Q_UNUSED(detectedDevices);
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

QString CommPortCaption(int index, const QStringList& detectedDevices)
{
    const QString name = QText(TextId::Com) + QString::number(index + 1);
#ifdef Q_OS_WIN
    Q_UNUSED(detectedDevices);
    return name;
#else
    const QString device =
        index < detectedDevices.size() ? detectedDevices.at(index) : QStringLiteral("\u2013");
    return name + QStringLiteral("  (") + device + QLatin1Char(')');
#endif
}
