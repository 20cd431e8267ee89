#pragma once

#include "RadioModel.h"

// The built-in demo radio's memory when the program starts: a 136 - 174 MHz
// radio holding a few dozen everyday channels (simplex and repeater pairs,
// CTCSS and DCS, receive-only weather channels, mixed options), a name and an
// ANI code. It identifies itself with eight FF bytes, as a new document expects.
[[nodiscard]] RadioModel::Memory DemoRadioMemory();
