#pragma once

#include <QObject>
#include <QString>

#include "core/EditHistory.h"

class DocumentController;
class QAction;

// The Edit menu: Undo and Redo run on the document; their captions name the
// step they would take ("Undo Channel 5 RX Freq") in the current language, and
// each is enabled only while there is a step to take.
class EditCommands final : public QObject {
    Q_OBJECT
public:
    EditCommands(DocumentController& document, QAction& undo, QAction& redo);

private:
    void refresh();

    DocumentController& m_document;
    QAction& m_undo;
    QAction& m_redo;
};
