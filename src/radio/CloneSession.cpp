#include "CloneSession.h"

#include <algorithm>
#include <cstdio>

#include "core/Layout.h"
#include "strings/Strings.h"

namespace {

constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kEnd = 0x45;  // "E"
constexpr std::array<std::uint8_t, 7> kHandshake = {0x02, 'P', 'R', 'O', 'G', 'R', 'A'};
constexpr std::array<std::uint8_t, 2> kIdentify = {'M', 0x02};
constexpr int kIdentifyReply = 8;
constexpr int kReadReply = 12;
constexpr int kReadReplyHeader = 4;

// Image position of byte k of block n: even blocks hold rows 0..7, odd blocks
// rows 8..15, of column n/2.
int blockRow(int block, int k) { return (block % 2) * 8 + k; }
int blockColumn(int block) { return block / 2; }

std::string hexBytes(const std::vector<std::uint8_t>& bytes)
{
    std::string out;
    for (std::uint8_t b : bytes) {
        char cell[4];
        std::snprintf(cell, sizeof cell, "%s%02X", out.empty() ? "" : " ", b);
        out += cell;
    }
    return out.empty() ? "nothing" : out;
}

}  // namespace

CloneSession::CloneSession(Direction direction, const MemoryImage& image)
    : m_direction(direction), m_image(image)
{
    for (int block = 0; block < kBlockCount; ++block)
        for (int k = 0; k < kBlockSize; ++k)
            m_blocks[block * kBlockSize + k] = image.at(blockRow(block, k), blockColumn(block));
}

CloneSession::Actions CloneSession::start()
{
    Actions actions;
    if (m_state != State::Idle) return actions;
    restart(actions);
    return actions;
}

CloneSession::Actions CloneSession::received(std::span<const std::uint8_t> bytes)
{
    Actions actions;
    if (m_state != State::Running) return actions;
    m_queue.insert(m_queue.end(), bytes.begin(), bytes.end());
    evaluateQueued(actions);
    return actions;
}

CloneSession::Actions CloneSession::deadlineExpired()
{
    Actions actions;
    if (m_state != State::Running) return actions;
    abortToPrompt(actions, "step " + std::to_string(m_step) + " (" + currentMessage().name + "): awaited " +
                               std::to_string(awaitedLength()) + " bytes, received " +
                               std::to_string(m_queue.size()));
    return actions;
}

CloneSession::Actions CloneSession::answerPrompt(bool retry)
{
    Actions actions;
    if (m_state != State::Prompting) return actions;
    if (!retry) return cancel();
    restart(actions);
    return actions;
}

CloneSession::Actions CloneSession::cancel()
{
    Actions actions;
    if (m_state != State::Running && m_state != State::Prompting) return actions;
    actions.send.push_back(kEnd);
    finish(actions, State::Cancelled, Notice::None);
    return actions;
}

int CloneSession::awaitedLength() const
{
    if (m_state != State::Running) return 0;
    if (m_ackPhase) return 1;
    return m_step == 1 ? kIdentifyReply : kReadReply;
}

std::string CloneSession::progressLabel() const
{
    if (m_progress == 0) return Text(TextId::CompletionPercentage) + ":  0%";
    // Nearest whole percent, halves rounded up.
    const int percent = (200 * m_progress + kBlockCount) / (2 * kBlockCount);
    return Text(TextId::CompletionPercentage) + ": " + std::to_string(percent) + "%";
}

bool CloneSession::isOver() const
{
    return m_state == State::Completed || m_state == State::Refused || m_state == State::Cancelled;
}

MemoryImage CloneSession::image() const { return m_image; }

std::array<std::uint8_t, 8> CloneSession::expectedIdentification() const
{
    // The radio sends row 7 of the identification first.
    std::array<std::uint8_t, 8> ident{};
    const int block = layout::kRadioColumn * 2;
    for (int i = 0; i < layout::kIdentBytes; ++i)
        ident[i] = m_blocks[block * kBlockSize + layout::kIdentFirstRow + layout::kIdentBytes - 1 - i];
    return ident;
}

std::vector<std::uint8_t> CloneSession::readBlockMessage(int block)
{
    const int address = block * kBlockSize;
    return {'R', static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address & 0xFF),
            kBlockSize};
}

std::vector<std::uint8_t> CloneSession::writeBlockMessage(int block) const
{
    std::vector<std::uint8_t> message = readBlockMessage(block);
    message[0] = 'W';
    message.resize(message.size() + kBlockSize);
    std::copy_n(m_blocks.begin() + block * kBlockSize, kBlockSize, message.end() - kBlockSize);
    return message;
}

