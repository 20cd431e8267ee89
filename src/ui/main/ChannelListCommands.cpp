#include "ChannelListCommands.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include "DocumentController.h"
#include "RememberedFiles.h"
#include "platform/ChannelCsvStore.h"
#include "platform/Prompter.h"
#include "platform/QtText.h"

ChannelListCommands::ChannelListCommands(DocumentController& document, Prompter& prompter,
                                         RememberedFiles& remembered, QWidget& window)
    : QObject(&window), m_document(document), m_prompter(prompter), m_remembered(remembered), m_window(window)
{
}

void ChannelListCommands::Export()
{
    m_document.EndCellEdit();
    const QString name =
        QFileInfo(QString::fromStdString(m_document.state().documentPath)).completeBaseName() +
        QStringLiteral(".csv");
    const QString folder = m_remembered.exportFolder();
    const QString path = m_prompter.saveFileName(&m_window, QText(TextId::CsvFileFilter),
                                                 folder.isEmpty() ? name : QDir(folder).filePath(name),
                                                 QText(TextId::ExportChannelsTitle));
    if (path.isEmpty()) return;
    m_remembered.exportedTo(path);
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
    const QString path =
        m_prompter.openFileName(&m_window, QText(TextId::CsvFileFilter), m_remembered.importFolder(),
                                QText(TextId::ImportChannelsTitle));
    if (path.isEmpty()) return;
    m_remembered.importedFrom(path);
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
