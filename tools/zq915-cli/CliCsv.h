#pragma once

#include "CliCommon.h"

// export FILE.dat OUT.csv: the channel list as CSV ("-" for standard output).
int RunExport(const CliArgs& args);
// import IN.csv FILE.dat [--band CODE] [--model CODE] [--strict]: replaces the
// channel list of FILE.dat (made new when missing) by the rows of IN.csv.
int RunImport(const CliArgs& args);
