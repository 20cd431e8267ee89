#pragma once

#include <string>
#include <string_view>

// The remembered values ("LastModel", "LastFreq", "language",
// "VerifyAfterWrite") as text.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Empty text on any failure or when the value does not exist.
    [[nodiscard]] virtual std::string readString(std::string_view name) = 0;
    // An empty text is written as a single blank. False on failure.
    virtual bool writeString(std::string_view name, std::string_view text) = 0;
};
