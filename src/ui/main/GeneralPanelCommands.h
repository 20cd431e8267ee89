#pragma once

#include <QObject>

class DocumentController;
class Prompter;
class QWidget;

// What a user's choice in the General panel does. Only choices made by the
// user reach these handlers (the panel's chosen signals).
class GeneralPanelCommands final : public QObject {
    Q_OBJECT
public:
    // Connects itself to the document's General panel; `dialogParent` owns the question.
    GeneralPanelCommands(DocumentController& document, Prompter& prompter, QWidget& dialogParent);

    // Write their byte (model code, power level, "Manual" bit) and nothing else.
    void modelChosen(int index);
    void powerChosen(int index);
    void manualChosen(int index);
    // Another band starts a new untitled document for it. Unsaved changes are
    // lost by that, so they are asked about first ("All data will be
    // cleared.", OK/Cancel); Cancel puts the previous band back in the list.
    // Choosing the band already stored changes nothing.
    void bandChosen(int index);

private:
    DocumentController& m_document;
    Prompter& m_prompter;
    QWidget& m_dialogParent;
};
