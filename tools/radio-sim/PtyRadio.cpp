#include "PtyRadio.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <vector>

#include <poll.h>
#include <pty.h>
#include <sys/prctl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace {

constexpr long kPollNanoseconds = 20'000'000L;

long long nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1'000'000'000LL + ts.tv_nsec;
}

struct Pending {
    long long due;
    std::vector<std::uint8_t> bytes;
};

}  // namespace

PtyRadio::PtyRadio(RadioModel& model, Options options) : m_model(model), m_options(options) {}

PtyRadio::~PtyRadio()
{
    if (m_master >= 0) ::close(m_master);
    if (m_slave >= 0) ::close(m_slave);
}

bool PtyRadio::open()
{
    termios raw{};
    cfmakeraw(&raw);
    cfsetispeed(&raw, B9600);
    cfsetospeed(&raw, B9600);
    char name[256] = {};
    if (openpty(&m_master, &m_slave, name, &raw, nullptr) != 0) {
        m_error = std::strerror(errno);
        return false;
    }
    m_devicePath = name;
    return true;
}

void PtyRadio::run(const std::atomic<bool>& stop)
{
    // Wake on time to the microsecond: the pacing is the point of the exercise.
    prctl(PR_SET_TIMERSLACK, 1UL);
    std::deque<Pending> pending;
    long long inputEnd = 0;   // when the last byte received would have finished arriving
    long long outputEnd = 0;  // when the last reply would have finished leaving
    std::uint8_t buffer[4096];
    std::size_t reported = 0;  // violations already written to stderr

    while (!stop.load()) {
        const long long now = nowNs();
        while (!pending.empty() && pending.front().due <= now) {
            const Pending& out = pending.front();
            log('<', out.bytes.data(), out.bytes.size());
            const ssize_t written = ::write(m_master, out.bytes.data(), out.bytes.size());
            (void)written;  // a line nobody listens to loses the reply, like a real one
            pending.pop_front();
        }

        long long wait = kPollNanoseconds;
        if (!pending.empty()) wait = std::min(wait, pending.front().due - now);
        const timespec timeout{static_cast<time_t>(wait / 1'000'000'000LL),
                               static_cast<long>(wait % 1'000'000'000LL)};
        pollfd fd{m_master, POLLIN, 0};
        if (ppoll(&fd, 1, &timeout, nullptr) <= 0 || !(fd.revents & POLLIN)) continue;

        const ssize_t count = ::read(m_master, buffer, sizeof buffer);
        if (count <= 0) continue;
        const long long arrived = nowNs();
        log('>', buffer, static_cast<std::size_t>(count));
        if (m_options.paced) inputEnd = std::max(arrived, inputEnd) + count * kByteNanoseconds;

        std::vector<RadioModel::Reply> replies = m_model.receive({buffer, static_cast<std::size_t>(count)});
        // Out-of-turn messages are always told: they are faults of the program.
        for (; reported < m_model.violations().size(); ++reported)
            std::fprintf(stderr, "radio-sim: protocol error: %s\n", m_model.violations()[reported].c_str());
        for (RadioModel::Reply& reply : replies) {
            long long due = arrived;
            if (m_options.paced) {
                outputEnd = std::max(inputEnd, outputEnd) +
                            static_cast<long long>(reply.bytes.size()) * kByteNanoseconds;
                due = outputEnd;
            }
            if (reply.late) due += kLateNanoseconds;
            if (!pending.empty()) due = std::max(due, pending.back().due);  // the line keeps its order
            pending.push_back({due, std::move(reply.bytes)});
        }
    }
}

void PtyRadio::log(char direction, const std::uint8_t* bytes, std::size_t count) const
{
    if (!m_options.log) return;
    std::fputc(direction, m_options.log);
    for (std::size_t i = 0; i < count; ++i) std::fprintf(m_options.log, " %02X", bytes[i]);
    std::fputc('\n', m_options.log);
    std::fflush(m_options.log);
}
