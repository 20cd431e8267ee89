#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/MemoryImage.h"

class InterruptWatcher;
class SerialPort;

// Writes `image` to the radio on each port, in turn or all at once, each
// optionally verified by reading it back. Progress goes to standard error (one
// line per port, redrawn in place on a terminal), then one result line per
// port in the order given: on standard output when it succeeded, on standard
// error when not; all at once adds each port's elapsed time. A port that
// cannot be opened, or is named twice when all go at once, fails alone (in
// turn, the same port may take another radio). An interruption ends the
// transfers under way properly; ports not yet begun are "not done". Returns the exit status: 0 only
// when every port succeeded.
using PortMaker = std::function<std::unique_ptr<SerialPort>(const std::string& name)>;
int WriteRadios(const std::vector<std::string>& ports, const MemoryImage& image, const PortMaker& makePort,
                const InterruptWatcher& interrupts, bool verify, bool parallel);
