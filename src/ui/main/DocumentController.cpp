#include "DocumentController.h"

#include "CellEditing.h"
#include "ChannelGrid.h"
#include "GeneralPanel.h"
#include "core/BandTable.h"
#include "core/DocumentState.h"
#include "core/Layout.h"
#include "core/NewDocument.h"
#include "strings/TextId.h"

DocumentController::DocumentController(AppState& state, ChannelGrid& grid, GeneralPanel& panel,
                                       CellEditing& cellEditing, QObject* parent)
    : QObject(parent),
      m_state(state),
      m_grid(grid),
      m_panel(panel),
      m_cellEditing(cellEditing),
      m_session(state)
{
    m_cellEditing.setCommitter([this](int n, int col, const std::string& text, CellEditing::Entry entry) {
        const std::optional<CellNotice> notice = entry == CellEditing::Entry::Typed
                                                     ? m_session.TypeFrequency(n, col, text)
                                                     : m_session.ChooseEntry(n, col, text);
        Q_EMIT historyChanged();
        return notice;
    });
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

void DocumentController::ReplaceChannels(const MemoryImage& image)
{
    RecordStep({TextId::Import}, [&] {
        m_state.memoryImage = image;
        RefreshFromImage();
    });
    RefreshTitle();
}

void DocumentController::StartUntitledDocument()
{
    ResetImageAndGrid();
    SetBandLimits(m_state);
    ClearGrid();
    TakeSnapshot(m_state);
    m_state.documentPath = kUntitled;
    RefreshTitle();
    ClearHistory();
}

void DocumentController::RecordStep(const StepName& name, const std::function<void()>& change)
{
    if (m_session.RecordStep(name, change)) Q_EMIT historyChanged();
}

void DocumentController::Apply(const std::function<void(DocumentSession&)>& change)
{
    change(m_session);
    Q_EMIT historyChanged();
}

void DocumentController::Undo() { takeStep(true); }

void DocumentController::Redo() { takeStep(false); }

void DocumentController::takeStep(bool back)
{
    m_cellEditing.AbandonCellEdit();
    const MemoryImage shown = m_state.memoryImage;
    if (back ? m_session.Undo() : m_session.Redo()) redrawChanges(shown);
}

void DocumentController::ClearHistory()
{
    m_session.ClearHistory();
    Q_EMIT historyChanged();
}

void DocumentController::redrawChanges(const MemoryImage& shown)
{
    const MemoryImage& image = m_state.memoryImage;
    if (image.at(layout::kBandRow, layout::kRadioColumn) !=
        shown.at(layout::kBandRow, layout::kRadioColumn)) {
        RefreshFromImage();
    } else {
        // Only the rows that changed: a redraw of all 128 would cost more than the step.
        ShowGeneralSettings(m_panel, image);
        for (int n = 1; n <= m_state.channelCount; ++n) {
            for (int row = 0; row < MemoryImage::kRows; ++row) {
                if (image.at(row, n - 1) == shown.at(row, n - 1)) continue;
                m_grid.RenderChannelRow(n);
                break;
            }
        }
    }
    RefreshTitle();
    Q_EMIT historyChanged();
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
