#include "frmMain.h"

#include <exception>

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QVBoxLayout>

#include "CellEditing.h"
#include "ChannelGrid.h"
#include "ChannelListCommands.h"
#include "ChannelShortcuts.h"
#include "DialogCommands.h"
#include "DocumentCommands.h"
#include "DocumentController.h"
#include "EditCommands.h"
#include "GeneralPanel.h"
#include "GeneralPanelCommands.h"
#include "HelpCommands.h"
#include "MainMenus.h"
#include "MemoryMapGesture.h"
#include "RadioCommands.h"
#include "StatusClock.h"
#include "core/BandTable.h"
#include "core/DocumentState.h"
#include "core/Layout.h"
#include "platform/Prompter.h"
#include "platform/QtText.h"
#include "platform/QtTranslations.h"
#include "platform/SettingsStore.h"
#include "strings/Strings.h"

namespace {

constexpr std::string_view kVerifyValue = "VerifyAfterWrite";

}  // namespace

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
    auto* fraGeneral = new GeneralPanel(central);
    fraMemChannel = new QGroupBox(central);
    fraMemChannel->setObjectName(QStringLiteral("fraMemChannel"));
    auto* msgMemChannel = new ChannelGrid(m_state, fraMemChannel);
    auto* cellEditing = new CellEditing(m_state, m_prompter, *msgMemChannel, *this);
    m_document = new DocumentController(m_state, *msgMemChannel, *fraGeneral, *cellEditing, this);

    m_channelShortcuts = std::make_unique<ChannelShortcuts>(*m_document, m_prompter, *this);
    cellEditing->setShortcutSink([this](int key, Qt::KeyboardModifiers modifiers) {
        return m_channelShortcuts->handle(key, modifiers);
    });
    m_documentCommands = new DocumentCommands(*m_document, m_prompter, *this);
    new GeneralPanelCommands(*m_document, m_prompter, *this);
    m_radioCommands = new RadioCommands(*m_document, *m_documentCommands, m_prompter, *this);
    m_dialogCommands = new DialogCommands(*m_document, m_prompter, *this);
    m_helpCommands = new HelpCommands(*m_document, *this);
    m_channelListCommands = new ChannelListCommands(*m_document, m_prompter, *this);
    new MemoryMapGesture(*msgMemChannel, [this] { m_dialogCommands->MemoryMap(); });

    auto* gridLayout = new QVBoxLayout(fraMemChannel);
    gridLayout->addWidget(msgMemChannel);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(fraGeneral);
    layout->addWidget(fraMemChannel, 1);
    setCentralWidget(central);

    resize(1040, 720);
}

void frmMain::connectCommands()
{
    using Command = MainMenus::Command;
    const auto connectTo = [this](Command command, auto* commands, auto run) {
        connect(m_menus->action(command), &QAction::triggered, commands,
                [commands, run] { (commands->*run)(); });
    };
    connectTo(Command::New, m_documentCommands, &DocumentCommands::New);
    connectTo(Command::Open, m_documentCommands, &DocumentCommands::Open);
    connectTo(Command::Save, m_documentCommands, &DocumentCommands::Save);
    connectTo(Command::SaveAs, m_documentCommands, &DocumentCommands::SaveAs);
    connectTo(Command::ExportChannels, m_channelListCommands, &ChannelListCommands::Export);
    connectTo(Command::ImportChannels, m_channelListCommands, &ChannelListCommands::Import);
    connectTo(Command::Print, m_dialogCommands, &DialogCommands::Print);
    // The close request commits the cell edit before anything else.
    connectTo(Command::Exit, this, &QWidget::close);
    new EditCommands(*m_document, *m_menus->action(Command::Undo), *m_menus->action(Command::Redo));
    connectTo(Command::Read, m_radioCommands, &RadioCommands::Read);
    connectTo(Command::Write, m_radioCommands, &RadioCommands::Write);
    connect(m_menus->action(Command::VerifyAfterWrite), &QAction::toggled, this,
            [this](bool on) { m_state.verifyAfterWrite = on; });
    connectTo(Command::Test, m_radioCommands, &RadioCommands::Test);
    connectTo(Command::OptionalFeatures, m_dialogCommands, &DialogCommands::OptionalFeatures);
    connectTo(Command::CommPort, m_radioCommands, &RadioCommands::CommPort);
    connectTo(Command::Language, m_dialogCommands, &DialogCommands::Language);
    connectTo(Command::HelpTopics, m_helpCommands, &HelpCommands::Topics);
    connectTo(Command::About, m_dialogCommands, &DialogCommands::About);

    connect(m_document, &DocumentController::titleChanged, this, &QWidget::setWindowTitle);
    connect(m_document, &DocumentController::languageApplied, this, &frmMain::relabel);
    connect(m_radioCommands, &RadioCommands::statusMessage, statusBar(),
            [bar = statusBar()](const QString& text) { bar->showMessage(text); });
}

void frmMain::startUp()
{
    // The remembered model is written at exit, but every session starts with
    // model 7105C; only the band is restored.
    MemoryImage& image = m_state.memoryImage;
    image.set(layout::kModelRow, layout::kRadioColumn, kDefaultModelCode);
    image.set(layout::kBandRow, layout::kRadioColumn, StartupBandCode(m_settings.readString("LastFreq")));
    m_state.commPortNumber = 1;
    m_menus->action(MainMenus::Command::VerifyAfterWrite)
        ->setChecked(m_settings.readString(kVerifyValue) == "1");
    SetLanguageIndex(0);
    SetBandLimits(m_state);
    m_document->ResetImageAndGrid();
    TakeSnapshot(m_state);
    m_state.documentPath = kUntitled;
    m_document->ApplyLanguage();
    m_document->FocusGrid();
}

void frmMain::relabel()
{
    ApplyQtTranslations(LanguageIndex());
    m_menus->ApplyLanguage();
    fraMemChannel->setTitle(QText(TextId::MemoryChannel));
    // No narrower than the grid with every column's text whole, in this language.
    setMinimumSize(QSize(880, 480).expandedTo(minimumSizeHint()));
}

void frmMain::closeEvent(QCloseEvent* event)
{
    m_document->EndCellEdit();
    if (IsModified(m_state)) {
        const Prompter::Button answer = m_prompter.message(
            this, QText(TextId::FileNotSavedSaveNow), ProductTitle(), Prompter::Icon::Exclamation,
            Prompter::Buttons::YesNoCancel, Prompter::Button::Yes);
        // A save that did not happen (its dialog cancelled, the write failed)
        // must not end the program with the work unsaved.
        if (answer == Prompter::Button::Cancel ||
            (answer == Prompter::Button::Yes && !m_documentCommands->Save())) {
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
    m_settings.writeString(kVerifyValue, m_state.verifyAfterWrite ? "1" : "0");
}
