#pragma once

#include <QString>

#include "strings/Strings.h"

// Text(id) of the string table in the current language, as a QString.
[[nodiscard]] inline QString QText(int id) { return QString::fromStdString(Text(id)); }

// The product tag that titles questions, notices and most error boxes.
[[nodiscard]] inline QString ProductTitle() { return QStringLiteral("ZQ-915"); }
