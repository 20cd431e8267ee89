#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The program's numbered texts in two languages. Ids are the English numbers
// (1000..1655 plus a few of our own); the Chinese text of id n is number n + 1000.
// Texts are UTF-8.

// 0 = English, 1 = Chinese. Process-wide; 0 at every start.
[[nodiscard]] std::uint8_t LanguageIndex();
void SetLanguageIndex(std::uint8_t index);

// The text of English id `id` in the current language; empty for an unknown id.
[[nodiscard]] std::string Text(int id);

// The text of table number `number` (English 1xxx or Chinese 2xxx); empty if absent.
[[nodiscard]] std::string TextByNumber(int number);

// Every English id in the table, ascending.
[[nodiscard]] const std::vector<int>& TextIds();
