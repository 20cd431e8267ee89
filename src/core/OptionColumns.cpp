#include "OptionColumns.h"

#include "Layout.h"
#include "TextMatch.h"
#include "strings/Strings.h"

namespace {

struct OptionColumn {
    int entryIds[3];  // 0 = no third entry
    int row;
    std::uint8_t mask;
    int setByEntry;  // the entry whose choice sets the bit
};

// BCL is the one column with three entries and two bits; it is handled apart.
constexpr OptionColumn kColumns[] = {
    {{TextId::Wide, TextId::Narrow, 0}, layout::kChannelFlagsRow, layout::kWide, 0},            // W/N
    {{TextId::Add, TextId::Del, 0}, layout::kChannelFlagsRow, layout::kScanAdd, 0},             // Scan
    {{TextId::Low, TextId::High, 0}, layout::kChannelFlagsRow, layout::kHighPower, 1},          // TX Power
    {{TextId::NoneChoice, TextId::Dtmf, 0}, layout::kOptSignalRow, layout::kOptSignalDtmf, 1},  // Opt Signal
    {{TextId::Off, TextId::On, 0}, layout::kPttIdRow, layout::kPttIdOn, 1},                     // PTT ID
    {{TextId::Off, TextId::Carrier, TextId::QtDqt}, layout::kChannelFlagsRow, 0, 0},            // BCL
};

constexpr int kBclColumn = 10;
constexpr int kBclCarrierEntry = 1;
constexpr int kBclQtDqtEntry = 2;

const OptionColumn* ColumnFor(int gridColumn)
{
    if (gridColumn < kFirstOptionColumn || gridColumn > kLastOptionColumn) return nullptr;
    return &kColumns[gridColumn - kFirstOptionColumn];
}

}  // namespace

std::vector<std::string> OptionEntries(int gridColumn)
{
    std::vector<std::string> entries;
    if (const OptionColumn* column = ColumnFor(gridColumn)) {
        for (int id : column->entryIds)
            if (id != 0) entries.push_back(Text(id));
    }
    return entries;
}

std::optional<int> FindOptionEntry(int gridColumn, std::string_view text)
{
    const OptionColumn* column = ColumnFor(gridColumn);
    if (!column) return std::nullopt;
    for (int entry = 0; entry < 3; ++entry) {
        if (column->entryIds[entry] != 0 && MatchesTextId(text, column->entryIds[entry])) return entry;
    }
    return std::nullopt;
}

void WriteOption(MemoryImage& image, int channelColumn, int gridColumn, const std::string& choice)
{
    const std::vector<std::string> entries = OptionEntries(gridColumn);
    int entry = -1;
    for (int i = static_cast<int>(entries.size()) - 1; i >= 0 && entry < 0; --i)
        if (entries[i] == choice) entry = i;
    WriteOptionEntry(image, channelColumn, gridColumn, entry);
}

void WriteOptionEntry(MemoryImage& image, int channelColumn, int gridColumn, int entry)
{
    const OptionColumn* column = ColumnFor(gridColumn);
    if (!column) return;
    if (gridColumn == kBclColumn) {
        image.setBit(layout::kChannelFlagsRow, channelColumn, layout::kBclQtDqt, entry == kBclQtDqtEntry);
        image.setBit(layout::kChannelFlagsRow, channelColumn, layout::kBclCarrier, entry == kBclCarrierEntry);
        return;
    }
    image.setBit(column->row, channelColumn, column->mask, entry == column->setByEntry);
}
