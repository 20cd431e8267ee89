// Main window timings: start-up (construct and show), a full redraw of 128
// channels, and a language switch with its relabelling and redraw.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>

#include "core/AppState.h"
#include "core/FreqCodec.h"
#include "core/Layout.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "strings/Strings.h"
#include "ui/main/frmMain.h"

namespace {

class SilentPrompter final : public Prompter {
public:
    Button message(QWidget*, const QString&, const QString&, Icon, Buttons, Button defaultButton) override
    {
        return defaultButton;
    }
    QString openFileName(QWidget*, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return {}; }
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

void BM_StartUpAndShow(benchmark::State& bench)
{
    SilentPrompter prompter;
    FixedSettings settings;
    for (auto _ : bench) {
        AppState state;
        frmMain window(state, prompter, settings);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(BM_StartUpAndShow)->Unit(benchmark::kMillisecond);

void BM_RedrawAllChannels(benchmark::State& bench)
{
    SilentPrompter prompter;
    FixedSettings settings;
    AppState state;
    frmMain window(state, prompter, settings);
    window.show();
    FillChannels(state);
    for (auto _ : bench) {
        window.RenderAllChannelRows();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_RedrawAllChannels)->Unit(benchmark::kMillisecond);

void BM_LanguageSwitch(benchmark::State& bench)
{
    SilentPrompter prompter;
    FixedSettings settings;
    AppState state;
    frmMain window(state, prompter, settings);
    window.show();
    FillChannels(state);
    window.RenderAllChannelRows();
    for (auto _ : bench) {
        // What the Setup > Language command does once the dialog has changed the language.
        SetLanguageIndex(LanguageIndex() == 0 ? 1 : 0);
        window.ApplyLanguage();
        window.RenderAllChannelRows();
        QApplication::processEvents();
    }
    SetLanguageIndex(0);
}
BENCHMARK(BM_LanguageSwitch)->Unit(benchmark::kMillisecond);

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
