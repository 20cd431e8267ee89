#include "CliFleet.h"

#include <unistd.h>

#include <QEventLoop>
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <memory>

#include "CliCommon.h"
#include "PortJob.h"
#include "link/PortForName.h"
#include "platform/InterruptWatcher.h"

namespace {

// Runs a group of writes together until all are done, with their progress
// lines on standard error: on a terminal the block of lines is redrawn in
// place; elsewhere each change is a line of its own.
class WriteGroup final {
public:
    WriteGroup(const std::vector<std::string>& ports, const MemoryImage& image, const PortMaker& makePort,
               const InterruptWatcher& interrupts, bool verify)
        : m_interrupts(interrupts), m_terminal(isatty(STDERR_FILENO) != 0)
    {
        for (std::size_t i = 0; i < ports.size(); ++i)
            m_writes.push_back(std::make_unique<PortJob>(
                makePort(ports[i]), ports[i],
                verify ? RadioTransfer::Job::VerifiedWrite : RadioTransfer::Job::Write, image,
                [this, i] { changed(i); }));
    }

    // A port named twice in the group, under any of its names, is refused the
    // second time: one radio cannot take two writes at once.
    void run()
    {
        std::vector<QString> named;
        for (const auto& write : m_writes) {
            const QString identity = PortIdentity(QString::fromStdString(write->port()));
            const bool twice = std::find(named.begin(), named.end(), identity) != named.end();
            named.push_back(identity);
            if (m_interrupts.caught() != 0) {
                write->refuse("not done");
            } else {
                twice ? write->refuse("named twice; written once") : write->start();
            }
        }
        QObject::connect(&m_interrupts, &InterruptWatcher::interrupted, &m_loop, [this] {
            for (const auto& write : m_writes) write->interrupt();
        });
        if (!allDone()) m_loop.exec();
        if (m_terminal && m_drawn) std::cerr << std::flush;
    }

    [[nodiscard]] const std::vector<std::unique_ptr<PortJob>>& writes() const { return m_writes; }

private:
    [[nodiscard]] bool allDone() const
    {
        return std::all_of(m_writes.begin(), m_writes.end(), [](const auto& w) { return w->done(); });
    }

    void changed(std::size_t index)
    {
        const PortJob& write = *m_writes[index];
        if (!write.done()) show(index, write.port() + ": " + write.status());
        if (allDone()) m_loop.quit();
    }

    void show(std::size_t index, const std::string& line)
    {
        if (!m_terminal) {
            std::cerr << line << '\n';
            return;
        }
        if (!m_drawn) {
            for (std::size_t i = 0; i < m_writes.size(); ++i) std::cerr << '\n';
            m_drawn = true;
        }
        const std::size_t up = m_writes.size() - index;
        std::cerr << "\x1b[" << up << "A\r\x1b[K" << line << "\x1b[" << up << "B\r" << std::flush;
    }

    const InterruptWatcher& m_interrupts;
    std::vector<std::unique_ptr<PortJob>> m_writes;
    QEventLoop m_loop;
    bool m_terminal;
    bool m_drawn = false;
};

void PrintResult(const PortJob& write, bool withTime)
{
    std::ostream& out = write.ok() ? std::cout : std::cerr;
    out << write.port() << ": " << write.status();
    if (withTime) {
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, " (%.1f s)", write.seconds());
        out << seconds;
    }
    out << std::endl;
}

}  // namespace

int WriteRadios(const std::vector<std::string>& ports, const MemoryImage& image, const PortMaker& makePort,
                const InterruptWatcher& interrupts, bool verify, bool parallel)
{
    bool allOk = true;
    const auto report = [&](const WriteGroup& group) {
        for (const auto& write : group.writes()) {
            PrintResult(*write, parallel);
            allOk = allOk && write->ok();
        }
    };
    if (parallel) {
        WriteGroup group(ports, image, makePort, interrupts, verify);
        group.run();
        report(group);
    } else {
        for (std::size_t i = 0; i < ports.size(); ++i) {
            WriteGroup group({ports[i]}, image, makePort, interrupts, verify);
            group.run();
            report(group);
        }
    }
    return allOk ? kCliOk : kCliFailed;
}
