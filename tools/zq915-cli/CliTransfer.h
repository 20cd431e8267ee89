#pragma once

#include "CliCommon.h"

// read PORT FILE.dat [--ident FROM.dat]: reads a radio into a new data file.
int RunRead(const CliArgs& args);
// write PORT [PORT...] FILE.dat: writes a data file to one radio after another.
int RunWrite(const CliArgs& args);
