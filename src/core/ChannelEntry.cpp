#include "ChannelEntry.h"

#include "ChannelEdit.h"
#include "FreqCodec.h"
#include "Layout.h"
#include "OptionColumns.h"
#include "TextMatch.h"
#include "ToneCodec.h"
#include "strings/Strings.h"

namespace {

struct TypedFreq {
    bool number = false;
    bool inBand = false;
    std::string text;  // normalised
};

// A plain decimal number, then what the frequency editor would make of it.
TypedFreq NormalizeTyped(std::string_view typed, const AppState& state)
{
    const std::string_view text = TrimBlanks(typed);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
    const auto digits = [](std::string_view part) {
        return part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    TypedFreq result;
    result.number = !(whole.empty() && fraction.empty()) && digits(whole) && digits(fraction);
    if (!result.number) return result;
    const NormalizedFreq normal = NormalizeFreq(text, state.bandLowerMHz, state.bandUpperMHz);
    result.inBand = !normal.outOfRange;
    result.text = normal.text;
    // The editor replaces the top of the band by top - 5 kHz, yet a channel
    // there is shown (and exported); it must come back as it was.
    const bool wholeTop = whole == std::to_string(state.bandUpperMHz) &&
                          fraction.find_first_not_of('0') == std::string_view::npos;
    if (wholeTop) {
        result.inBand = true;
        result.text = std::to_string(state.bandUpperMHz) + ".00000";
    }
    return result;
}

// The list entry `typed` names, or empty when it names none.
std::string ToneEntry(std::string_view typed, std::int16_t toneListLast)
{
    if (TrimBlanks(typed).empty() || MatchesTextId(typed, TextId::NoneChoice))
        return Text(TextId::NoneChoice);
    const std::vector<std::string> list = ToneList(toneListLast);
    for (std::size_t i = 1; i < list.size(); ++i)
        if (SameWord(typed, list[i])) return list[i];
    return {};
}

}  // namespace

TypingFault TypeChannel(AppState& state, int column, const TypedChannel& typed)
{
    const TypedFreq rx = NormalizeTyped(typed.rxFreq, state);
    if (!rx.number) return TypingFault::kRxNotFrequency;
    if (!rx.inBand) return TypingFault::kRxOutOfBand;
    const bool hasTx = !TrimBlanks(typed.txFreq).empty();
    const TypedFreq tx = hasTx ? NormalizeTyped(typed.txFreq, state) : TypedFreq{};
    if (hasTx && !tx.number) return TypingFault::kTxNotFrequency;
    if (hasTx && !tx.inBand) return TypingFault::kTxOutOfBand;
    const std::string decode = ToneEntry(typed.decode, state.toneListLast);
    if (decode.empty()) return TypingFault::kUnknownDecode;
    const std::string encode = ToneEntry(typed.encode, state.toneListLast);
    if (encode.empty()) return TypingFault::kUnknownEncode;
    const bool encodeNone = encode == Text(TextId::NoneChoice);
    if (!hasTx && !encodeNone) return TypingFault::kEncodeWithoutTx;

    MemoryImage& image = state.memoryImage;
    StartChannel(image, column, rx.text);
    if (decode != Text(TextId::NoneChoice)) StoreTone(image, column, decode, layout::kDecodeToneOffset);
    if (hasTx) StoreTxFrequency(image, column, tx.text);
    if (!encodeNone) StoreTone(image, column, encode, layout::kEncodeToneOffset);
    for (int i = 0; i < static_cast<int>(typed.options.size()); ++i)
        if (typed.options[i]) WriteOptionEntry(image, column, kFirstOptionColumn + i, *typed.options[i]);
    return TypingFault::kNone;
}
