#include "ChannelListCommands.h"

#include <QDir>
#include <QWidget>

#include "DocumentController.h"
#include "platform/ChannelCsvStore.h"
#include "platform/Prompter.h"
#include "platform/QtText.h"

namespace {

const QString kProposedName = QStringLiteral("channels.csv");

}  // namespace

ChannelListCommands::ChannelListCommands(DocumentController& document, Prompter& prompter, QWidget& window)
    : QObject(&window), m_document(document), m_prompter(prompter), m_window(window)
{
}

void ChannelListCommands::Export()
{
    m_document.EndCellEdit();
    const QString path = m_prompter.saveFileName(&m_window, QText(TextId::CsvFileFilter), kProposedName);
    if (path.isEmpty()) return;
    const QString error = ExportChannelsCsvTo(path, m_document.state().memoryImage);
    if (!error.isEmpty()) {
        ShowNotice(m_prompter, &m_window,
                   QText(TextId::CannotSaveFile).arg(QDir::toNativeSeparators(path)) + '\n' + error,
                   ProductTitle(), Prompter::Icon::Exclamation);
    }
}

void ChannelListCommands::Import()
{
    m_document.EndCellEdit();
    const QString path = m_prompter.openFileName(&m_window, QText(TextId::CsvFileFilter), QString());
    if (path.isEmpty()) return;
    const ChannelImport result = ImportChannelsCsvFrom(path, m_document.state().memoryImage);
    const QString report = QString::fromStdString(ImportReportText(result));
    if (!result.error.empty()) {
        ShowNotice(m_prompter, &m_window,
                   QText(TextId::CannotOpenFile).arg(QDir::toNativeSeparators(path)) + '\n' + report,
                   ProductTitle(), Prompter::Icon::Exclamation);
        return;
    }
    m_document.ReplaceChannels(result.image);
    ShowNotice(m_prompter, &m_window, report, ProductTitle(), Prompter::Icon::Information);
}
