#include "FreqCodec.h"

#include <cctype>
#include <cstdio>
#include <optional>

namespace {

constexpr std::int64_t kUnitsPerMHz = 100000;  // 10 Hz units
constexpr std::int64_t kRaster5kHz = 500;
constexpr std::int64_t kRaster6k25Hz = 625;
constexpr std::int64_t kUpperMargin = 500;  // a value at or above the top becomes top - 5 kHz

bool IsDigit(char ch) { return std::isdigit(static_cast<unsigned char>(ch)) != 0; }

std::string UnitsToText(std::int64_t units)
{
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%05lld", static_cast<long long>(units / kUnitsPerMHz),
                  static_cast<long long>(units % kUnitsPerMHz));
    return text;
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

// A typed value held exactly as decimal digits, so rounding to 10 Hz is exact.
struct TypedValue {
    std::string_view whole;     // leading zeros stripped
    std::string_view fraction;  // digits after the point
};

std::string_view StripLeadingZeros(std::string_view digits)
{
    while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);
    return digits;
}

// Texts with a point: the leading numeric part, anything after it ignored
// (no leading number reads as 0). Texts without one must be a number as a whole.
std::optional<TypedValue> ParseTyped(std::string_view typed)
{
    std::string_view text = TrimBlanks(typed);
    if (text.find('.') == std::string_view::npos) {
        for (char ch : text) {
            if (!IsDigit(ch)) return std::nullopt;
        }
        return TypedValue{StripLeadingZeros(text), {}};
    }
    std::size_t end = 0;
    while (end < text.size() && IsDigit(text[end])) ++end;
    TypedValue value{StripLeadingZeros(text.substr(0, end)), {}};
    if (end < text.size() && text[end] == '.') {
        std::size_t fractionEnd = end + 1;
        while (fractionEnd < text.size() && IsDigit(text[fractionEnd])) ++fractionEnd;
        value.fraction = text.substr(end + 1, fractionEnd - end - 1);
    }
    return value;
}

// Whole MHz part compared with a limit (limits are small positive numbers).
int CompareWhole(std::string_view whole, std::int64_t limit)
{
    if (whole.size() > 6) return 1;
    std::int64_t value = 0;
    for (char ch : whole) value = value * 10 + (ch - '0');
    return value < limit ? -1 : (value > limit ? 1 : 0);
}

// The value in 10 Hz units, rounded to the nearest unit, exact halves to even.
std::int64_t ToUnits(const TypedValue& value)
{
    std::int64_t units = 0;
    for (char ch : value.whole) units = units * 10 + (ch - '0');
    for (std::size_t i = 0; i < 5; ++i)
        units = units * 10 + (i < value.fraction.size() ? value.fraction[i] - '0' : 0);
    if (value.fraction.size() <= 5) return units;
    const std::string_view rest = value.fraction.substr(5);
    const char first = rest.front();
    const bool moreAfterFirst = rest.substr(1).find_first_not_of('0') != std::string_view::npos;
    if (first > '5' || (first == '5' && moreAfterFirst) || (first == '5' && units % 2 != 0)) ++units;
    return units;
}

std::int64_t SnapToRaster(std::int64_t t)
{
    const std::int64_t h = (t + kRaster5kHz / 2) / kRaster5kHz * kRaster5kHz;  // halves up
    // 625 is odd, so t / 625 is never exactly half-way between two integers.
    const std::int64_t q = (2 * t + kRaster6k25Hz) / (2 * kRaster6k25Hz) * kRaster6k25Hz;
    if (t == h) return h;
    if (t == q) return q;
    const std::int64_t dh = t > h ? t - h : h - t;
    const std::int64_t dq = t > q ? t - q : q - t;
    return dh < dq ? h : q;
}

}  // namespace

std::int64_t FreqTo10Hz(const MemoryImage& image, int column, int baseRow)
{
    std::int64_t value = 0;
    for (int row = baseRow + 3; row >= baseRow; --row) {
        const std::uint8_t byte = image.at(row, column);
        for (const int nibble : {byte >> 4, byte & 0x0F}) {
            if (nibble > 9) return value;
            value = value * 10 + nibble;
        }
    }
    return value;
}

std::string FreqToText(const MemoryImage& image, int column, int baseRow)
{
    return UnitsToText(FreqTo10Hz(image, column, baseRow));
}

NormalizedFreq NormalizeFreq(std::string_view typed, std::int16_t lowerMHz, std::int16_t upperMHz)
{
    const std::optional<TypedValue> value = ParseTyped(typed);
    if (!value) return {UnitsToText(lowerMHz * kUnitsPerMHz), false};
    // Limits are whole MHz, so the whole part alone decides the range check.
    if (CompareWhole(value->whole, upperMHz) >= 0) {
        return {UnitsToText(upperMHz * kUnitsPerMHz - kUpperMargin), true};
    }
    if (CompareWhole(value->whole, lowerMHz) < 0) return {UnitsToText(lowerMHz * kUnitsPerMHz), true};
    return {UnitsToText(SnapToRaster(ToUnits(*value))), false};
}

std::string OutOfRangeDetail(std::int16_t lowerMHz, std::int16_t upperMHz, std::string_view stored)
{
    return std::to_string(lowerMHz) + " - " + std::to_string(upperMHz) + " MHz: " + std::string(stored);
}

void StoreFreq(MemoryImage& image, int column, int baseRow, std::string_view text)
{
    std::string padded(text);
    while (padded.size() < 9) padded.insert(padded.begin(), '0');
    auto digit = [&](std::size_t position) {  // 1-based; a non-digit counts 0
        const char ch = padded[position - 1];
        return IsDigit(ch) ? ch - '0' : 0;
    };
    constexpr std::size_t kPositions[8] = {1, 2, 3, 5, 6, 7, 8, 9};
    for (int i = 0; i < 4; ++i) {
        const int high = digit(kPositions[2 * i]);
        const int low = digit(kPositions[2 * i + 1]);
        image.set(baseRow + 3 - i, column, static_cast<std::uint8_t>(high * 16 + low));
    }
}
