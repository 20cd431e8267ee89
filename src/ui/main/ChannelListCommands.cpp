#include "ChannelListCommands.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include "DocumentController.h"
#include "RememberedFiles.h"
#include "core/ChannelView.h"
#include "platform/ChannelCsvStore.h"
#include "platform/Prompter.h"
#include "platform/QtText.h"
#include "strings/Strings.h"

namespace {

// "Import 38 channels and replace the 40 now in the document? 12 rows will be skipped."
QString ReplaceQuestion(const ChannelImport& result, int present)
{
    std::string question =
        TextWith(CountedId(result.imported, TextId::ImportReplaceOne, TextId::ImportReplaceMany),
                 {std::to_string(result.imported), std::to_string(present)});
    const auto skipped = static_cast<long long>(result.skipped.size());
    if (skipped > 0) {
        const std::string note =
            TextWith(CountedId(skipped, TextId::RowWillBeSkipped, TextId::RowsWillBeSkipped),
                     {std::to_string(skipped)});
        question = TextWith(TextId::TwoSentences, {question, note});
    }
    return QString::fromStdString(question);
}

}  // namespace

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
    const QString headline = QString::fromStdString(ImportHeadline(result));
    const QString details = QString::fromStdString(ImportDetails(result));
    if (!result.error.empty()) {
        ShowNotice(m_prompter, &m_window,
                   QText(TextId::CannotOpenFile).arg(QDir::toNativeSeparators(path)) + '\n' + headline,
                   ProductTitle(), Prompter::Icon::Exclamation);
        return;
    }
    if (!result.changesDocument()) {
        m_prompter.detailedMessage(&m_window, headline, details, ProductTitle(), Prompter::Icon::Exclamation,
                                   QString());
        return;
    }
    // Channels holding data are replaced only on request, with the report in front of the user.
    const int present = PresentChannels();
    if (present > 0) {
        if (m_prompter.detailedMessage(&m_window, ReplaceQuestion(result, present), details, ProductTitle(),
                                       Prompter::Icon::Question,
                                       QText(TextId::Import)) != Prompter::Button::Ok)
            return;
        m_document.ReplaceChannels(result.image);
        return;
    }
    m_document.ReplaceChannels(result.image);
    m_prompter.detailedMessage(&m_window, headline, details, ProductTitle(), Prompter::Icon::Information,
                               QString());
}

int ChannelListCommands::PresentChannels() const
{
    AppState state = m_document.state();  // describing a channel may normalise it
    int present = 0;
    for (int column = 0; column < state.channelCount; ++column)
        if (NormalizeAndDescribeChannel(state, column).present) ++present;
    return present;
}
