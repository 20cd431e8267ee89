#pragma once

#include <memory>

#include <QMainWindow>

#include "core/AppState.h"

// Data flow: AppState (made in main()) holds the one MemoryImage. The channel
// grid draws rows from it; the cell editors and the General panel write into
// it at once; commands replace it whole and then re-render every row through
// the DocumentController, which stands for the open document (grid, panel,
// editors) so no command needs this window. There is no modified flag:
// IsModified compares the image with the snapshot taken after every load,
// save and reset. Every change to the image runs through the controller's
// RecordStep, which keeps the image before it for Undo. While the image
// differs from the snapshot, the RecoveryKeeper keeps a copy on disk for the
// next start after a crash. frmMain only builds the parts and wires them.

class ChannelShortcuts;
class DialogCommands;
class ChannelListCommands;
class DocumentCommands;
class DocumentController;
class HelpCommands;
class MainMenus;
class Prompter;
class RadioCommands;
class RecentFilesMenu;
class RecoveryKeeper;
class RememberedFiles;
class SettingsStore;
class StatusClock;
class QGroupBox;

class frmMain final : public QMainWindow {
    Q_OBJECT
public:
    // Runs the start-up sequence: remembered band and Verify after Write, model 7105C, English, lists,
    // band limits, fresh image and grid, snapshot, "Untitled", captions, the window's remembered place.
    // Recovery copies are kept in `recoveryFolder`.
    frmMain(AppState& state, Prompter& prompter, SettingsStore& settings, QWidget* parent = nullptr);
    frmMain(AppState& state, Prompter& prompter, SettingsStore& settings, const QString& recoveryFolder,
            QWidget* parent = nullptr);
    ~frmMain() override;

    // False when start-up failed (already reported); the caller closes the window.
    [[nodiscard]] bool startedOk() const { return m_startedOk; }

    [[nodiscard]] DocumentController& document() const { return *m_document; }
    [[nodiscard]] MainMenus& menus() const { return *m_menus; }
    [[nodiscard]] DocumentCommands& documentCommands() const { return *m_documentCommands; }
    [[nodiscard]] RadioCommands& radioCommands() const { return *m_radioCommands; }
    [[nodiscard]] HelpCommands& helpCommands() const { return *m_helpCommands; }
    [[nodiscard]] RecoveryKeeper& recovery() const { return *m_recovery; }

    // Offers the recovery copies of programs that ended without closing
    // normally; run once the window is shown.
    void offerRecoveries();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow(const QString& recoveryFolder);
    void connectCommands();
    void startUp();
    // Qt's own dialog texts, menu captions, toolbar tooltips, the grid frame's
    // caption and the minimum size for them, after the document's parts.
    void relabel();
    void writeSettings();

    AppState& m_state;
    Prompter& m_prompter;
    SettingsStore& m_settings;
    MainMenus* m_menus = nullptr;
    QGroupBox* fraMemChannel = nullptr;
    StatusClock* m_statusBar = nullptr;
    DocumentController* m_document = nullptr;
    DocumentCommands* m_documentCommands = nullptr;
    RadioCommands* m_radioCommands = nullptr;
    DialogCommands* m_dialogCommands = nullptr;
    HelpCommands* m_helpCommands = nullptr;
    ChannelListCommands* m_channelListCommands = nullptr;
    RecoveryKeeper* m_recovery = nullptr;
    std::unique_ptr<RememberedFiles> m_remembered;
    std::unique_ptr<ChannelShortcuts> m_channelShortcuts;
    bool m_startedOk = false;
};
