#pragma once

#include <QString>

#include "strings/Strings.h"

// Text(id) of the string table in the current language, as a QString.
[[nodiscard]] inline QString QText(int id) { return QString::fromStdString(Text(id)); }

// kProductTitle as a QString.
[[nodiscard]] inline QString ProductTitle()
{
    return QString::fromUtf8(kProductTitle.data(), qsizetype(kProductTitle.size()));
}
