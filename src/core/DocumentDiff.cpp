#include "DocumentDiff.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "AppState.h"
#include "BandTable.h"
#include "ChannelView.h"
#include "Layout.h"
#include "OptionalFeatures.h"
#include "strings/Strings.h"

namespace {

// The bits of each record row some editor shows; the rest are compared by address.
// Rows 0..11 hold frequencies and tones, every bit shown; rows 12..14 the
// option flags the grid edits; row 15 nothing.
// clang-format off
constexpr std::array<std::uint8_t, MemoryImage::kRows> kChannelShown{
    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    layout::kOptSignalDtmf,
    layout::kBclCarrier | layout::kBclQtDqt | layout::kScanAdd | layout::kWide | layout::kHighPower,
    layout::kPttIdOn,
    0};
// clang-format on

std::uint8_t ShownBits(int row, int column, int channelsShown)
{
    using namespace layout;
    if (column < kMaxChannels) return column < channelsShown ? kChannelShown[row] : 0;
    if (column == kRadioColumn) return row == kBandRow || row == kModelRow ? 0xFF : 0;
    if (column == kSettingsColumn) {
        switch (row) {
            case kPttIdEdgeRow:
                return kPttIdBot | kPttIdEot;
            case kGeneralFlagsRow:
                return kChordLanguageChinese | kChordLanguageOn | kBatterySave | kScrambler | kBeepTone |
                       kManualEnable;
            case kSquelchRow:
            case kTimeOutTimerRow:
            case kVoxGainRow:
            case kVoxDelayRow:
            case kPowerLevelRow:
                return 0xFF;
            default:
                return 0;
        }
    }
    if (column == kAniColumn) return row < kAniLength ? 0xFF : 0;
    if (column == kNameColumn) return row < kNameLength ? 0xFF : 0;
    return 0;
}

// The text with %1, %2, ... replaced in order.
std::string Substitute(std::string text, const std::vector<std::string>& values)
{
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string mark = "%" + std::to_string(i + 1);
        if (const std::size_t at = text.find(mark); at != std::string::npos)
            text.replace(at, mark.size(), values[i]);
    }
    return text;
}

std::string OrEmpty(const std::string& text) { return text.empty() ? Text(TextId::EmptyValue) : text; }

std::string Hex(unsigned value, int digits)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%0*X", digits, value);
    return buffer;
}

class Comparison {
public:
    Comparison(const MemoryImage& before, const MemoryImage& after)
    {
        m_before.memoryImage = before;
        m_after.memoryImage = after;
        NormalizeDocument(m_before);
        NormalizeDocument(m_after);
    }

    std::vector<std::string> lines()
    {
        compareGeneral();
        const int shown = std::max(m_before.channelCount, m_after.channelCount);
        for (int column = 0; column < shown; ++column) compareChannel(column);
        compareFeatures();
        compareUnshownBytes(shown);
        return std::move(m_lines);
    }

private:
    void add(const std::string& label, const std::string& was, const std::string& is)
    {
        if (was == is) return;
        m_lines.push_back(label + ": " + OrEmpty(was) + " -> " + OrEmpty(is));
    }

    void compareGeneral()
    {
        const MemoryImage& a = m_before.memoryImage;
        const MemoryImage& b = m_after.memoryImage;
        const std::size_t first = m_lines.size();
        const GeneralSelection was = GeneralSettingsIndexes(a), is = GeneralSettingsIndexes(b);
        add(Text(TextId::Model), std::string(ModelTexts()[was.model]), std::string(ModelTexts()[is.model]));
        add(Text(TextId::BandFrequency), BandText(a), BandText(b));
        add(Text(TextId::PowerLevel), std::to_string(was.power), std::to_string(is.power));
        const auto manual = [](int index) { return Text(index == 0 ? TextId::Enable : TextId::Disable); };
        add(Text(TextId::Manual), manual(was.manual), manual(is.manual));
        m_settingsShown = m_settingsShown || m_lines.size() > first;
    }

    // A channel row the grid has not got counts as empty.
    ChannelCells cells(AppState& state, int column)
    {
        return column < state.channelCount ? NormalizeAndDescribeChannel(state, column) : ChannelCells{};
    }

