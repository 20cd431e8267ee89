#pragma once

#include <atomic>
#include <cstdio>
#include <string>

#include "radio/RadioModel.h"

// Serves a RadioModel on a pseudo-terminal, so that the program (or anything
// that opens a serial device) can talk to it through the slave device.
// Optionally paced like a real 9600-baud line: a reply leaves only when the
// message and the reply would have crossed the wire (10 bits per byte each).
class PtyRadio final {
public:
    struct Options {
        bool paced = false;
        std::FILE* log = nullptr;  // every chunk in and reply out, in hex; null: silent
    };

    static constexpr long kByteNanoseconds = 10L * 1'000'000'000L / 9600;  // about 1.04 ms
    static constexpr long kLateNanoseconds = 800'000'000L;                 // well past the program's 500 ms

    PtyRadio(RadioModel& model, Options options);
    ~PtyRadio();
    PtyRadio(const PtyRadio&) = delete;
    PtyRadio& operator=(const PtyRadio&) = delete;

    // Creates the pseudo-terminal (raw mode). False, with errorText(), on failure.
    [[nodiscard]] bool open();
    [[nodiscard]] const std::string& devicePath() const { return m_devicePath; }
    [[nodiscard]] const std::string& errorText() const { return m_error; }

    // Answers the line until `stop` becomes true (looked at every 20 ms or so).
    // The model is touched only from the calling thread.
    void run(const std::atomic<bool>& stop);

private:
    void log(char direction, const std::uint8_t* bytes, std::size_t count) const;

    RadioModel& m_model;
    Options m_options;
    int m_master = -1;
    int m_slave = -1;  // kept open so the line never hangs up between users
    std::string m_devicePath;
    std::string m_error;
};
