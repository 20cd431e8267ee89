#include "frmMain.h"

#include <exception>

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QVBoxLayout>

#include "CellEditing.h"
#include "ChannelGrid.h"
#include "ChannelShortcuts.h"
#include "DocumentCommands.h"
#include "DocumentRefresh.h"
#include "DocumentState.h"
#include "GeneralPanel.h"
#include "GeneralPanelCommands.h"
#include "HelpCommands.h"
#include "MainMenus.h"
#include "MemoryMapGesture.h"
#include "RadioCommands.h"
#include "StatusClock.h"
#include "core/BandTable.h"
#include "core/Layout.h"
#include "core/NewDocument.h"
#include "platform/Prompter.h"
#include "platform/QtText.h"
#include "platform/QtTranslations.h"
#include "platform/SettingsStore.h"
#include "strings/Strings.h"
#include "ui/dialogs/frmAbout.h"
#include "ui/dialogs/frmLanguage.h"
#include "ui/dialogs/frmMemoryMap.h"
#include "ui/dialogs/frmOptFeatures.h"
#include "ui/dialogs/frmPrint.h"

frmMain::frmMain(AppState& state, Prompter& prompter, SettingsStore& settings, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_prompter(prompter), m_settings(settings)
{
    setObjectName(QStringLiteral("frmMain"));
    buildWindow();
    connectCommands();
    try {
        startUp();
        m_startedOk = true;
    } catch (const std::exception& error) {
        ShowNotice(m_prompter, this, QString::fromLocal8Bit(error.what()), ProductTitle(),
                   Prompter::Icon::Exclamation);
        TakeSnapshot(m_state);
    }
}

frmMain::~frmMain() = default;

void frmMain::buildWindow()
{
    m_menus = new MainMenus(*this);
    setStatusBar(new StatusClock(this));

    auto* central = new QWidget(this);
    fraGeneral = new GeneralPanel(central);
    fraMemChannel = new QGroupBox(central);
    fraMemChannel->setObjectName(QStringLiteral("fraMemChannel"));
    msgMemChannel = new ChannelGrid(m_state, fraMemChannel);
    m_cellEditing = new CellEditing(m_state, m_prompter, *msgMemChannel, *this);
    m_cellEditing->setShortcutSink(
        [this](int key, Qt::KeyboardModifiers modifiers) { return HandleShortcutKey(key, modifiers); });
    m_channelShortcuts = std::make_unique<ChannelShortcuts>(
        m_state, m_prompter,
        ChannelShortcuts::Window{
            this, [this](int n, int col) { return msgMemChannel->cellText(n, col); },
            [this](int n) { RenderChannelRow(n); },
            [this] {
                EndCellEdit();
                msgMemChannel->setFocus();
            },
            [this](int n, const QString& text) { m_cellEditing->StoreTxFrequency(n, text); },
            [this](int n) { m_cellEditing->ClearTxFrequency(n); }});
    new MemoryMapGesture(*msgMemChannel, [this] { memoryMapCommand(); });
    m_documentCommands = new DocumentCommands(m_state, m_prompter, *this);
    m_generalPanelCommands = new GeneralPanelCommands(m_state, m_prompter, *this);
    m_radioCommands = new RadioCommands(m_state, m_prompter, *this);
    m_helpCommands = new HelpCommands(m_state, *msgMemChannel, *this);

    auto* gridLayout = new QVBoxLayout(fraMemChannel);
    gridLayout->addWidget(msgMemChannel);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(fraGeneral);
    layout->addWidget(fraMemChannel, 1);
    setCentralWidget(central);

    resize(1040, 720);
}

void frmMain::startUp()
{
    // The remembered model is written at exit, but every session starts with
    // model 7105C; only the band is restored.
    MemoryImage& image = m_state.memoryImage;
    image.set(layout::kModelRow, layout::kRadioColumn, kDefaultModelCode);
    image.set(layout::kBandRow, layout::kRadioColumn, StartupBandCode(m_settings.readString("LastFreq")));
    m_state.commPortNumber = 1;
    SetLanguageIndex(0);
    SetBandLimits(m_state);
    ResetImageAndGrid();
    TakeSnapshot(m_state);
    m_state.documentPath = kUntitled;
    ApplyLanguage();
    msgMemChannel->setFocus();
}

void frmMain::ResetImageAndGrid()
{
    ResetImage(m_state);
    fraGeneral->SelectForNewDocument(m_state.memoryImage);
    LayOutForBand();
    msgMemChannel->SetLayoutHeaders();
}

void frmMain::LayOutForBand()
{
    ApplyBandLayout(m_state);
    m_cellEditing->ResetForLayout();
    msgMemChannel->LayOut();
}

void frmMain::ClearGrid() { msgMemChannel->ClearGrid(); }

void frmMain::RenderChannelRow(int n) { msgMemChannel->RenderChannelRow(n); }

void frmMain::RenderAllChannelRows()
{
    for (int n = 1; n <= m_state.channelCount; ++n) msgMemChannel->RenderChannelRow(n);
}

void frmMain::EndCellEdit() { m_cellEditing->EndCellEdit(); }

void frmMain::ApplyLanguage()
{
    ApplyQtTranslations(LanguageIndex());
    RefreshTitle();
    m_menus->ApplyLanguage();
    fraGeneral->ApplyLanguage();
    fraMemChannel->setTitle(QText(1301));
    msgMemChannel->ApplyLanguage();
    m_cellEditing->ApplyLanguage();
    // No narrower than the grid with every column's text whole, in this language.
    setMinimumSize(QSize(880, 480).expandedTo(minimumSizeHint()));
    m_helpCommands->ApplyLanguage();
}

void frmMain::RefreshTitle() { setWindowTitle(QString::fromStdString(BuildTitle(m_state.documentPath))); }

void frmMain::connectCommands()
{
    connectCommand("mnuHelp_Topics", &frmMain::helpTopicsCommand);
    connectCommand("mnuFile_Print", &frmMain::printCommand);
    const auto connectTo = [this](const char* actionName, auto* commands, auto command) {
        connect(m_menus->action(QString::fromLatin1(actionName)), &QAction::triggered, commands,
                [commands, command] { (commands->*command)(); });
    };
    connectTo("mnuFile_New", m_documentCommands, &DocumentCommands::New);
    connectTo("mnuFile_Open", m_documentCommands, &DocumentCommands::Open);
    connectTo("mnuFile_Save", m_documentCommands, &DocumentCommands::Save);
    connectTo("mnuFile_SaveAs", m_documentCommands, &DocumentCommands::SaveAs);
    connectTo("mnuProgram_Read", m_radioCommands, &RadioCommands::Read);
    connectTo("mnuProgram_Write", m_radioCommands, &RadioCommands::Write);
    connectTo("mnuProgram_Test", m_radioCommands, &RadioCommands::Test);
    connectTo("mnuSetup_CommPort", m_radioCommands, &RadioCommands::CommPort);
    connectCommand("mnuSetup_Lang", &frmMain::languageCommand);
    connectCommand("mnuHelp_About", &frmMain::aboutCommand);
    connectCommand("mnuProgram_OptFeatures", &frmMain::optionalFeaturesCommand);
    // The close request commits the cell edit before anything else.
    connect(m_menus->action(QStringLiteral("mnuFile_Exit")), &QAction::triggered, this, [this] { close(); });
}

void frmMain::connectCommand(const char* actionName, void (frmMain::*command)())
{
    connect(m_menus->action(QString::fromLatin1(actionName)), &QAction::triggered, this, command);
}

void frmMain::helpTopicsCommand()
{
    EndCellEdit();
    m_helpCommands->Topics();
}

void frmMain::languageCommand()
{
    EndCellEdit();
    const std::uint8_t before = LanguageIndex();
    frmLanguage dialog(this);
    m_prompter.exec(dialog);
    if (LanguageIndex() == before) return;
    ApplyLanguage();
    RenderAllChannelRows();
}

void frmMain::aboutCommand()
{
    EndCellEdit();
    frmAbout dialog(this);
    m_prompter.exec(dialog);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    EndCellEdit();
    if (IsModified(m_state)) {
        const Prompter::Button answer =
            m_prompter.message(this, QText(1111), ProductTitle(), Prompter::Icon::Exclamation,
                               Prompter::Buttons::YesNoCancel, Prompter::Button::Yes);
        if (answer == Prompter::Button::Yes) m_menus->action(QStringLiteral("mnuFile_Save"))->trigger();
        // A save that did not happen (its dialog cancelled, the write failed)
        // must not end the program with the work unsaved.
        if (answer == Prompter::Button::Cancel || (answer == Prompter::Button::Yes && IsModified(m_state))) {
            event->ignore();
            return;
        }
    }
    writeSettings();
    event->accept();
}

void frmMain::writeSettings()
{
    const MemoryImage& image = m_state.memoryImage;
    m_settings.writeString("LastModel", std::to_string(image.at(layout::kModelRow, layout::kRadioColumn)));
    m_settings.writeString("LastFreq", std::to_string(image.at(layout::kBandRow, layout::kRadioColumn)));
    m_settings.writeString("language", std::to_string(LanguageIndex()));
}

bool frmMain::HandleShortcutKey(int key, Qt::KeyboardModifiers modifiers)
{
    return m_channelShortcuts->handle(key, modifiers);
}

void frmMain::printCommand()
{
    EndCellEdit();
    ShowPrintDialog(m_state, m_prompter, this);
}

void frmMain::optionalFeaturesCommand()
{
    EndCellEdit();
    frmOptFeatures dialog(m_state.memoryImage, this);
    m_prompter.exec(dialog);
}

void frmMain::memoryMapCommand()
{
    EndCellEdit();
    frmMemoryMap dialog(m_state.memoryImage, this);
    if (m_prompter.exec(dialog) == QDialog::Accepted) RefreshFromImage(*this, m_state);
}
