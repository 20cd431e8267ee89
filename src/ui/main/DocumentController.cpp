#include "DocumentController.h"

#include "CellEditing.h"
#include "ChannelGrid.h"
#include "DocumentState.h"
#include "GeneralPanel.h"
#include "core/BandTable.h"
#include "core/NewDocument.h"

DocumentController::DocumentController(AppState& state, ChannelGrid& grid, GeneralPanel& panel,
                                       CellEditing& cellEditing, QObject* parent)
    : QObject(parent), m_state(state), m_grid(grid), m_panel(panel), m_cellEditing(cellEditing)
{
}

void DocumentController::EndCellEdit() { m_cellEditing.EndCellEdit(); }

void DocumentController::FocusGrid() { m_grid.setFocus(); }

void DocumentController::ResetImageAndGrid()
{
    ResetImage(m_state);
    m_panel.SelectForNewDocument(m_state.memoryImage);
    LayOutForBand();
    m_grid.SetLayoutHeaders();
}

void DocumentController::LayOutForBand()
{
    ApplyBandLayout(m_state);
    m_cellEditing.ResetForLayout();
    m_grid.LayOut();
}

void DocumentController::ClearGrid() { m_grid.ClearGrid(); }

void DocumentController::RenderChannelRow(int n) { m_grid.RenderChannelRow(n); }

void DocumentController::RenderAllChannelRows()
{
    for (int n = 1; n <= m_state.channelCount; ++n) m_grid.RenderChannelRow(n);
}

void DocumentController::RefreshFromImage()
{
    SetBandLimits(m_state);
    ShowGeneralSettings(m_panel, m_state.memoryImage);
    LayOutForBand();
    RenderAllChannelRows();
}

void DocumentController::StartUntitledDocument()
{
    ResetImageAndGrid();
    SetBandLimits(m_state);
    ClearGrid();
    TakeSnapshot(m_state);
    m_state.documentPath = kUntitled;
    RefreshTitle();
}

void DocumentController::RefreshTitle()
{
    Q_EMIT titleChanged(QString::fromStdString(BuildTitle(m_state.documentPath)));
}

void DocumentController::ApplyLanguage()
{
    RefreshTitle();
    m_panel.ApplyLanguage();
    m_grid.ApplyLanguage();
    m_cellEditing.ApplyLanguage();
    Q_EMIT languageApplied();
}
