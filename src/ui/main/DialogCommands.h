#pragma once

#include <QObject>

class DocumentController;
class Prompter;
class QWidget;

// The commands that open a dialog over the document: printing, the optional
// features, the memory map, the language and the About box. Each commits the
// cell edit first; every dialog runs modally through the Prompter.
class DialogCommands final : public QObject {
    Q_OBJECT
public:
    // `dialogParent` owns the dialogs.
    DialogCommands(DocumentController& document, Prompter& prompter, QWidget& dialogParent);

    void Print();
    void OptionalFeatures();
    // Opened by the hidden grid gesture; after OK the window follows the new image.
    void MemoryMap();
    // A language other than the current one relabels the window and redraws every row.
    void Language();
    void About();

private:
    DocumentController& m_document;
    Prompter& m_prompter;
    QWidget& m_dialogParent;
};
