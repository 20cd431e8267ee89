#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "TextId.h"

// The program's numbered texts in two languages. Ids are the English numbers
// (1000..1655 plus a few of our own); the Chinese text of id n is number n + 1000.
// Texts are UTF-8.

// The product tag that titles questions, notices and most error boxes.
inline constexpr std::string_view kProductTitle = "ZQ-915";

// 0 = English, 1 = Chinese. Process-wide; 0 at every start.
[[nodiscard]] std::uint8_t LanguageIndex();
void SetLanguageIndex(std::uint8_t index);

// Switches the language for one scope (texts that must not follow the
// interface, such as file contents) and restores the previous one after it.
class ScopedLanguage final {
public:
    explicit ScopedLanguage(std::uint8_t index) : m_previous(LanguageIndex()) { SetLanguageIndex(index); }
    ~ScopedLanguage() { SetLanguageIndex(m_previous); }
    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;

private:
    std::uint8_t m_previous;
};

// The text of English id `id` in the current language; empty for an unknown id.
[[nodiscard]] std::string Text(int id);

// Text(id) with %1, %2, ... replaced by args[0], args[1], ...
[[nodiscard]] std::string TextWith(int id, std::initializer_list<std::string_view> args);
// The text of English id `id` in language `language` (as LanguageIndex()).
[[nodiscard]] std::string TextIn(int id, std::uint8_t language);

// The text of table number `number` (English 1xxx or Chinese 2xxx); empty if absent.
[[nodiscard]] std::string TextByNumber(int number);

// Every English id in the table, ascending.
[[nodiscard]] const std::vector<int>& TextIds();
