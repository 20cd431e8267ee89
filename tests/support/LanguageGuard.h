#pragma once

#include <cstdint>

#include "strings/Strings.h"

// Switches the program's language for one scope and back to English after it,
// so a failing check cannot leave the next test in another language.
class LanguageGuard {
public:
    explicit LanguageGuard(std::uint8_t index) { SetLanguageIndex(index); }
    ~LanguageGuard() { SetLanguageIndex(0); }
    LanguageGuard(const LanguageGuard&) = delete;
    LanguageGuard& operator=(const LanguageGuard&) = delete;
};
