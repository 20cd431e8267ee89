#include "ChannelCopy.h"

#include <charconv>

#include "Layout.h"

std::optional<int> ParseChannelNumber(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.front() == '-') return std::nullopt;
    return value;
}

bool CopyChannel(MemoryImage& image, int channelCount, int source, int destination)
{
    const auto valid = [channelCount](int channel) { return channel >= 1 && channel <= channelCount; };
    if (!valid(source) || !valid(destination)) return false;
    for (int row = 0; row < layout::kChannelBytes; ++row)
        image.set(row, destination - 1, image.at(row, source - 1));
    return true;
}
