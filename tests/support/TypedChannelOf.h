#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "core/ChannelEntry.h"

// A channel to type, the options as a channel typed in by hand gets unless given.
inline TypedChannel Typed(std::string rx, std::string tx = "", std::string decode = "None",
                          std::string encode = "None", std::array<std::optional<int>, 6> options = {})
{
    return {std::move(rx), std::move(tx), std::move(decode), std::move(encode), options};
}
