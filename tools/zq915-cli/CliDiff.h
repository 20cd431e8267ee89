#pragma once

#include "CliCommon.h"

// diff A.dat B.dat: what differs, one line each; exit 0 same, 1 different, 2 trouble.
int RunDiff(const CliArgs& args);

// Prints on standard output what changes from `before` to `after`; true if anything does.
bool PrintDifferences(const MemoryImage& before, const MemoryImage& after);
