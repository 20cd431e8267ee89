#pragma once

#include <QObject>

class DocumentController;
class Prompter;
class RememberedFiles;
class QWidget;

// File > Export Channels... and Import Channels...: the channel list as a CSV
// file. An import is one change of the whole image; a refused file changes nothing.
// Export and import each start in the folder they last used.
class ChannelListCommands final : public QObject {
    Q_OBJECT
public:
    // `window` owns the file dialogs and messages.
    ChannelListCommands(DocumentController& document, Prompter& prompter, RememberedFiles& remembered,
                        QWidget& window);

    // Proposes the document's name with ".csv" ("Untitled.csv" for a new one).
    void Export();
    // Replaces the channel list, leaves the document modified and reports
    // what was imported and skipped. Channels that hold data are replaced
    // only when the user confirms; an import in which no row could be used
    // changes nothing.
    void Import();

private:
    // Channels the grid shows.
    [[nodiscard]] int PresentChannels() const;

    DocumentController& m_document;
    Prompter& m_prompter;
    RememberedFiles& m_remembered;
    QWidget& m_window;
};
