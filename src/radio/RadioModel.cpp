#include "RadioModel.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x15;
constexpr std::array<std::uint8_t, 7> kHandshake = {0x02, 'P', 'R', 'O', 'G', 'R', 'A'};
constexpr int kIdentAddress = 0x800;

}  // namespace

RadioModel::RadioModel() { m_memory.fill(0xFF); }

RadioModel::RadioModel(const Memory& memory) : m_memory(memory) {}

RadioModel::Identification RadioModel::identification() const
{
    if (m_fixedIdent) return *m_fixedIdent;
    Identification ident{};
    for (int i = 0; i < 8; ++i) ident[i] = m_memory[kIdentAddress + 7 - i];
    return ident;
}

std::vector<RadioModel::Reply> RadioModel::receive(std::span<const std::uint8_t> bytes)
{
    m_input.insert(m_input.end(), bytes.begin(), bytes.end());
    std::vector<Reply> replies;
    std::size_t used = 0;
    while (used < m_input.size()) {
        const auto first = m_input.begin() + static_cast<std::ptrdiff_t>(used);
        const int length = messageLength(*first);
        if (length == 0) {
            ++used;  // noise between messages
            continue;
        }
        if (m_input.size() - used < static_cast<std::size_t>(length)) break;
        const std::vector<std::uint8_t> message(first, first + length);
        bool valid = true;
        if (message[0] == kHandshake[0])
            valid = std::equal(kHandshake.begin(), kHandshake.end(), message.begin());
        if (message[0] == 'M') valid = message[1] == 0x02;
        if (message[0] == 'R' || message[0] == 'W') {
            const int address = message[1] << 8 | message[2];
            valid =
                message[3] == kBlockSize && address % kBlockSize == 0 && address + kBlockSize <= kMemorySize;
        }
        if (!valid) {
            ++used;  // resynchronise on the next byte
            continue;
        }
        used += static_cast<std::size_t>(length);
        m_messages.push_back(message);
        if (std::optional<Reply> reply = answer(message)) replies.push_back(std::move(*reply));
    }
    m_input.erase(m_input.begin(), m_input.begin() + static_cast<std::ptrdiff_t>(used));
    return replies;
}

int RadioModel::messageLength(std::uint8_t first)
{
    switch (first) {
        case 0x02:
            return static_cast<int>(kHandshake.size());
        case 'M':
            return 2;
        case kAck:
            return 1;
        case 'R':
            return 4;
        case 'W':
            return 4 + kBlockSize;
        case 'E':
            return 1;
        default:
            return 0;
    }
}

std::optional<RadioModel::Reply> RadioModel::answer(const std::vector<std::uint8_t>& message)
{
    const std::uint8_t kind = message[0];
    if (kind == kHandshake[0]) {
        m_expect = Expect::Identify;
        m_hungUp = false;
        m_step = 0;
    } else if (kind == 'E') {
        m_expect = Expect::Handshake;
        return std::nullopt;
    } else if (m_hungUp) {
        return std::nullopt;
    } else if (!accepts(kind)) {
        return std::nullopt;
    }

    const bool opensStep = kind != kAck;
    if (kind == 'M') m_step = 1;
    const int address = (kind == 'R' || kind == 'W') ? (message[1] << 8 | message[2]) : 0;
    if (kind == 'R' || kind == 'W') m_step = address / kBlockSize + 2;
    if (opensStep && takeFault(FaultKind::HangUp)) {
        m_hungUp = true;
        return std::nullopt;
    }

    Reply reply;
    bool isAck = true;
    switch (kind) {
        case 'M': {
            isAck = false;
            const Identification ident = identification();
            reply.bytes.assign(ident.begin(), ident.end());
            if (takeFault(FaultKind::WrongIdent)) reply.bytes[0] = static_cast<std::uint8_t>(~reply.bytes[0]);
            break;
        }
        case 'R':
            isAck = false;
            reply.bytes.assign(message.begin(), message.begin() + 4);  // header: the request echoed
            reply.bytes.insert(reply.bytes.end(), m_memory.begin() + address,
                               m_memory.begin() + address + kBlockSize);
            break;
        case 'W':
            std::copy(message.begin() + 4, message.end(), m_memory.begin() + address);
            if (takeFault(FaultKind::Corrupt))
                m_memory[address] = static_cast<std::uint8_t>(~m_memory[address]);
            reply.bytes = {kAck};
            break;
        default:
            reply.bytes = {kAck};
            break;
    }

    if (isAck && takeFault(FaultKind::WrongAck)) reply.bytes = {kNak};
    if (opensStep) {
        if (takeFault(FaultKind::NoReply)) return std::nullopt;
        if (takeFault(FaultKind::ShortReply)) reply.bytes.resize(reply.bytes.size() / 2);
        if (takeFault(FaultKind::LateReply)) reply.late = true;
        if (takeFault(FaultKind::ExtraBytes)) reply.bytes.push_back(0x00);
    }
    if (reply.bytes.empty()) return std::nullopt;
    return reply;
}

bool RadioModel::accepts(std::uint8_t kind)
{
    const auto next = [&](Expect expect) {
        m_expect = expect;
        return true;
    };
    switch (kind) {
        case 'M':
            if (m_expect == Expect::Identify) return next(Expect::IdentifyAck);
            break;
        case kAck:
            if (m_expect == Expect::IdentifyAck) return next(Expect::FirstBlock);
            if (m_expect == Expect::ReadAck) return next(Expect::ReadBlock);
            break;
        case 'R':
            if (m_expect == Expect::FirstBlock || m_expect == Expect::ReadBlock) return next(Expect::ReadAck);
            break;
        case 'W':
            if (m_expect == Expect::FirstBlock || m_expect == Expect::WriteBlock)
                return next(Expect::WriteBlock);
            break;
        default:
            break;
    }
    static constexpr const char* kDue[] = {
        "handshake",       "identify",        "acknowledge of the identification",
        "first block",     "next read block", "acknowledge of the read block",
        "next write block"};
    const char* what = kind == 'M'    ? "identify"
                       : kind == kAck ? "acknowledge"
                       : kind == 'R'  ? "read block"
                                      : "write block";
    m_violations.push_back("step " + std::to_string(m_step) + ": " + what + " where the " +
                           kDue[static_cast<int>(m_expect)] + " was due; silent until the next handshake");
    // A real radio drops out of programming mode on a message out of turn.
    m_expect = Expect::Handshake;
    return false;
}

bool RadioModel::takeFault(FaultKind kind)
{
    const auto it = std::find_if(m_faults.begin(), m_faults.end(), [&](const Fault& f) {
        return f.kind == kind && (kind == FaultKind::WrongIdent || f.step == m_step);
    });
    if (it == m_faults.end()) return false;
    m_faults.erase(it);
    return true;
}
