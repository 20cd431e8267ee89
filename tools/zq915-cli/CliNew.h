#pragma once

#include "CliCommon.h"

// new [--band CODE] [--model CODE] FILE.dat: writes a new document.
int RunNew(const CliArgs& args);
