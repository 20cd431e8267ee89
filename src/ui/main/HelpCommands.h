#pragma once

#include <QObject>

class DocumentController;
class HelpWindow;
class QWidget;

// Help Topics and F1. One help window, made on first use and brought to the
// front again after. F1 with the focus in the channel grid or one of its
// editors opens the topic of the current column, elsewhere in the main window
// the help as it was left.
class HelpCommands final : public QObject {
    Q_OBJECT
public:
    // The document's grid decides where F1 is context help; `window` owns the
    // shortcut and the help window, which follows the document's language.
    HelpCommands(DocumentController& document, QWidget& window);

    // Like every command, commits the cell edit first.
    void Topics();

    // Null until help was first shown.
    [[nodiscard]] HelpWindow* helpWindow() const { return m_help; }

private:
    void contextHelp();
    HelpWindow& help();

    DocumentController& m_document;
    QWidget& m_window;
    HelpWindow* m_help = nullptr;
};
