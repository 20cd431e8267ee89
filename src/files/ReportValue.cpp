#include "ReportValue.h"

#include <cstdint>
#include <cstdio>

namespace {

constexpr int kMaxShownCharacters = 40;
constexpr std::string_view kEllipsis = "\xE2\x80\xA6";

// Length of the UTF-8 sequence at the start of `text` and its code point; 0 when invalid.
int DecodeOne(std::string_view text, std::uint32_t& codePoint)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    const int length = lead < 0x80           ? 1
                       : (lead >> 5) == 0x6  ? 2
                       : (lead >> 4) == 0xE  ? 3
                       : (lead >> 3) == 0x1E ? 4
                                             : 0;
    if (length == 0 || static_cast<std::size_t>(length) > text.size()) return 0;
    codePoint = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[k]);
        if ((next & 0xC0) != 0x80) return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    return length;
}

bool IsBidiControl(std::uint32_t c) { return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069); }

std::string Escaped(const char* format, std::uint32_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, format, static_cast<unsigned>(value));
    return text;
}

}  // namespace

std::string ReportValue(std::string_view text)
{
    std::string shown;
    int characters = 0;
    for (std::size_t i = 0; i < text.size(); ++characters) {
        if (characters == kMaxShownCharacters) return shown += kEllipsis;
        std::uint32_t codePoint = 0;
        const int length = DecodeOne(text.substr(i), codePoint);
        if (length == 0) {
            shown += Escaped("\\x%02X", static_cast<unsigned char>(text[i++]));
            continue;
        }
        if (codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F))
            shown += Escaped("\\x%02X", codePoint);
        else if (IsBidiControl(codePoint))
            shown += Escaped("\\u%04X", codePoint);
        else
            shown.append(text.substr(i, length));
        i += length;
    }
    return shown;
}
