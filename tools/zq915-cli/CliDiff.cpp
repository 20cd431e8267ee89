#include "CliDiff.h"

#include <iostream>

#include "core/DocumentDiff.h"

bool PrintDifferences(const MemoryImage& before, const MemoryImage& after)
{
    const std::vector<std::string> lines = DescribeDifferences(before, after);
    for (const std::string& line : lines) std::cout << line << '\n';
    return !lines.empty();
}

int RunDiff(const CliArgs& args)
{
    const ParsedArgs parsed = ParseCliArgs(args, {});
    if (!parsed.error.empty()) return CliFail(parsed.error), kCliTrouble;
    if (parsed.positional.size() != 2) return CliFail("diff needs two data files"), kCliTrouble;
    const std::optional<MemoryImage> before = LoadDataFile(parsed.positional[0]);
    if (!before) return kCliTrouble;
    const std::optional<MemoryImage> after = LoadDataFile(parsed.positional[1]);
    if (!after) return kCliTrouble;
    return PrintDifferences(*before, *after) ? kCliFailed : kCliOk;
}
