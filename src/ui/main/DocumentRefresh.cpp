#include "DocumentRefresh.h"

#include "DocumentState.h"
#include "GeneralPanelCommands.h"
#include "core/BandTable.h"
#include "frmMain.h"

void RefreshFromImage(frmMain& window, AppState& state)
{
    SetBandLimits(state);
    ShowGeneralSettings(window.generalPanel(), state.memoryImage);
    window.LayOutForBand();
    window.RenderAllChannelRows();
}

void StartUntitledDocument(frmMain& window, AppState& state)
{
    window.ResetImageAndGrid();
    SetBandLimits(state);
    window.ClearGrid();
    TakeSnapshot(state);
    state.documentPath = kUntitled;
    window.RefreshTitle();
}
