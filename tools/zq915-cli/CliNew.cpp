#include "CliNew.h"

#include "CliCommon.h"
#include "core/AppState.h"
#include "core/BandTable.h"
#include "core/Layout.h"
#include "core/NewDocument.h"

int RunNew(const CliArgs& args)
{
    const ParsedArgs parsed = ParseCliArgs(args, {"--band", "--model"});
    if (!parsed.error.empty()) return CliFail(parsed.error);
    if (parsed.positional.size() != 1) return CliFail("new needs exactly one FILE.dat");
    const std::optional<std::string> output = OutputFile(parsed.positional.front());
    if (!output) return kCliFailed;

    int band = kDefaultBandCode;
    int model = kDefaultModelCode;
    for (const auto& [name, value] : parsed.options) {
        if (name == "--band") {
            const std::optional<int> code = ParseCode(value, kFirstBandCode, kLastBandCode);
            if (!code) return CliFail("unknown band code " + value + " (use 238..248)");
            band = *code;
        } else {
            const std::optional<int> code = ParseCode(value, kFirstModelCode, kFirstModelCode + 2);
            if (!code) return CliFail("unknown model code " + value + " (use 56..58)");
            model = *code;
        }
    }

    AppState state;
    state.memoryImage.set(layout::kBandRow, layout::kRadioColumn, static_cast<std::uint8_t>(band));
    state.memoryImage.set(layout::kModelRow, layout::kRadioColumn, static_cast<std::uint8_t>(model));
    ResetImage(state);
    return SaveDataFile(*output, state.memoryImage) ? kCliOk : kCliFailed;
}
