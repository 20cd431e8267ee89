#include "OptionalFeatures.h"

#include <iterator>

#include "Layout.h"
#include "strings/Strings.h"

namespace {

constexpr int kChordChinese = 0;
constexpr int kChordEnglish = 1;
constexpr int kChordOff = 2;

constexpr int kVoxDelayCount = 6;
constexpr int kLevelCount = 10;  // time-out timer, squelch and VOX gain: 0..9

int IndexOrZero(std::uint8_t stored, int count) { return stored < count ? stored : 0; }

std::uint8_t StoredIndex(int index, int count)
{
    return static_cast<std::uint8_t>(index >= 0 && index < count ? index : 0);
}

bool IsAniChar(std::uint8_t ch) { return ch >= '0' && ch <= '9'; }
bool IsNameChar(std::uint8_t ch) { return (ch >= '1' && ch <= '9') || (ch >= 'A' && ch <= 'Z'); }

// Characters from row 0 down the column until the first one outside the set.
std::string ReadMarkedText(const MemoryImage& image, int column, int length, bool (*valid)(std::uint8_t))
{
    std::string text;
    for (int row = 0; row < length; ++row) {
        const std::uint8_t ch = image.at(row, column);
        if (!valid(ch)) break;
        text.push_back(static_cast<char>(ch));
    }
    return text;
}

// Each of the first `length` characters where the set allows it, 0xFF elsewhere.
void WriteMarkedText(MemoryImage& image, int column, int length, const std::string& text,
                     bool (*valid)(std::uint8_t))
{
    for (int row = 0; row < length; ++row) {
        const auto ch = static_cast<std::uint8_t>(row < static_cast<int>(text.size()) ? text[row] : 0);
        image.set(row, column, row < static_cast<int>(text.size()) && valid(ch) ? ch : layout::kEmpty);
    }
}

std::vector<std::string> Numbers(int first, int last, int step)
{
    std::vector<std::string> texts;
    for (int i = first; i <= last; ++i) texts.push_back(std::to_string(i * step));
    return texts;
}

}  // namespace

OptionalFeatures ReadOptionalFeatures(const MemoryImage& image)
{
    using namespace layout;
    const auto byte = [&](int row) { return image.at(row, kSettingsColumn); };
    const auto flag = [&](int row, std::uint8_t mask) { return image.bit(row, kSettingsColumn, mask); };
    OptionalFeatures features;
    features.timeOutTimer = IndexOrZero(byte(kTimeOutTimerRow), kLevelCount);
    features.squelchLevel = IndexOrZero(byte(kSquelchRow), kLevelCount);
    features.voxGain = IndexOrZero(byte(kVoxGainRow), kLevelCount);
    features.voxDelay = IndexOrZero(byte(kVoxDelayRow), kVoxDelayCount);
    if (!flag(kGeneralFlagsRow, kChordLanguageOn)) {
        features.chordLanguage = kChordOff;
    } else {
        features.chordLanguage =
            flag(kGeneralFlagsRow, kChordLanguageChinese) ? kChordChinese : kChordEnglish;
    }
    features.beepTone = flag(kGeneralFlagsRow, kBeepTone);
    features.batterySave = flag(kGeneralFlagsRow, kBatterySave);
    features.scrambler = flag(kGeneralFlagsRow, kScrambler);
    features.ani = ReadMarkedText(image, kAniColumn, kAniLength, IsAniChar);
    features.name = ReadMarkedText(image, kNameColumn, kNameLength, IsNameChar);
    features.pttIdBot = flag(kPttIdEdgeRow, kPttIdBot);
    features.pttIdEot = flag(kPttIdEdgeRow, kPttIdEot);
    return features;
}

