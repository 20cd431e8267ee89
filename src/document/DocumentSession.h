#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/AppState.h"
#include "core/CellTyping.h"
#include "core/EditHistory.h"
#include "core/OptionalFeatures.h"
#include "files/ChannelCsv.h"
#include "files/FileCodec.h"

// The open document as every front end sees it: the state's image, name and
// saved snapshot, its edit history, and each change a user can make, each
// recorded as one named undo step. The desktop window and the browser page
// both go through here; neither decides what an edit does on its own.
// Channel n is 1-based; grid columns as in CellTyping.h.
class DocumentSession final {
public:
    // Works on `state`, which outlives the session.
    explicit DocumentSession(AppState& state) : m_state(state) {}

    [[nodiscard]] AppState& state() const { return m_state; }

    // --- history
    // Runs `change` and, when it changed the image, keeps it as one step named
    // `name`. A step inside `change` is part of the outer one. True when a step
    // was recorded.
    bool RecordStep(const StepName& name, const std::function<void()>& change);
    // False when there was nothing to take back (or put back).
    bool Undo();
    bool Redo();
    // Puts the image back as before the last step and forgets that step, which
    // cannot be redone: an edit the user abandoned. False when there is none.
    bool ForgetLastStep();
    void ClearHistory() { m_history.Clear(); }
    [[nodiscard]] const EditHistory& history() const { return m_history; }
    // The Edit menu's entries in the current language ("&Undo Channel 3 RX Freq"; "&Undo" with no step).
    [[nodiscard]] std::string UndoCaption() const;
    [[nodiscard]] std::string RedoCaption() const;

    // --- cells (see CellTyping.h), each one step named after the cell
    std::optional<CellNotice> TypeFrequency(int n, int col, std::string_view typed);
    std::optional<CellNotice> ChooseEntry(int n, int col, std::string_view entry);

    // --- the document as a whole
    // A fresh untitled document of the image's model and band code: new image,
    // band limits and layout, saved state, no history.
    void StartUntitled();
    // The document of a data file's bytes, normalised as the grid shows it,
    // saved state, no history. False (nothing changed) when they are not a data file.
    bool Open(const ByteBuffer& fileBytes, const std::string& path);
    [[nodiscard]] ByteBuffer SaveBytes() const;
    // The document now is the file at `path`.
    void MarkSaved(const std::string& path);
    // Puts back a kept document: image, path and the image last saved. The
    // history starts empty.
    void Restore(const MemoryImage& image, const std::string& path, const MemoryImage& snapshot);

    // --- channel lists
    [[nodiscard]] std::string ExportCsv() const;
    // Imports a CSV file's bytes; when it is not refused the channel list is
    // replaced as one step "Import".
    ChannelImport ImportCsv(std::string_view fileBytes);

    // --- General panel: list indexes as GeneralSettingsIndexes gives them
    void SetModel(int index);
    void SetPower(int index);
    void SetManual(int index);
    // Another band starts a fresh untitled document (the caller asks first
    // when there are unsaved changes); the same band changes nothing.
    void SetBand(int index);

    // --- optional features; true when the image changed
    bool SetOptionalFeatures(const OptionalFeatures& features);

    // --- channel commands
    [[nodiscard]] bool HasRx(int n);
    [[nodiscard]] bool HasTx(int n);
    // Insert needs the last channel empty.
    [[nodiscard]] bool CanInsert();
    // Copies channel n to the channel number typed as `destination`.
    std::optional<CellNotice> CopyChannelTo(int n, std::string_view destination);
    // Stores typed text as channel n's TX frequency ("" removes it).
    std::optional<CellNotice> CopyFrequency(int n, std::string_view txText);
    // Stores tone list entry `tone` as channel n's encode tone.
    void CopyTone(int n, std::string_view tone);
    bool InsertChannel(int n);
    void DeleteChannel(int n);

    // --- memory map: the whole image in radio address order, then drawn as
    // the grid would (one step "Memory Map").
    void SetMemoryMap(const MemoryImage& image);

private:
    // Undo (back) or Redo, with the band layout following the image.
    bool takeStep(bool back);

    AppState& m_state;
    EditHistory m_history;
    bool m_recording = false;
};
