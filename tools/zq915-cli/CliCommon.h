#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/MemoryImage.h"

// The arguments after the command name.
using CliArgs = std::vector<std::string>;

struct CliCommand {
    std::string_view name;
    int (*run)(const CliArgs& args);  // exit status
    std::string_view usage;           // "new [--band CODE] [--model CODE] FILE.dat"
    std::string_view help;            // one or more lines, each ending in '\n'
};

// Exit statuses.
inline constexpr int kCliOk = 0;
inline constexpr int kCliFailed = 1;
inline constexpr int kCliTrouble = 2;  // a comparison that could not be made

// Prints "zq915-cli: <message>" on stderr and returns kCliFailed.
int CliFail(std::string_view message);

// Splits "--name VALUE" options and "--name" flags from the positional
// arguments. Options not in `known` or `knownFlags`, or without a value, make
// it fail with a message.
struct ParsedArgs {
    std::vector<std::pair<std::string, std::string>> options;
    std::vector<std::string> flags;
    std::vector<std::string> positional;
    std::string error;  // empty on success

    [[nodiscard]] bool hasFlag(std::string_view flag) const;
};
[[nodiscard]] ParsedArgs ParseCliArgs(const CliArgs& args, const std::vector<std::string_view>& known,
                                      const std::vector<std::string_view>& knownFlags = {});

// A whole decimal number in [low, high]; nullopt otherwise.
[[nodiscard]] std::optional<int> ParseCode(std::string_view text, int low, int high);

// --band and --model of a command that makes a new document, over the defaults.
struct DocumentCodes {
    int band = 0;
    int model = 0;
    bool bandGiven = false;
    bool modelGiven = false;
    std::string error;  // set: an unknown code
};
[[nodiscard]] DocumentCodes ParseDocumentCodes(const ParsedArgs& parsed);

// A new document (as File > New makes it) for a band and a model code.
[[nodiscard]] MemoryImage NewDocumentImage(int band, int model);

// File name arguments are bytes in this system's encoding; one that Qt
// cannot carry through unchanged is refused with a message.

// The file name argument as Qt holds it; reported nullopt when it cannot be carried.
[[nodiscard]] std::optional<QString> FileArgument(const std::string& arg);

// Reads and decodes a data file; on failure prints the reason and returns nullopt.
[[nodiscard]] std::optional<MemoryImage> LoadDataFile(const std::string& path);
// The document file every writing command writes for `path`: ".dat" added
// to a name without a suffix. Reported nullopt when the name, with or without
// the suffix, exists and is not a regular file (a folder, a device), or names
// no file at all ("dir/"), so a command can check it before any work.
[[nodiscard]] std::optional<std::string> OutputFile(const std::string& path);
// Encodes and writes atomically; on failure prints the reason and returns false.
[[nodiscard]] bool SaveDataFile(const std::string& path, const MemoryImage& image);