CloneSession::Message CloneSession::currentMessage() const
{
    if (m_ackPhase) {
        if (m_step == 0) return {{kHandshake.begin(), kHandshake.end()}, "handshake"};
        if (m_step == kStepCount) return {{kEnd}, "end"};
        if (m_direction == Direction::Write && m_step >= 2)
            return {writeBlockMessage(m_step - 2), "write block " + std::to_string(m_step - 2)};
        return {{kAck}, "acknowledge"};
    }
    if (m_step == 1) return {{kIdentify.begin(), kIdentify.end()}, "identify"};
    return {readBlockMessage(m_step - 2), "read block " + std::to_string(m_step - 2)};
}

void CloneSession::sendCurrent(Actions& actions)
{
    const std::vector<std::uint8_t> message = currentMessage().bytes;
    actions.send.insert(actions.send.end(), message.begin(), message.end());
    if (m_direction == Direction::Write && m_ackPhase && m_step >= 2 && m_step < kStepCount)
        m_blockSent = true;
    if (m_ackPhase && m_step == kStepCount) {
        finish(actions, State::Completed, Notice::Completed);
        return;
    }
    actions.deadline = Deadline::Arm;
}

void CloneSession::evaluateQueued(Actions& actions)
{
    while (m_state == State::Running && static_cast<int>(m_queue.size()) >= awaitedLength()) {
        const auto end = m_queue.begin() + awaitedLength();
        const std::vector<std::uint8_t> reply(m_queue.begin(), end);
        m_queue.erase(m_queue.begin(), end);
        const int stepBefore = m_step;
        const bool ackPhaseBefore = m_ackPhase;
        if (!evaluate(reply, actions)) return;
        if (m_step == stepBefore && m_ackPhase == ackPhaseBefore) {
            // A stray byte instead of the handshake acknowledge: wait afresh.
            actions.deadline = Deadline::Arm;
            continue;
        }
        sendCurrent(actions);
    }
}

bool CloneSession::evaluate(const std::vector<std::uint8_t>& reply, Actions& actions)
{
    if (m_ackPhase) {
        if (reply.size() != 1 || reply[0] != kAck) {
            if (m_step == 0) return true;
            abortToPrompt(actions, "step " + std::to_string(m_step) + " (" + currentMessage().name +
                                       "): awaited 06, received " + hexBytes(reply));
            return false;
        }
        m_ackPhase = false;
        if (m_direction == Direction::Write) {
            if (m_step > 0) m_ackPhase = true;
            if (m_step >= 2 && m_step < kStepCount) {
                ++m_progress;
                actions.progressChanged = true;
            }
        } else if (m_step == kStepCount - 1) {
            m_ackPhase = true;
        }
        ++m_step;
        return true;
    }

    if (m_step == 1) {
        const std::array<std::uint8_t, 8> expected = expectedIdentification();
        if (!std::equal(reply.begin(), reply.end(), expected.begin(), expected.end())) {
            actions.send.push_back(kEnd);
            finish(actions, State::Refused, Notice::ModelTypeWrong);
            return false;
        }
        m_ackPhase = true;
        return true;
    }

    const int block = m_step - 2;
    for (int k = 0; k < kBlockSize; ++k) {
        const std::uint8_t value = reply[kReadReplyHeader + k];
        m_blocks[block * kBlockSize + k] = value;
        m_image.set(blockRow(block, k), blockColumn(block), value);
    }
    ++m_progress;
    actions.progressChanged = true;
    m_ackPhase = true;
    return true;
}

void CloneSession::abortToPrompt(Actions& actions, std::string detail)
{
    m_failureDetail = std::move(detail);
    m_state = State::Prompting;
    m_queue.clear();
    actions.deadline = Deadline::Stop;
    actions.notice = Notice::CheckConnection;
}

void CloneSession::finish(Actions& actions, State state, Notice notice)
{
    m_state = state;
    m_queue.clear();
    actions.deadline = Deadline::Stop;
    actions.notice = notice;
}

void CloneSession::restart(Actions& actions)
{
    actions.clearPort = true;
    m_queue.clear();
    m_state = State::Running;
    m_step = 0;
    m_ackPhase = true;
    m_progress = 0;
    actions.progressChanged = true;
    sendCurrent(actions);
}
