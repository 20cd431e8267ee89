#pragma once

#include <functional>

#include <QObject>
#include <QString>

#include "core/AppState.h"
#include "core/EditHistory.h"
#include "document/DocumentSession.h"

class CellEditing;
class ChannelGrid;
class GeneralPanel;

// The open document behind the main window: the state with its image, the
// channel grid, the General panel and the cell editing. Commands act on the
// document through it, so none of them needs the window. The window title is
// the window's; the controller only says when it must change.
class DocumentController final : public QObject {
    Q_OBJECT
public:
    DocumentController(AppState& state, ChannelGrid& grid, GeneralPanel& panel, CellEditing& cellEditing,
                       QObject* parent = nullptr);

    [[nodiscard]] AppState& state() const { return m_state; }
    [[nodiscard]] ChannelGrid& grid() const { return m_grid; }
    [[nodiscard]] GeneralPanel& generalPanel() const { return m_panel; }
    [[nodiscard]] CellEditing& cellEditing() const { return m_cellEditing; }

    // Commits an open frequency edit and hides every in-place editor.
    void EndCellEdit();
    void FocusGrid();

    // Fresh image for the current model and band, General selections, grid and
    // tone list laid out for the band. Data cells are not emptied (ClearGrid).
    void ResetImageAndGrid();
    // Grid rows, channel numbers and tone list for the image's band code,
    // keeping the image and the header texts (after a file or the radio
    // replaced the image). ResetImageAndGrid also puts the English header
    // words of a fresh grid back.
    void LayOutForBand();
    void ClearGrid();
    // Draws channel n (1..channelCount), normalising the image (see ChannelGrid).
    void RenderChannelRow(int n);
    void RenderAllChannelRows();

    // After the image has been replaced (a file loaded, the radio read): band
    // limits, General selections, channel count, tone list and grid layout from
    // the band code, then every channel row drawn, which also erases what lies
    // outside the band. Snapshot, path and title are the caller's.
    void RefreshFromImage();
    // An import: `image`, the document with its channel list replaced, becomes
    // the document's as one step ("Import"), which is then drawn; the document
    // keeps its path and has unsaved changes.
    void ReplaceChannels(const MemoryImage& image);
    // A fresh untitled document for the image's current model and band: new image
    // and grid, band limits, empty cells, snapshot, "Untitled", title.
    void StartUntitledDocument();

    // Runs `change` and, when it changed the image, keeps it as one step named
    // `name` that Undo takes back whole. Every change to the image goes
    // through here, e.g. document.RecordStep({textId}, [&] { ... });
    // a RecordStep inside `change` is part of the outer step.
    void RecordStep(const StepName& name, const std::function<void()>& change);
    // Runs a change the session names and records itself (see DocumentSession).
    void Apply(const std::function<void(DocumentSession&)>& change);
    // Abandons an open cell edit, then puts the image back as before the last
    // step and redraws grid, panel and title. Nothing to undo: only the abandon.
    void Undo();
    // Puts the last undone step back and redraws.
    void Redo();
    // A new document (New, Open, a completed read, a band change) has no history.
    void ClearHistory();
    [[nodiscard]] const EditHistory& history() const { return m_session.history(); }
    // The document's rules and history, shared with the other front ends.
    [[nodiscard]] DocumentSession& session() { return m_session; }
    [[nodiscard]] const DocumentSession& session() const { return m_session; }

    // Announces the title for the document path in the current language.
    void RefreshTitle();
    // Relabels the panel, grid and editors in the current language, announces
    // the title, then tells the window to relabel its own parts.
    void ApplyLanguage();

Q_SIGNALS:
    void titleChanged(const QString& title);
    void languageApplied();
    // Steps were recorded, undone, redone or cleared.
    void historyChanged();

private:
    // Undo (back) or Redo.
    void takeStep(bool back);
    // Draws what differs between `shown` and the image after an undo or redo.
    void redrawChanges(const MemoryImage& shown);

    AppState& m_state;
    ChannelGrid& m_grid;
    GeneralPanel& m_panel;
    CellEditing& m_cellEditing;
    DocumentSession m_session;
};
