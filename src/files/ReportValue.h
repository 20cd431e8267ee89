#pragma once

#include <string>
#include <string_view>

// A value from a file as a message quotes it, so that no file can stretch a
// report, break its lines or send a terminal escape sequence: at most 40
// characters (then "…"), control characters (C0, DEL and C1) as \xNN and the
// bidirectional controls as \uNNNN. Bytes that are not UTF-8 show as \xNN.
[[nodiscard]] std::string ReportValue(std::string_view text);
