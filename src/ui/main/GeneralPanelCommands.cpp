#include "GeneralPanelCommands.h"

#include <QWidget>

#include "DocumentController.h"
#include "GeneralPanel.h"
#include "core/BandTable.h"
#include "core/DocumentState.h"
#include "core/Layout.h"
#include "platform/Prompter.h"
#include "platform/QtText.h"

GeneralPanelCommands::GeneralPanelCommands(DocumentController& document, Prompter& prompter,
                                           QWidget& dialogParent)
    : QObject(&dialogParent), m_document(document), m_prompter(prompter), m_dialogParent(dialogParent)
{
    GeneralPanel& panel = document.generalPanel();
    connect(&panel, &GeneralPanel::modelChosen, this, &GeneralPanelCommands::modelChosen);
    connect(&panel, &GeneralPanel::bandChosen, this, &GeneralPanelCommands::bandChosen);
    connect(&panel, &GeneralPanel::powerChosen, this, &GeneralPanelCommands::powerChosen);
    connect(&panel, &GeneralPanel::manualChosen, this, &GeneralPanelCommands::manualChosen);
}

void GeneralPanelCommands::modelChosen(int index)
{
    m_document.Apply([index](DocumentSession& session) { session.SetModel(index); });
}

void GeneralPanelCommands::powerChosen(int index)
{
    m_document.Apply([index](DocumentSession& session) { session.SetPower(index); });
}

void GeneralPanelCommands::manualChosen(int index)
{
    m_document.Apply([index](DocumentSession& session) { session.SetManual(index); });
}

void GeneralPanelCommands::bandChosen(int index)
{
    AppState& state = m_document.state();
    MemoryImage& image = state.memoryImage;
    const std::uint8_t code = BandCodeForIndex(index);
    if (code == image.at(layout::kBandRow, layout::kRadioColumn)) return;

    // An open frequency edit counts as a change to be asked about.
    m_document.EndCellEdit();
    if (IsModified(state)) {
        const Prompter::Button answer = m_prompter.message(
            &m_dialogParent, QText(TextId::AllDataCleared), QText(TextId::Warning),
            Prompter::Icon::Exclamation, Prompter::Buttons::OkCancel, Prompter::Button::Cancel);
        if (answer != Prompter::Button::Ok) {
            GeneralPanel& panel = m_document.generalPanel();
            GeneralSelection shown = panel.selection();
            shown.band = GeneralSettingsIndexes(image).band;
            panel.Show(shown);
            return;
        }
    }
    image.set(layout::kBandRow, layout::kRadioColumn, code);
    m_document.StartUntitledDocument();
}
