#include "CsvNumbers.h"

#include <algorithm>

#include "core/TextMatch.h"

namespace {

constexpr std::int64_t kNanoPerMHz = 1'000'000'000;
constexpr std::int64_t kNanoPer10Hz = 10'000;
constexpr std::size_t kMaxWholeDigits = 6;  // beyond any band, and far from overflow
constexpr std::size_t kNanoDigits = 9;

bool AllDigits(std::string_view text)
{
    return text.find_first_not_of("0123456789") == std::string_view::npos;
}

struct Decimal {
    std::string_view whole;
    std::string_view fraction;
};

// Digits, optionally a point and more digits; at least one digit in all.
std::optional<Decimal> SplitDecimal(std::string_view text)
{
    const std::size_t point = text.find('.');
    const Decimal parts{text.substr(0, point),
                        point == std::string_view::npos ? std::string_view() : text.substr(point + 1)};
    if ((parts.whole.empty() && parts.fraction.empty()) || !AllDigits(parts.whole) ||
        !AllDigits(parts.fraction))
        return std::nullopt;
    return parts;
}

std::string_view WithoutTrailingZeros(std::string_view digits)
{
    while (!digits.empty() && digits.back() == '0') digits.remove_suffix(1);
    return digits;
}

}  // namespace

std::string DecimalPointText(std::string_view field, bool decimalComma)
{
    std::string text(TrimBlanks(field));
    if (decimalComma && text.find('.') == std::string::npos && std::count(text.begin(), text.end(), ',') == 1)
        std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

std::optional<std::int64_t> NanoMHz(std::string_view text)
{
    const std::optional<Decimal> parts = SplitDecimal(TrimBlanks(text));
    if (!parts || parts->whole.size() > kMaxWholeDigits) return std::nullopt;
    std::int64_t value = 0;
    for (char ch : parts->whole) value = value * 10 + (ch - '0');
    for (std::size_t i = 0; i < kNanoDigits; ++i)
        value = value * 10 + (i < parts->fraction.size() ? parts->fraction[i] - '0' : 0);
    return value;
}

std::string NanoMHzText(std::int64_t nanoMHz)
{
    std::int64_t units = nanoMHz / kNanoPer10Hz;
    const std::int64_t rest = nanoMHz % kNanoPer10Hz;
    if (rest * 2 > kNanoPer10Hz || (rest * 2 == kNanoPer10Hz && units % 2 == 1)) ++units;
    std::string fraction = std::to_string(units % 100000);
    fraction.insert(0, 5 - fraction.size(), '0');
    return std::to_string(units / 100000) + "." + fraction;
}

std::string ToneListForm(std::string_view text)
{
    const std::optional<Decimal> parts = SplitDecimal(TrimBlanks(text));
    if (!parts) return std::string(text);
    const std::string_view tenths = WithoutTrailingZeros(parts->fraction);
    if (tenths.size() > 1) return std::string(text);
    std::string_view whole = parts->whole;
    while (whole.size() > 1 && whole.front() == '0') whole.remove_prefix(1);
    return std::string(whole.empty() ? "0" : whole) + "." + std::string(tenths.empty() ? "0" : tenths);
}

std::optional<std::string> ExactFreqText(std::string_view text, std::int16_t lowerMHz, std::int16_t upperMHz)
{
    const std::optional<Decimal> parts = SplitDecimal(TrimBlanks(text));
    if (!parts || WithoutTrailingZeros(parts->fraction).size() > 5) return std::nullopt;
    const std::optional<std::int64_t> nano = NanoMHz(text);
    if (!nano || *nano < lowerMHz * kNanoPerMHz || *nano > upperMHz * kNanoPerMHz) return std::nullopt;
    return NanoMHzText(*nano);
}
