#include "CliNew.h"

#include "CliCommon.h"

int RunNew(const CliArgs& args)
{
    const ParsedArgs parsed = ParseCliArgs(args, {"--band", "--model"});
    if (!parsed.error.empty()) return CliFail(parsed.error);
    if (parsed.positional.size() != 1) return CliFail("new needs exactly one FILE.dat");
    const std::optional<std::string> output = OutputFile(parsed.positional.front());
    if (!output) return kCliFailed;

    const DocumentCodes codes = ParseDocumentCodes(parsed);
    if (!codes.error.empty()) return CliFail(codes.error);
    return SaveDataFile(*output, NewDocumentImage(codes.band, codes.model)) ? kCliOk : kCliFailed;
}
