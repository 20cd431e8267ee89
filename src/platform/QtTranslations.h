#pragma once

#include <cstdint>

// Qt's own texts (standard buttons, file, print and page set-up dialogs) in
// the program's language: Qt's Simplified Chinese catalogue for 1, none (Qt's
// built-in English) for 0. Needs a QCoreApplication. A missing catalogue
// leaves Qt's English texts.
void ApplyQtTranslations(std::uint8_t languageIndex);
