#include "HelpTopics.h"

#include <iterator>

#include "TextId.h"

namespace {

constexpr HelpTopic kTopics[] = {
    {"start.html", TextId::HelpGettingStarted},      {"grid.html", TextId::HelpChannelGrid},
    {"shortcuts.html", TextId::HelpShortcutKeys},    {"general.html", TextId::HelpGeneralPanel},
    {"features.html", TextId::HelpOptionalFeatures}, {"printing.html", TextId::HelpPrinting},
    {"cli.html", TextId::HelpCommandLine},           {"trouble.html", TextId::HelpTroubleshooting},
};

constexpr int kFirstColumnContext = 7006;
// Anchors on grid.html for the columns CH, RX Freq ... BCL.
constexpr const char* kColumnAnchors[] = {"ch",   "rx-freq",  "tx-freq",    "decode", "encode", "wn",
                                          "scan", "tx-power", "opt-signal", "ptt-id", "bcl"};

}  // namespace

std::span<const HelpTopic> HelpTopics() { return kTopics; }

std::string HelpPageForContext(int helpContext)
{
    const int column = helpContext - kFirstColumnContext;
    if (column < 0 || column >= static_cast<int>(std::size(kColumnAnchors))) return "grid.html";
    return std::string("grid.html#") + kColumnAnchors[column];
}
