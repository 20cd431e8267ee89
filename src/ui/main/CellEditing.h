#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QObject>
#include <QString>

#include "core/AppState.h"
#include "core/CellTyping.h"

class ChannelGrid;
class FrequencyEditor;
class Prompter;
class QComboBox;
class QKeyEvent;
class QWidget;

// The grid's in-place editors and the grid events that open them: the
// frequency editor txtMemChannel (RX/TX Freq), the tone editor cboFeature_0
// (Decode/Encode) and the option editor cboFeature_1 (W/N .. BCL). At most one
// is visible. Drop-downs commit every selection at once; the frequency editor
// commits on Enter, on EndCellEdit and when the focus moves elsewhere, always
// to the cell it was opened on. Keys nobody here uses go to the shortcut sink.
class CellEditing final : public QObject {
    Q_OBJECT
public:
    // Key code and modifiers of a key-down; true = the key is used up.
    using ShortcutSink = std::function<bool(int key, Qt::KeyboardModifiers modifiers)>;

    // `dialogParent` owns the message boxes. The editors live on the grid's viewport.
    CellEditing(AppState& state, Prompter& prompter, ChannelGrid& grid, QWidget& dialogParent);

    // How an entry reached the cell: typed into the frequency editor or chosen in a drop-down.
    enum class Entry { Typed, Chosen };
    // Stores an entry into cell (n, col) as one undoable step (see
    // DocumentSession::TypeFrequency, ChooseEntry); returns what to tell the user.
    using Committer =
        std::function<std::optional<CellNotice>(int n, int col, const std::string& text, Entry entry)>;

    void setShortcutSink(ShortcutSink sink) { m_shortcutSink = std::move(sink); }
    void setCommitter(Committer committer) { m_committer = std::move(committer); }

    // After a grid layout: every editor is hidden (no commit); the tone
    // editor will hold entries 0..state.toneListLast of the list in force.
    void ResetForLayout();
    // Entry 0 of the tone list in the current language.
    void ApplyLanguage();

    // Opens the editor of the current cell (state.currentRow/currentCol).
    void BeginCellEdit();
    // Commits an open frequency editor, hides every editor.
    void EndCellEdit();
    // Hides every editor; an open frequency editor's typing is dropped and its
    // cell shows the old text again.
    void AbandonCellEdit();

    [[nodiscard]] FrequencyEditor* frequencyEditor() const { return txtMemChannel; }
    // The tone editor, its list that of the current layout.
    [[nodiscard]] QComboBox* toneEditor();
    [[nodiscard]] QComboBox* optionEditor() const { return cboFeature_1; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool gridKeyPress(QKeyEvent* event);
    void gridLeftRelease();
    bool dropDownKeyPress(QComboBox* editor, QKeyEvent* event);
    bool forwardShortcut(QKeyEvent* event);

    void openFrequencyEditor(int n, int col);
    void openDropDown(QComboBox* editor, int n, int col);
    void commitFrequencyEditor();
    void abandonFrequencyEditor();
    // Stores the entry, draws the row and shows what the store has to say.
    void commitEntry(int n, int col, const QString& text, Entry entry);
    void dropDownChosen(QComboBox* editor, int index);
    void dropDownEnter(QComboBox* editor);
    void hideDropDown(QComboBox* editor);
    void placeEditors();
    [[nodiscard]] bool dropDownOpen() const;

    AppState& m_state;
    Prompter& m_prompter;
    ChannelGrid& m_grid;
    QWidget& m_dialogParent;
    ShortcutSink m_shortcutSink;
    Committer m_committer;

    FrequencyEditor* txtMemChannel;
    QComboBox* cboFeature_0;
    QComboBox* cboFeature_1;

    // The open editor (null: none) and the cell it belongs to. Cleared before
    // a commit, so Enter followed by the focus leaving commits once.
    QWidget* m_openEditor = nullptr;
    int m_editRow = 1;
    int m_editCol = 1;
    bool m_toneListReady = false;
    QString m_editOriginalText;
};
