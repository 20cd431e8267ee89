// Main window timings: start-up (construct and show, against a bare window of
// the same shape), a full redraw of 128 channels, a language switch with its
// relabelling and redraw, and undo and redo of one step.
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <memory>

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QToolBar>

#include "core/AppState.h"
#include "core/FreqCodec.h"
#include "core/Layout.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "strings/Strings.h"
#include "ui/main/DocumentController.h"
#include "ui/main/frmMain.h"

namespace {

class SilentPrompter final : public Prompter {
public:
    Button message(QWidget*, const QString&, const QString&, Icon, Buttons, Button defaultButton) override
    {
        return defaultButton;
    }
    int choose(QWidget*, const QString&, const QString&, Icon, const QStringList&, int,
               int escapeIndex) override
    {
        return escapeIndex;
    }
    Button detailedMessage(QWidget*, const QString&, const QString&, const QString&, Icon,
                           const QString&) override
    {
        return Button::Ok;
    }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    int exec(QDialog&) override { return QDialog::Rejected; }
};

class FixedSettings final : public SettingsStore {
public:
    std::string readString(std::string_view name) override { return name == "LastFreq" ? "239" : ""; }
    bool writeString(std::string_view, std::string_view) override { return true; }
};

// Every channel in use, with TX frequency, so each cell has text to draw.
void FillChannels(AppState& state)
{
    for (int column = 0; column < layout::kMaxChannels; ++column) {
        StoreFreq(state.memoryImage, column, layout::kRxFreqRow, "145.00000");
        StoreFreq(state.memoryImage, column, layout::kTxFreqRow, "146.00000");
    }
}

// What any window of this shape costs: menu bar, a tool bar of seven buttons
// with the style's icons (what the main window shows without an icon theme),
// status bar and a 129 x 11 table with an item in every cell.
std::unique_ptr<QMainWindow> BareWindow()
{
    auto window = std::make_unique<QMainWindow>();
    for (const char* title : {"File", "Program", "Setup", "Help"})
        window->menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Entry"));
    QToolBar* tools = window->addToolBar(QStringLiteral("Tools"));
    for (QStyle::StandardPixmap icon :
         {QStyle::SP_FileIcon, QStyle::SP_DialogOpenButton, QStyle::SP_DialogSaveButton,
          QStyle::SP_FileDialogContentsView, QStyle::SP_ArrowDown, QStyle::SP_ArrowUp,
          QStyle::SP_MessageBoxInformation})
        tools->addAction(window->style()->standardIcon(icon), QString());
    window->statusBar()->showMessage(QStringLiteral("Ready"));
    auto* table = new QTableWidget(129, 11, window.get());
    for (int row = 0; row < table->rowCount(); ++row)
        for (int col = 0; col < table->columnCount(); ++col) table->setItem(row, col, new QTableWidgetItem);
    window->setCentralWidget(table);
    window->resize(1040, 720);
    return window;
}

struct Cost {
    double wall = 0;  // seconds
    double cpu = 0;   // seconds of the process's CPU time
    Cost& operator+=(const Cost& other)
    {
        wall += other.wall;
        cpu += other.cpu;
        return *this;
    }
};

template <typename Build>
Cost CostToShow(Build build)
{
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    auto window = build();
    window->show();
    QApplication::processEvents();
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    benchmark::DoNotOptimize(window->isVisible());
    return {wall.count(), cpu};
}

// The main window against the bare window, alternating in one run so both
// see the same machine load; the counters give the mean of each (wall time
// and CPU time) and the ratios. On a loaded machine the CPU ratio is the
// steadier one.
void BM_StartUpAndShow(benchmark::State& bench)
{
    SilentPrompter prompter;
    FixedSettings settings;
    const auto app = [&] {
        AppState state;
        return CostToShow([&] { return std::make_unique<frmMain>(state, prompter, settings); });
    };
    // Once each before timing, so the process's first font and style loading
    // counts against neither.
    app();
    CostToShow(BareWindow);
    Cost appCost;
    Cost bareCost;
    for (auto _ : bench) {
        appCost += app();
        bareCost += CostToShow(BareWindow);
    }
    const auto runs = static_cast<double>(bench.iterations());
    bench.counters["app_ms"] = appCost.wall * 1000 / runs;
    bench.counters["bare_ms"] = bareCost.wall * 1000 / runs;
    bench.counters["ratio"] = appCost.wall / bareCost.wall;
    bench.counters["cpu_ratio"] = appCost.cpu / bareCost.cpu;
}
BENCHMARK(BM_StartUpAndShow)->Unit(benchmark::kMillisecond);

// A shown main window whose image has every channel in use (not yet drawn).
struct ShownWindow {
    SilentPrompter prompter;
    FixedSettings settings;
    AppState state;
    frmMain window{state, prompter, settings};
    ShownWindow()
    {
        window.show();
        FillChannels(state);
    }
};

void BM_RedrawAllChannels(benchmark::State& bench)
{
    ShownWindow shown;
    frmMain& window = shown.window;
    for (auto _ : bench) {
        window.document().RenderAllChannelRows();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_RedrawAllChannels)->Unit(benchmark::kMillisecond);

void BM_LanguageSwitch(benchmark::State& bench)
{
    ShownWindow shown;
    frmMain& window = shown.window;
    window.document().RenderAllChannelRows();
    for (auto _ : bench) {
        // What the Setup > Language command does once the dialog has changed the language.
        SetLanguageIndex(LanguageIndex() == 0 ? 1 : 0);
        window.document().ApplyLanguage();
        window.document().RenderAllChannelRows();
        QApplication::processEvents();
    }
    SetLanguageIndex(0);
}
BENCHMARK(BM_LanguageSwitch)->Unit(benchmark::kMillisecond);

// One undo and one redo of a cell's step on a document of 128 channels in
// use, each with its redraw (rows, panel, title, Edit menu captions).
void BM_UndoRedoStep(benchmark::State& bench)
{
    ShownWindow shown;
    frmMain& window = shown.window;
    AppState& state = shown.state;
    DocumentController& document = window.document();
    document.RenderAllChannelRows();
    document.RecordStep({1200, 5}, [&] { StoreFreq(state.memoryImage, 4, layout::kRxFreqRow, "150.00000"); });
    document.RenderChannelRow(5);
    QApplication::processEvents();
    for (auto _ : bench) {
        document.Undo();
        QApplication::processEvents();
        document.Redo();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_UndoRedoStep)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
