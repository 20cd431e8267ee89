#pragma once

#include <string_view>

// Comparing texts a person typed (or a spreadsheet wrote) with the program's own.

// `text` without surrounding blanks (spaces, tabs).
[[nodiscard]] std::string_view TrimBlanks(std::string_view text);

// Equal after trimming both, ASCII letters compared without regard to case.
[[nodiscard]] bool SameWord(std::string_view a, std::string_view b);

// True when `text` is the English or the Chinese form of text id `id` (SameWord).
[[nodiscard]] bool MatchesTextId(std::string_view text, int id);
