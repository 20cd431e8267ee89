#include "GeneralPanelCommands.h"

#include <QComboBox>

#include "DocumentRefresh.h"
#include "DocumentState.h"
#include "GeneralPanel.h"
#include "core/BandTable.h"
#include "core/Layout.h"
#include "frmMain.h"
#include "platform/Prompter.h"
#include "platform/QtText.h"

void ShowGeneralSettings(GeneralPanel& panel, const MemoryImage& image)
{
    const GeneralSelection selection = GeneralSettingsIndexes(image);
    panel.cboGenModel->setCurrentIndex(selection.model);
    panel.cboGenFreq->setCurrentIndex(selection.band);
    panel.cboGenPower->setCurrentIndex(selection.power);
    panel.cboGenManual->setCurrentIndex(selection.manual);
}

GeneralPanelCommands::GeneralPanelCommands(AppState& state, Prompter& prompter, frmMain& window)
    : QObject(&window), m_state(state), m_prompter(prompter), m_window(window)
{
    GeneralPanel& panel = window.generalPanel();
    connect(panel.cboGenModel, &QComboBox::activated, this, &GeneralPanelCommands::modelChosen);
    connect(panel.cboGenFreq, &QComboBox::activated, this, &GeneralPanelCommands::bandChosen);
    connect(panel.cboGenPower, &QComboBox::activated, this, &GeneralPanelCommands::powerChosen);
    connect(panel.cboGenManual, &QComboBox::activated, this, &GeneralPanelCommands::manualChosen);
}

void GeneralPanelCommands::modelChosen(int index)
{
    m_state.memoryImage.set(layout::kModelRow, layout::kRadioColumn, ModelCodeForIndex(index));
}

void GeneralPanelCommands::powerChosen(int index)
{
    m_state.memoryImage.set(layout::kPowerLevelRow, layout::kSettingsColumn, PowerForIndex(index));
}

void GeneralPanelCommands::manualChosen(int index)
{
    m_state.memoryImage.setBit(layout::kGeneralFlagsRow, layout::kSettingsColumn, layout::kManualEnable,
                               ManualEnabledForIndex(index));
}

void GeneralPanelCommands::bandChosen(int index)
{
    MemoryImage& image = m_state.memoryImage;
    const std::uint8_t code = BandCodeForIndex(index);
    if (code == image.at(layout::kBandRow, layout::kRadioColumn)) return;

    // An open frequency edit counts as a change to be asked about.
    m_window.EndCellEdit();
    if (IsModified(m_state)) {
        const Prompter::Button answer =
            m_prompter.message(&m_window, QText(1107), QText(1108), Prompter::Icon::Exclamation,
                               Prompter::Buttons::OkCancel, Prompter::Button::Cancel);
        if (answer != Prompter::Button::Ok) {
            m_window.generalPanel().cboGenFreq->setCurrentIndex(GeneralSettingsIndexes(image).band);
            return;
        }
    }
    image.set(layout::kBandRow, layout::kRadioColumn, code);
    StartUntitledDocument(m_window, m_state);
}
