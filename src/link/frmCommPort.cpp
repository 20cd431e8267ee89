#include "frmCommPort.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/QtText.h"

void frmCommPort::showDeviceDetails(const QHash<QString, QString>& detailsByDevice)
{
    for (int i = 0; i < CommPortChoice::kPortOptions; ++i) {
#ifdef Q_OS_WIN
        const QString device = QStringLiteral("COM%1").arg(i + 1);
#else
        const QString device = m_comDevices.value(i);
#endif
        const QString details = detailsByDevice.value(device);
        if (!details.isEmpty())
            optCOM[i]->setText(CommPortCaption(i, m_comDevices) + QLatin1Char('\n') + details);
    }
    for (int i = 0; i < cboDevice->count(); ++i)
        cboDevice->setItemData(i, detailsByDevice.value(cboDevice->itemText(i)), Qt::ToolTipRole);
}

frmCommPort::frmCommPort(AppState& state, const QStringList& detectedDevices, QWidget* parent)
    : QDialog(parent),
      m_state(state),
      m_comDevices(ComDevices(state, detectedDevices)),
      m_openedWith(CurrentCommPortChoice(state))
{
    setObjectName(QStringLiteral("frmCommPort"));
    setWindowTitle(QText(TextId::CommunicationPort));

    fraPort = new QGroupBox(QText(TextId::CommunicationPort), this);
    fraPort->setObjectName(QStringLiteral("fraPort"));
    auto* grid = new QGridLayout(fraPort);
    for (int i = 0; i < CommPortChoice::kPortOptions; ++i) {
        optCOM[i] = new QRadioButton(CommPortCaption(i, m_comDevices), fraPort);
        optCOM[i]->setObjectName(QStringLiteral("optCOM_%1").arg(i));
        // Two columns of two: COM1 above COM2, COM3 above COM4.
        grid->addWidget(optCOM[i], i % 2, i / 2);
    }
    optDevice = new QRadioButton(QText(TextId::OtherPort), fraPort);
    optDevice->setObjectName(QStringLiteral("optDevice"));
    cboDevice = new QComboBox(fraPort);
    cboDevice->setObjectName(QStringLiteral("cboDevice"));
    cboDevice->setEditable(true);
    cboDevice->setInsertPolicy(QComboBox::NoInsert);
    // A typed path stays as typed: "/dev/tty" must not become "/dev/ttyS0".
    cboDevice->setCompleter(nullptr);
    cboDevice->addItems(detectedDevices);
    cboDevice->setMinimumContentsLength(18);
    grid->addWidget(optDevice, 2, 0);
    grid->addWidget(cboDevice, 2, 1);
    optDemo = new QRadioButton(QText(TextId::DemoRadio), fraPort);
    optDemo->setObjectName(QStringLiteral("optDemo"));
    grid->addWidget(optDemo, 3, 0, 1, 2);

    cmdOK = new QPushButton(QText(TextId::Ok), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QText(TextId::Cancel), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* top = new QVBoxLayout(this);
    top->addWidget(fraPort);
    top->addLayout(buttons);

    // The box holds a device path only for the device choice. Its current item is
    // the path's own entry or none, so nothing that touches the items (their
    // details) can rewrite the path shown.
    const CommPortChoice& current = m_openedWith;
    const bool deviceChosen = current.option == CommPortChoice::kDeviceOption;
    cboDevice->setCurrentIndex(deviceChosen ? cboDevice->findText(current.device) : -1);
    cboDevice->setEditText(deviceChosen ? current.device : QString());
    if (current.option == CommPortChoice::kDemoOption)
        optDemo->setChecked(true);
    else if (deviceChosen)
        optDevice->setChecked(true);
    else
        optCOM[current.option]->setChecked(true);

    // Only the user typing or picking a path means the device choice.
    const auto deviceTouched = [this] {
        optDevice->setChecked(true);
        updateOkButton();
    };
    connect(cboDevice->lineEdit(), &QLineEdit::textEdited, this, deviceTouched);
    connect(cboDevice, &QComboBox::activated, this, deviceTouched);
    connect(cboDevice, &QComboBox::editTextChanged, this, [this] { updateOkButton(); });
    connect(optDevice, &QRadioButton::toggled, this, [this] { updateOkButton(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { acceptChoice(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { reject(); });
    updateOkButton();
}

CommPortChoice frmCommPort::selectedChoice() const
{
    CommPortChoice choice;
    choice.device = cboDevice->currentText();
    choice.option = optDemo->isChecked() ? CommPortChoice::kDemoOption : CommPortChoice::kDeviceOption;
    for (int i = 0; i < CommPortChoice::kPortOptions; ++i) {
        if (optCOM[i]->isChecked()) {
            choice.option = i;
            break;
        }
    }
    return choice;
}

void frmCommPort::updateOkButton() { cmdOK->setEnabled(IsCommPortChoiceValid(selectedChoice())); }

void frmCommPort::acceptChoice()
{
    const CommPortChoice choice = selectedChoice();
    // The choice shown at opening stays exactly as it was: a COMn keeps the
    // device it was chosen with even where the devices present have changed.
    const bool unchanged =
        choice.option == m_openedWith.option &&
        (choice.option != CommPortChoice::kDeviceOption || choice.device.trimmed() == m_openedWith.device);
    if (unchanged || ApplyCommPortChoice(m_state, choice, m_comDevices)) accept();
}
