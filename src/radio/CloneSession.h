#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/MemoryImage.h"

// The clone dialogue with the radio as a state machine, free of clocks, ports
// and windows. The owner feeds it received bytes, deadline expiries and prompt
// answers, and carries out the Actions each call returns, in order: clear the
// port buffers (if asked), queue `send`, then arm or stop the deadline, then
// tell the user about `notice`.
//
// The session works on its own copy of the image. A read changes the caller's
// document only if the caller copies image() after state() became Completed, so
// an interrupted read leaves the document as it was.
class CloneSession final {
public:
    enum class Direction { Read, Write };

    enum class State {
        Idle,       // start() not called yet
        Running,    // a reply is awaited
        Prompting,  // "Check Connection" question open; input ignored, nothing sent
        Completed,  // End sent after the last block
        Refused,    // identification mismatch; End sent
        Cancelled,  // Cancel answered; End sent
    };

    enum class Deadline { Keep, Arm, Stop };

    enum class Notice {
        None,
        CheckConnection,  // ask Retry/Cancel, then call answerPrompt()
        ModelTypeWrong,   // tell the user; the transfer is over
        Completed,        // tell the user; the transfer is over
    };

    struct Actions {
        bool clearPort = false;  // discard whatever both port buffers hold, before sending
        std::vector<std::uint8_t> send;
        Deadline deadline = Deadline::Keep;  // the one deadline: 500 ms from now when armed
        bool progressChanged = false;
        Notice notice = Notice::None;
    };

    static constexpr int kBlockCount = 264;
    static constexpr int kBlockSize = 8;
    static constexpr int kStepCount = kBlockCount + 2;  // handshake, identify, blocks; End follows
    static constexpr int kDeadlineMs = 500;

    CloneSession(Direction direction, const MemoryImage& image);

    // Clears the port and sends the handshake. Ignored unless Idle.
    [[nodiscard]] Actions start();
    // Bytes from the radio, in arrival order, in chunks of any size. Bytes
    // beyond the awaited reply wait as the start of the next reply. Ignored
    // unless Running.
    [[nodiscard]] Actions received(std::span<const std::uint8_t> bytes);
    // The armed deadline ran out before the whole reply arrived (or the port
    // failed). Ignored unless Running.
    [[nodiscard]] Actions deadlineExpired();
    // The answer to CheckConnection: Retry restarts at the handshake keeping the
    // blocks already read; Cancel is cancel(). Ignored unless Prompting.
    [[nodiscard]] Actions answerPrompt(bool retry);
    // Stops the transfer (the user closed the window or answered Cancel): End
    // is sent and the state becomes Cancelled. Ignored unless Running or Prompting.
    [[nodiscard]] Actions cancel();

    [[nodiscard]] State state() const { return m_state; }
    // Completed, Refused or Cancelled: nothing more is sent or awaited.
    [[nodiscard]] bool isOver() const;
    [[nodiscard]] Direction direction() const { return m_direction; }
    [[nodiscard]] int stepIndex() const { return m_step; }
    // Reply length awaited now (1, 8 or 12); 0 when nothing is awaited.
    [[nodiscard]] int awaitedLength() const;
    // Whether a write block has gone out since start(), Retry or not: until
    // then the radio holds what it held before.
    [[nodiscard]] bool blockSent() const { return m_blockSent; }
    // Blocks moved since the last (re)start, 0..264.
    [[nodiscard]] int progress() const { return m_progress; }
    // "Completion percentage:  0%" before the first block, then
    // "Completion percentage: NN%", in the current language.
    [[nodiscard]] std::string progressLabel() const;
    // What went wrong when CheckConnection was raised, for logs and the
    // command line: the step, the message, the reply awaited and what came.
    [[nodiscard]] const std::string& failureDetail() const { return m_failureDetail; }

    // The working image: the starting image with every block read so far.
    [[nodiscard]] MemoryImage image() const;

    // The 8 identification bytes expected from the radio, in wire order.
    [[nodiscard]] std::array<std::uint8_t, 8> expectedIdentification() const;

    // The message bytes of block `block` (0..263) on the wire.
    [[nodiscard]] static std::vector<std::uint8_t> readBlockMessage(int block);
    [[nodiscard]] std::vector<std::uint8_t> writeBlockMessage(int block) const;

private:
    using BlockBuffer = std::array<std::uint8_t, kBlockCount * kBlockSize>;

    struct Message {
        std::vector<std::uint8_t> bytes;
        std::string name;  // "handshake", "read block 5", ... for failureDetail()
    };
    [[nodiscard]] Message currentMessage() const;
    void sendCurrent(Actions& actions);
    void evaluateQueued(Actions& actions);
    // Returns false when the reply ended the exchange (prompt or refusal).
    bool evaluate(const std::vector<std::uint8_t>& reply, Actions& actions);
    void abortToPrompt(Actions& actions, std::string detail);
    void finish(Actions& actions, State state, Notice notice);
    void restart(Actions& actions);

    Direction m_direction;
    MemoryImage m_image;
    BlockBuffer m_blocks{};
    State m_state = State::Idle;
    int m_step = 0;
    bool m_ackPhase = true;  // the next reply is a single acknowledge byte
    int m_progress = 0;
    bool m_blockSent = false;
    std::vector<std::uint8_t> m_queue;  // received, not yet evaluated
    std::string m_failureDetail;
};
