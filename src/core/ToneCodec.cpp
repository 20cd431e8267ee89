#include "ToneCodec.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

#include "Layout.h"
#include "strings/Strings.h"

namespace {

// CTCSS tones in tenths of a hertz, ascending.
constexpr std::array<int, 50> kTones{
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000, 1035, 1072, 1109, 1148,
    1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567, 1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799,
    1835, 1862, 1899, 1928, 1966, 1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541};

// The tones the 446 MHz band does not offer.
constexpr std::array<int, 12> kNotInReducedList{693,  1598, 1655, 1713, 1773, 1835,
                                                1899, 1966, 1995, 2065, 2291, 2541};

// DCS codes as their three octal digits, ascending.
constexpr std::array<int, 105> kDcsCodes{
    023,  025,  026,  031,  032,  036,  043,  047,  051,  053,  054,  065,  071,  072,  073,
    074,  0114, 0115, 0116, 0122, 0125, 0131, 0132, 0134, 0143, 0145, 0152, 0155, 0156, 0162,
    0165, 0172, 0174, 0205, 0212, 0223, 0225, 0226, 0243, 0244, 0245, 0246, 0251, 0252, 0255,
    0261, 0263, 0265, 0266, 0271, 0274, 0306, 0311, 0315, 0325, 0331, 0332, 0343, 0346, 0351,
    0356, 0364, 0365, 0371, 0411, 0412, 0413, 0423, 0431, 0432, 0445, 0446, 0452, 0454, 0455,
    0462, 0464, 0465, 0466, 0503, 0506, 0516, 0523, 0526, 0532, 0546, 0565, 0606, 0612, 0624,
    0627, 0631, 0632, 0645, 0654, 0662, 0664, 0703, 0712, 0723, 0731, 0732, 0734, 0743, 0754};

std::string ToneText(int tenths)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d.%d", tenths / 10, tenths % 10);
    return text;
}

std::string DcsText(int code, char polarity)
{
    char text[8];
    std::snprintf(text, sizeof text, "D%03o%c", static_cast<unsigned>(code), polarity);
    return text;
}

// Entries 1.. of each list; entry 0 follows the language and is added on use.
const std::vector<std::string>& FullListTail()
{
    static const std::vector<std::string> tail = [] {
        std::vector<std::string> texts;
        for (int tone : kTones) texts.push_back(ToneText(tone));
        for (char polarity : {'N', 'I'}) {
            for (int code : kDcsCodes) texts.push_back(DcsText(code, polarity));
        }
        return texts;
    }();
    return tail;
}

const std::vector<std::string>& ReducedListTail()
{
    static const std::vector<std::string> tail = [] {
        std::vector<std::string> texts;
        for (int tone : kTones) {
            if (std::find(kNotInReducedList.begin(), kNotInReducedList.end(), tone) ==
                kNotInReducedList.end()) {
                texts.push_back(ToneText(tone));
            }
        }
        return texts;
    }();
    return tail;
}

std::vector<std::string> WithNone(const std::vector<std::string>& tail)
{
    std::vector<std::string> list;
    list.reserve(tail.size() + 1);
    list.push_back(Text(TextId::NoneChoice));
    list.insert(list.end(), tail.begin(), tail.end());
    return list;
}

char NibbleChar(int nibble) { return static_cast<char>(0x30 + nibble); }

// What the stored pair names before it is checked against the list; empty for none.
std::string Candidate(std::uint8_t low, std::uint8_t high)
{
    if (high == 0xFF || (low == 0 && high == 0)) return {};
    switch (high >> 6) {
        case 0: {
            int tenths = 0;
            for (const int nibble : {high >> 4, high & 0x0F, low >> 4, low & 0x0F}) {
                if (nibble > 9) break;
                tenths = tenths * 10 + nibble;
            }
            return ToneText(tenths);
        }
        case 2:
        case 3:
            return std::string{'D', NibbleChar(high & 0x0F), NibbleChar(low >> 4), NibbleChar(low & 0x0F),
                               (high >> 6) == 2 ? 'N' : 'I'};
        default:
            return {};
    }
}

// The single-character value of text[index] (0-based); a non-digit or a
// missing character counts 0.
int CharValue(std::string_view text, std::size_t index)
{
    if (index >= text.size()) return 0;
    const char ch = text[index];
    return std::isdigit(static_cast<unsigned char>(ch)) ? ch - '0' : 0;
}

struct TonePair {
    std::uint8_t low;
    std::uint8_t high;
};

TonePair EncodeTone(std::string_view text)
{
    if (text.empty() || text.front() == 'N' || text == "无") return {0xFF, 0xFF};
    if (text.front() == 'D') {
        return {static_cast<std::uint8_t>(CharValue(text, 2) * 16 + CharValue(text, 3)),
                static_cast<std::uint8_t>((text.back() == 'N' ? 0x80 : 0xC0) + CharValue(text, 1))};
    }
    std::string tone(text);  // "67.0" -> "067.0": three digits, point, one digit
    if (tone.size() == 4) tone.insert(tone.begin(), '0');
    return {static_cast<std::uint8_t>(CharValue(tone, 2) * 16 + CharValue(tone, 4)),
            static_cast<std::uint8_t>(CharValue(tone, 0) * 16 + CharValue(tone, 1))};
}

}  // namespace

std::vector<std::string> FullToneList() { return WithNone(FullListTail()); }

std::vector<std::string> ReducedToneList() { return WithNone(ReducedListTail()); }

std::vector<std::string> ToneList(std::int16_t toneListLast)
{
    return toneListLast == kReducedToneListLast ? ReducedToneList() : FullToneList();
}

std::string ToneToText(std::uint8_t low, std::uint8_t high, std::int16_t toneListLast)
{
    const std::string candidate = Candidate(low, high);
    const std::vector<std::string>& tail =
        toneListLast == kReducedToneListLast ? ReducedListTail() : FullListTail();
    if (!candidate.empty() && std::find(tail.begin(), tail.end(), candidate) != tail.end()) return candidate;
    return Text(TextId::NoneChoice);
}

std::string ChannelToneText(const MemoryImage& image, int column, int rowOffset, std::int16_t toneListLast)
{
    const int lowRow = layout::kDecodeLowRow + rowOffset;
    return ToneToText(image.at(lowRow, column), image.at(lowRow + 1, column), toneListLast);
}

void StoreTone(MemoryImage& image, int column, std::string_view text, int rowOffset)
{
    const int lowRow = layout::kDecodeLowRow + rowOffset;
    const TonePair pair = EncodeTone(text);
    image.set(lowRow, column, pair.low);
    image.set(lowRow + 1, column, pair.high);
}
