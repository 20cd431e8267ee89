#pragma once

#include "CliCommon.h"

// read PORT FILE.dat [--ident FROM.dat]: reads a radio into a new data file.
int RunRead(const CliArgs& args);
// write [--parallel] [--verify] PORT [PORT...] FILE.dat: writes a data file to
// one radio after another, or to all at once, optionally reading each back.
int RunWrite(const CliArgs& args);
