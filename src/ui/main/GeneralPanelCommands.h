#pragma once

#include <QObject>

#include "core/AppState.h"

class GeneralPanel;
class Prompter;
class frmMain;

// Selects the General panel's four lists from the image (model, band, power
// level, "Manual"). Selecting from code runs none of the handlers below, so an
// image with a band byte outside 238..248 or a power byte above 9 stays as it is.
void ShowGeneralSettings(GeneralPanel& panel, const MemoryImage& image);

// What a user's choice in the General panel does. Only choices made by the
// user reach these handlers (the lists' activated signals).
class GeneralPanelCommands final : public QObject {
    Q_OBJECT
public:
    // Connects itself to the window's General panel lists.
    GeneralPanelCommands(AppState& state, Prompter& prompter, frmMain& window);

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
    AppState& m_state;
    Prompter& m_prompter;
    frmMain& m_window;
};
