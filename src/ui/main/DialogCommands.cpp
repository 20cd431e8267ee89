#include "DialogCommands.h"

#include <QWidget>

#include "DocumentController.h"
#include "platform/Prompter.h"
#include "strings/Strings.h"
#include "ui/dialogs/frmAbout.h"
#include "ui/dialogs/frmLanguage.h"
#include "ui/dialogs/frmMemoryMap.h"
#include "ui/dialogs/frmOptFeatures.h"
#include "ui/dialogs/frmPrint.h"

DialogCommands::DialogCommands(DocumentController& document, Prompter& prompter, QWidget& dialogParent)
    : QObject(&dialogParent), m_document(document), m_prompter(prompter), m_dialogParent(dialogParent)
{
}

void DialogCommands::Print()
{
    m_document.EndCellEdit();
    ShowPrintDialog(m_document.state(), m_prompter, &m_dialogParent);
}

void DialogCommands::OptionalFeatures()
{
    m_document.EndCellEdit();
    frmOptFeatures dialog(m_document.state().memoryImage, &m_dialogParent);
    m_document.RecordStep({TextId::OptionalFeatures}, [&] { m_prompter.exec(dialog); });
}

void DialogCommands::MemoryMap()
{
    m_document.EndCellEdit();
    frmMemoryMap dialog(m_document.state().memoryImage, &m_dialogParent);
    m_document.RecordStep({TextId::MemoryMap}, [&] {
        if (m_prompter.exec(dialog) == QDialog::Accepted) m_document.RefreshFromImage();
    });
}

void DialogCommands::Language()
{
    m_document.EndCellEdit();
    const std::uint8_t before = LanguageIndex();
    frmLanguage dialog(&m_dialogParent);
    m_prompter.exec(dialog);
    if (LanguageIndex() == before) return;
    m_document.ApplyLanguage();
    m_document.RenderAllChannelRows();
}

void DialogCommands::About()
{
    m_document.EndCellEdit();
    frmAbout dialog(&m_dialogParent);
    m_prompter.exec(dialog);
}
