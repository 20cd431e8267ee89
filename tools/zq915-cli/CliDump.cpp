#include "CliDump.h"

#include <iostream>

#include "core/AppState.h"
#include "core/BandTable.h"
#include "core/ChannelView.h"
#include "core/NewDocument.h"
#include "strings/Strings.h"

int RunDump(const CliArgs& args)
{
    const ParsedArgs parsed = ParseCliArgs(args, {});
    if (!parsed.error.empty()) return CliFail(parsed.error);
    if (parsed.positional.size() != 1) return CliFail("dump needs exactly one FILE.dat");
    std::optional<MemoryImage> image = LoadDataFile(parsed.positional.front());
    if (!image) return kCliFailed;

    AppState state;
    state.memoryImage = *image;
    SetBandLimits(state);
    ApplyBandLayout(state);
    const GeneralSelection general = GeneralSettingsIndexes(state.memoryImage);
    std::cout << ModelTexts()[general.model] << '\t' << BandText(state.memoryImage) << '\t' << general.power
              << '\t' << Text(general.manual == 0 ? TextId::Enable : TextId::Disable) << '\n';
    for (int channel = 1; channel <= state.channelCount; ++channel) {
        const ChannelCells cells = NormalizeAndDescribeChannel(state, channel - 1);
        if (!cells.present) continue;
        std::cout << channel;
        for (const std::string& text : cells.text) std::cout << '\t' << text;
        std::cout << '\n';
    }
    return kCliOk;
}