void WriteOptionalFeatures(MemoryImage& image, const OptionalFeatures& features)
{
    using namespace layout;
    const auto setFlag = [&](int row, std::uint8_t mask, bool on) {
        image.setBit(row, kSettingsColumn, mask, on);
    };
    image.set(kTimeOutTimerRow, kSettingsColumn, StoredIndex(features.timeOutTimer, kLevelCount));
    image.set(kSquelchRow, kSettingsColumn, StoredIndex(features.squelchLevel, kLevelCount));
    setFlag(kGeneralFlagsRow, kChordLanguageChinese, features.chordLanguage == kChordChinese);
    setFlag(kGeneralFlagsRow, kChordLanguageOn,
            features.chordLanguage == kChordChinese || features.chordLanguage == kChordEnglish);
    setFlag(kGeneralFlagsRow, kBeepTone, features.beepTone);
    setFlag(kGeneralFlagsRow, kBatterySave, features.batterySave);
    setFlag(kGeneralFlagsRow, kScrambler, features.scrambler);
    image.set(kVoxGainRow, kSettingsColumn, StoredIndex(features.voxGain, kLevelCount));
    image.set(kVoxDelayRow, kSettingsColumn, StoredIndex(features.voxDelay, kVoxDelayCount));
    WriteMarkedText(image, kAniColumn, kAniLength, features.ani, IsAniChar);
    WriteMarkedText(image, kNameColumn, kNameLength, features.name, IsNameChar);
    setFlag(kPttIdEdgeRow, kPttIdBot, features.pttIdBot);
    setFlag(kPttIdEdgeRow, kPttIdEot, features.pttIdEot);
}

std::vector<std::string> TimeOutTimerChoices()
{
    std::vector<std::string> texts{Text(TextId::Off)};
    for (const std::string& seconds : Numbers(1, 9, 30)) texts.push_back(seconds);
    return texts;
}

std::vector<std::string> SquelchLevelChoices() { return Numbers(0, 9, 1); }

std::vector<std::string> ChordLanguageChoices()
{
    return {Text(TextId::Chinese), Text(TextId::English), Text(TextId::Off)};
}

std::vector<std::string> VoxGainChoices()
{
    std::vector<std::string> texts{Text(TextId::Off)};
    for (const std::string& level : Numbers(1, 9, 1)) texts.push_back(level);
    return texts;
}

std::vector<std::string> VoxDelayChoices() { return {"0.3", "0.5", "1.0", "1.5", "2.0", "3.0"}; }

namespace {

// One row per Feature, in its order: the label and the one member it shows.
struct FeatureRow {
    int labelId;
    std::vector<std::string> (*choices)();
    int OptionalFeatures::*index;
    bool OptionalFeatures::*flag;
    std::string OptionalFeatures::*text;
};

const FeatureRow kFeatureRows[] = {
    {TextId::TimeOutTimer, TimeOutTimerChoices, &OptionalFeatures::timeOutTimer, nullptr, nullptr},
    {TextId::SquelchLevel, SquelchLevelChoices, &OptionalFeatures::squelchLevel, nullptr, nullptr},
    {TextId::ChordLanguage, ChordLanguageChoices, &OptionalFeatures::chordLanguage, nullptr, nullptr},
    {TextId::BeepTone, nullptr, nullptr, &OptionalFeatures::beepTone, nullptr},
    {TextId::BatterySave, nullptr, nullptr, &OptionalFeatures::batterySave, nullptr},
    {TextId::Scrambler, nullptr, nullptr, &OptionalFeatures::scrambler, nullptr},
    {TextId::VoxGainLevel, VoxGainChoices, &OptionalFeatures::voxGain, nullptr, nullptr},
    {TextId::VoxDelayTime, VoxDelayChoices, &OptionalFeatures::voxDelay, nullptr, nullptr},
    {TextId::Ani, nullptr, nullptr, nullptr, &OptionalFeatures::ani},
    {TextId::Name, nullptr, nullptr, nullptr, &OptionalFeatures::name},
    {TextId::Bot, nullptr, nullptr, &OptionalFeatures::pttIdBot, nullptr},
    {TextId::Eot, nullptr, nullptr, &OptionalFeatures::pttIdEot, nullptr},
};
static_assert(std::size(kFeatureRows) == std::size(kFeatures));

const FeatureRow& RowOf(Feature feature) { return kFeatureRows[static_cast<std::size_t>(feature)]; }

}  // namespace

std::string FeatureLabel(Feature feature) { return Text(RowOf(feature).labelId); }

std::vector<std::string> FeatureChoices(Feature feature)
{
    const FeatureRow& row = RowOf(feature);
    return row.choices ? row.choices() : std::vector<std::string>{};
}

std::string FeatureValueText(const OptionalFeatures& features, Feature feature)
{
    const FeatureRow& row = RowOf(feature);
    if (row.flag) return Text(features.*row.flag ? TextId::Enable : TextId::Disable);
    if (row.text) return features.*row.text;
    const std::vector<std::string> choices = row.choices();
    const int index = features.*row.index;
    return index >= 0 && index < static_cast<int>(choices.size()) ? choices[std::size_t(index)]
                                                                  : std::string();
}
