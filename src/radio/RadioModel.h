#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A stand-in for the radio on the other end of the programming cable: 2112
// bytes of memory (addresses 0x000..0x83F) and an 8-byte identification,
// answering the program's messages the way the program relies on. Bytes go in
// as they arrive from the line; replies come out in order.
//
// It is as strict as a radio: Identify only after the handshake, an
// acknowledge after the identification and after every read block before the
// next one, none between write blocks. A message out of turn is recorded in
// violations() and the radio stays silent until the next handshake.
//
// Steps are counted as the program counts them: 0 handshake, 1 identify (and
// its acknowledge), block n is step n + 2 (the block and, in a read, its
// acknowledge). Each injected fault fires once, the first time its step comes.
class RadioModel final {
public:
    static constexpr int kMemorySize = 2112;
    static constexpr int kBlockSize = 8;
    using Memory = std::array<std::uint8_t, kMemorySize>;
    using Identification = std::array<std::uint8_t, 8>;

    enum class FaultKind {
        NoReply,     // the first reply of the step is not sent
        ShortReply,  // the first reply of the step loses its second half (a 1-byte reply: nothing)
        WrongAck,    // the acknowledge of the step is 15 instead of 06
        WrongIdent,  // the identification's first byte is inverted (step ignored)
        LateReply,   // the first reply of the step comes after the program's deadline
        HangUp,      // silent from this step on, until the next handshake
        ExtraBytes,  // the first reply of the step is followed by one 00 byte
        Corrupt,     // the block written at the step is stored with its first byte inverted
    };
    struct Fault {
        FaultKind kind;
        int step = 0;
    };

    struct Reply {
        std::vector<std::uint8_t> bytes;
        bool late = false;  // the sender should hold it well past 500 ms
    };

    // Blank memory (all FF); the identification follows the memory.
    RadioModel();
    explicit RadioModel(const Memory& memory);

    // Without a fixed identification the radio reports memory 0x807 down to
    // 0x800, so an image read from it passes the check on the next write.
    void setIdentification(const Identification& ident) { m_fixedIdent = ident; }
    [[nodiscard]] Identification identification() const;

    void addFault(Fault fault) { m_faults.push_back(fault); }

    // Feeds bytes from the program; returns the replies now due, in order.
    [[nodiscard]] std::vector<Reply> receive(std::span<const std::uint8_t> bytes);

    [[nodiscard]] const Memory& memory() const { return m_memory; }
    [[nodiscard]] Memory& memory() { return m_memory; }

    // Every complete message received so far, for inspection.
    [[nodiscard]] const std::vector<std::vector<std::uint8_t>>& messages() const { return m_messages; }
    // What was received out of turn, one line each, oldest first.
    [[nodiscard]] const std::vector<std::string>& violations() const { return m_violations; }

private:
    // Length of the message starting the input, 0 if the first byte starts none.
    [[nodiscard]] static int messageLength(std::uint8_t first);
    // The reply to one complete message; nullopt when nothing is said.
    std::optional<Reply> answer(const std::vector<std::uint8_t>& message);
    // Whether a message of `kind` is due now; moves on if so, records a
    // violation and leaves the session if not.
    bool accepts(std::uint8_t kind);
    // Removes the first fault of `kind` due at the current step; true if there was one.
    bool takeFault(FaultKind kind);

    Memory m_memory{};
    std::optional<Identification> m_fixedIdent;
    std::vector<Fault> m_faults;
    std::vector<std::uint8_t> m_input;
    std::vector<std::vector<std::uint8_t>> m_messages;
    // What the program may send next, in session order.
    enum class Expect { Handshake, Identify, IdentifyAck, FirstBlock, ReadBlock, ReadAck, WriteBlock };
    Expect m_expect = Expect::Handshake;
    std::vector<std::string> m_violations;
    bool m_hungUp = false;
    int m_step = 0;
};
