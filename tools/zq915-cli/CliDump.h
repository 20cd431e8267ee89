#pragma once

#include "CliCommon.h"

// dump FILE.dat: prints the document as the channel grid shows it.
int RunDump(const CliArgs& args);