    void compareChannel(int column)
    {
        const ChannelCells was = cells(m_before, column), is = cells(m_after, column);
        const std::string channel = Text(TextId::Ch) + " " + std::to_string(column + 1);
        const std::size_t first = m_lines.size();
        if (was.present != is.present) {
            const auto row = [](const ChannelCells& c) {
                if (!c.present) return std::string();
                std::string text;
                for (const std::string& cell : c.text) text += (text.empty() ? "" : ", ") + OrEmpty(cell);
                return text;
            };
            add(channel, row(was), row(is));
        } else if (was.present) {
            for (int i = 0; i < kChannelCells; ++i)
                add(channel + " " + Text(kGridHeaderIds[i + 1]), was.text[i], is.text[i]);
        }
        m_channelShown[column] = m_lines.size() > first;
        m_channelWhole[column] = was.present != is.present;
    }

    void compareFeatures()
    {
        const OptionalFeatures a = ReadOptionalFeatures(m_before.memoryImage);
        const OptionalFeatures b = ReadOptionalFeatures(m_after.memoryImage);
        const std::size_t first = m_lines.size();
        for (const Feature feature : kFeatures) {
            // The PTT ID check boxes' captions are only "BOT" and "EOT".
            const bool pttId = feature == Feature::PttIdBot || feature == Feature::PttIdEot;
            add((pttId ? Text(TextId::PttId) + " " : std::string()) + FeatureLabel(feature),
                FeatureValueText(a, feature), FeatureValueText(b, feature));
        }
        m_settingsShown = m_settingsShown || m_lines.size() > first;
    }

    // A byte is reported by address unless the lines above account for all of
    // its change: its channel came or went, or only shown bits differ and its
    // channel or settings got a line.
    void compareUnshownBytes(int channelsShown)
    {
        for (int address = 0; address < MemoryImage::kSize; ++address) {
            const int row = address % MemoryImage::kRows, column = address / MemoryImage::kRows;
            const std::uint8_t was = m_before.memoryImage.at(row, column),
                               is = m_after.memoryImage.at(row, column);
            if (was == is || (column < layout::kMaxChannels && m_channelWhole[column])) continue;
            const bool ownerShown = column < layout::kMaxChannels ? m_channelShown[column] : m_settingsShown;
            if (ownerShown && ((was ^ is) & ~ShownBits(row, column, channelsShown)) == 0) continue;
            m_lines.push_back(Text(TextId::Address) + " " + AddressText(address) + ": " + Hex(was, 2) +
                              " -> " + Hex(is, 2));
        }
    }

    AppState m_before, m_after;
    std::vector<std::string> m_lines;
    std::array<bool, layout::kMaxChannels> m_channelShown{};
    std::array<bool, layout::kMaxChannels> m_channelWhole{};  // a channel came or went: all its bytes told
    bool m_settingsShown = false;
};

}  // namespace

std::vector<std::string> DescribeDifferences(const MemoryImage& before, const MemoryImage& after)
{
    return Comparison(before, after).lines();
}

std::optional<int> FirstRadioDifference(const MemoryImage& sent, const MemoryImage& stored)
{
    for (int address = 0; address < layout::kRadioBytes; ++address)
        if (sent.atAddress(address) != stored.atAddress(address)) return address;
    return std::nullopt;
}

std::string VerificationText(const MemoryImage& sent, const MemoryImage& stored)
{
    const std::optional<int> address = FirstRadioDifference(sent, stored);
    if (!address) return Text(TextId::WrittenAndVerified);
    return Substitute(Text(TextId::VerificationFailed),
                      {AddressOwnerText(*address), AddressText(*address), Hex(sent.atAddress(*address), 2),
                       Hex(stored.atAddress(*address), 2)});
}

std::string AddressOwnerText(int address)
{
    const int column = address / MemoryImage::kRows;
    if (column < layout::kMaxChannels) return Text(TextId::Ch) + " " + std::to_string(column + 1);
    return Text(TextId::Column) + " " + std::to_string(column);
}

std::string AddressText(int address) { return "0x" + Hex(static_cast<unsigned>(address), 3); }
