#pragma once

#include <memory>

#include <QMainWindow>

#include "core/AppState.h"

// Data flow: AppState (made in main()) holds the one MemoryImage. The channel
// grid draws rows from it; the cell editors and the General panel write into
// it at once; commands replace it whole and then re-render every row. There is
// no modified flag: IsModified compares the image with the snapshot taken
// after every load, save and reset. frmMain builds the parts and wires them;
// the logic lives in the parts and in the core/files/link layers.

class CellEditing;
class ChannelShortcuts;
class ChannelGrid;
class DocumentCommands;
class GeneralPanel;
class GeneralPanelCommands;
class HelpCommands;
class MainMenus;
class Prompter;
class RadioCommands;
class SettingsStore;
class QGroupBox;

class frmMain final : public QMainWindow {
    Q_OBJECT
public:
    // Runs the start-up sequence: remembered band, model 7105C, English, lists,
    // band limits, fresh image and grid, snapshot, "Untitled", captions.
    frmMain(AppState& state, Prompter& prompter, SettingsStore& settings, QWidget* parent = nullptr);
    ~frmMain() override;

    // False when start-up failed (already reported); the caller closes the window.
    [[nodiscard]] bool startedOk() const { return m_startedOk; }

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
    // Commits an open frequency edit and hides every in-place editor.
    void EndCellEdit();
    // Every caption, tooltip, label, header and fixed list entry in the current
    // language, the title, and Qt's own dialog texts.
    void ApplyLanguage();
    // Title from the document path in the current language.
    void RefreshTitle();

    [[nodiscard]] ChannelGrid& grid() const { return *msgMemChannel; }
    [[nodiscard]] CellEditing& cellEditing() const { return *m_cellEditing; }
    [[nodiscard]] GeneralPanel& generalPanel() const { return *fraGeneral; }
    [[nodiscard]] MainMenus& menus() const { return *m_menus; }
    [[nodiscard]] DocumentCommands& documentCommands() const { return *m_documentCommands; }
    [[nodiscard]] RadioCommands& radioCommands() const { return *m_radioCommands; }
    [[nodiscard]] HelpCommands& helpCommands() const { return *m_helpCommands; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void startUp();
    void buildWindow();
    void connectCommands();
    void connectCommand(const char* actionName, void (frmMain::*command)());
    void helpTopicsCommand();
    void languageCommand();
    void aboutCommand();
    void printCommand();
    void optionalFeaturesCommand();
    // Opened by the hidden grid gesture; after OK the window follows the new image.
    void memoryMapCommand();
    void writeSettings();
    // Keys the grid and its editors do not use; true = key used up.
    bool HandleShortcutKey(int key, Qt::KeyboardModifiers modifiers);

    AppState& m_state;
    Prompter& m_prompter;
    SettingsStore& m_settings;
    MainMenus* m_menus = nullptr;
    GeneralPanel* fraGeneral = nullptr;
    QGroupBox* fraMemChannel = nullptr;
    ChannelGrid* msgMemChannel = nullptr;
    CellEditing* m_cellEditing = nullptr;
    DocumentCommands* m_documentCommands = nullptr;
    GeneralPanelCommands* m_generalPanelCommands = nullptr;
    RadioCommands* m_radioCommands = nullptr;
    HelpCommands* m_helpCommands = nullptr;
    std::unique_ptr<ChannelShortcuts> m_channelShortcuts;
    bool m_startedOk = false;
};
