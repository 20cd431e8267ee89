#include "HelpTopics.h"

#include <iterator>

namespace {

constexpr HelpTopic kTopics[] = {
    {"start.html", 1761},    {"grid.html", 1762},     {"shortcuts.html", 1763}, {"general.html", 1764},
    {"features.html", 1765}, {"printing.html", 1766}, {"cli.html", 1767},       {"trouble.html", 1768},
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
