#include <gtest/gtest.h>

#include <algorithm>

#include "LinkTestData.h"
#include "SessionLoop.h"
#include "core/Layout.h"
#include "strings/Strings.h"

namespace {

using Direction = CloneSession::Direction;
using Notice = CloneSession::Notice;
using State = CloneSession::State;
using Bytes = std::vector<std::uint8_t>;

int CountMessages(const RadioModel& radio, std::uint8_t kind)
{
    return static_cast<int>(std::count_if(radio.messages().begin(), radio.messages().end(),
                                          [&](const Bytes& m) { return m[0] == kind; }));
}

const Bytes kHandshakeIdentify = {0x02, 'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x02};

MemoryImage BlankImage()
{
    MemoryImage image;
    image.fill(0xFF);
    return image;
}

// --- complete transfers, delivered in chunks of various sizes ---------------

class CompleteTransfer : public ::testing::TestWithParam<std::size_t> {};

TEST_P(CompleteTransfer, ReadCopiesColumns0To131AndNothingElse)
{
    RadioModel radio(PatternMemory(3));
    MemoryImage start = PatternImage(100);
    MatchIdentification(start, radio);
    SessionLoop loop(Direction::Read, start, radio);
    loop.chunk = GetParam();

    ASSERT_TRUE(loop.run());
    EXPECT_EQ(loop.session.state(), State::Completed);
    EXPECT_EQ(loop.notices, std::vector<Notice>{Notice::Completed});
    const MemoryImage result = loop.session.image();
    EXPECT_TRUE(RadioHoldsImage(radio, result));
    EXPECT_TRUE(UpperColumnsEqual(result, start));
    EXPECT_EQ(loop.session.progress(), 264);
    EXPECT_EQ(loop.labels.back(), "Completion percentage: 100%");
    EXPECT_EQ(loop.sent.back(), 'E');
}

TEST_P(CompleteTransfer, WriteLeavesTheImageInTheRadio)
{
    RadioModel radio(PatternMemory(9));
    MemoryImage image = PatternImage(50);
    MatchIdentification(image, radio);
    SessionLoop loop(Direction::Write, image, radio);
    loop.chunk = GetParam();

    ASSERT_TRUE(loop.run());
    EXPECT_EQ(loop.session.state(), State::Completed);
    EXPECT_TRUE(RadioHoldsImage(radio, image));
    EXPECT_EQ(CountMessages(radio, 'W'), 264);
    EXPECT_EQ(loop.session.progress(), 264);
    EXPECT_EQ(loop.session.image(), image);
}

INSTANTIATE_TEST_SUITE_P(Chunks, CompleteTransfer, ::testing::Values(0u, 1u, 5u), [](const auto& info) {
    return info.param == 0 ? std::string("WholeReplies") : "Chunks" + std::to_string(info.param);
});

// --- exact byte streams -----------------------------------------------------

TEST(CloneWire, ReadSendsHandshakeIdentifyThenReadAndAcknowledgePerBlock)
{
    RadioModel radio;
    const MemoryImage image = BlankImage();
    SessionLoop loop(Direction::Read, image, radio);
    ASSERT_TRUE(loop.run());

    Bytes expected = kHandshakeIdentify;
    expected.push_back(0x06);
    for (int n = 0; n < 264; ++n) {
        const Bytes block = {'R', static_cast<std::uint8_t>(n / 32), static_cast<std::uint8_t>(n % 32 * 8),
                             0x08, 0x06};
        expected.insert(expected.end(), block.begin(), block.end());
    }
    expected.push_back('E');
    EXPECT_EQ(loop.sent, expected);
    EXPECT_EQ(loop.sent.size(), 1331u);  // with the radio's 3442 bytes: 4773 on the wire

    // The addresses the radio saw: 00 00, 00 F8 (block 31), 01 00 (block 32), 08 38 (last).
    const auto& reads = radio.messages();
    const auto blockAt = [&](int n) {
        return Bytes(reads[3 + 2 * n].begin() + 1, reads[3 + 2 * n].begin() + 3);
    };
    EXPECT_EQ(blockAt(0), (Bytes{0x00, 0x00}));
    EXPECT_EQ(blockAt(31), (Bytes{0x00, 0xF8}));
    EXPECT_EQ(blockAt(32), (Bytes{0x01, 0x00}));
    EXPECT_EQ(blockAt(263), (Bytes{0x08, 0x38}));
}

TEST(CloneWire, WriteSendsBlocksWithoutAcknowledgesBetweenThem)
{
    RadioModel radio;
    MemoryImage image = PatternImage(1);
    MatchIdentification(image, radio);
    SessionLoop loop(Direction::Write, image, radio);
    ASSERT_TRUE(loop.run());

    Bytes expected = kHandshakeIdentify;
    expected.push_back(0x06);
    for (int n = 0; n < 264; ++n) {
        expected.insert(expected.end(), {'W', static_cast<std::uint8_t>(n / 32),
                                         static_cast<std::uint8_t>(n % 32 * 8), 0x08});
        const int column = n / 2;
        const int rowBase = n % 2 * 8;
        for (int k = 0; k < 8; ++k) expected.push_back(image.at(rowBase + k, column));
    }
    expected.push_back('E');
    EXPECT_EQ(loop.sent, expected);
    EXPECT_EQ(loop.sent.size(), 3179u);  // with the radio's 274 bytes: 3453 on the wire
}

// --- identification ---------------------------------------------------------

TEST(CloneIdentification, FirstByteReceivedIsComparedWithRow7)
{
    RadioModel radio(PatternMemory(0));
    MemoryImage image = PatternImage(0);
    for (int r = 0; r < 8; ++r) image.set(r, layout::kRadioColumn, static_cast<std::uint8_t>(0x10 + r));
    // Rows 0..7 sent in row order: not a palindrome, so no match.
    radio.setIdentification({0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17});
    SessionLoop loop(Direction::Write, image, radio);

    ASSERT_TRUE(loop.run());
    EXPECT_EQ(loop.session.state(), State::Refused);
    EXPECT_EQ(loop.notices, std::vector<Notice>{Notice::ModelTypeWrong});
    Bytes expected = kHandshakeIdentify;
    expected.push_back('E');
    EXPECT_EQ(loop.sent, expected);
    EXPECT_EQ(radio.memory(), PatternMemory(0));  // nothing written

    radio.setIdentification({0x17, 0x16, 0x15, 0x14, 0x13, 0x12, 0x11, 0x10});
    SessionLoop again(Direction::Write, image, radio);
    ASSERT_TRUE(again.run());
    EXPECT_EQ(again.session.state(), State::Completed);
}

TEST(CloneIdentification, CompletedReadTakesTheRadiosIdentificationForTheNextTransfer)
{
    RadioModel radio(PatternMemory(5));
    const MemoryImage image = BlankImage();
    radio.setIdentification({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    SessionLoop read(Direction::Read, image, radio);
    ASSERT_TRUE(read.run());
    ASSERT_EQ(read.session.state(), State::Completed);

    // Rows 0..7 of column 128 now hold addresses 0x800..0x807 of the radio.
    const auto expected = read.session.expectedIdentification();
    for (int i = 0; i < 8; ++i) EXPECT_EQ(expected[i], PatternMemory(5)[0x807 - i]);
}

// --- faults -----------------------------------------------------------------

struct FaultCase {
    const char* name;
    Direction direction;
    RadioModel::FaultKind kind;
    int step;
    int failStep = -1;  // where the program notices, when later than `step`
};

class CloneFault : public ::testing::TestWithParam<FaultCase> {
protected:
    void SetUp() override
    {
        radio = RadioModel(PatternMemory(21));
        image = PatternImage(77);
        MatchIdentification(image, radio);
        radio.addFault({GetParam().kind, GetParam().step});
    }
    RadioModel radio;
    MemoryImage image;
};

TEST_P(CloneFault, RetryStartsAgainAndCompletes)
{
    SessionLoop loop(GetParam().direction, image, radio);
    loop.answers = {true};
    ASSERT_TRUE(loop.run());
    EXPECT_EQ(loop.session.state(), State::Completed);
    EXPECT_EQ((std::vector<Notice>{Notice::CheckConnection, Notice::Completed}), loop.notices);
    ASSERT_EQ(loop.failures.size(), 1u);
    const int failStep = GetParam().failStep < 0 ? GetParam().step : GetParam().failStep;
    EXPECT_NE(loop.failures[0].find("step " + std::to_string(failStep) + " "), std::string::npos)
        << loop.failures[0];
    EXPECT_EQ(CountMessages(radio, 0x02), 2);
    if (GetParam().direction == Direction::Read) {
        EXPECT_TRUE(RadioHoldsImage(radio, loop.session.image()));
    } else {
        EXPECT_TRUE(RadioHoldsImage(radio, image));
    }
}

TEST_P(CloneFault, CancelSendsEndAndStops)
{
    SessionLoop loop(GetParam().direction, image, radio);
    loop.answers = {false};
    ASSERT_TRUE(loop.run());
    EXPECT_EQ(loop.session.state(), State::Cancelled);
    EXPECT_EQ(loop.notices, std::vector<Notice>{Notice::CheckConnection});
    EXPECT_EQ(loop.sent.back(), 'E');
    EXPECT_EQ(radio.messages().back(), Bytes{'E'});
    EXPECT_EQ(CountMessages(radio, 0x02), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CloneFault,
    ::testing::Values(
        FaultCase{"ReadNoHandshakeReply", Direction::Read, RadioModel::FaultKind::NoReply, 0},
        FaultCase{"ReadHandshakeWrongAck", Direction::Read, RadioModel::FaultKind::WrongAck, 0},
        FaultCase{"ReadNoIdentification", Direction::Read, RadioModel::FaultKind::NoReply, 1},
        FaultCase{"ReadShortIdentification", Direction::Read, RadioModel::FaultKind::ShortReply, 1},
        FaultCase{"ReadWrongAckAfterIdentify", Direction::Read, RadioModel::FaultKind::WrongAck, 1},
        FaultCase{"ReadNoBlockReply", Direction::Read, RadioModel::FaultKind::NoReply, 50},
        FaultCase{"ReadShortBlock", Direction::Read, RadioModel::FaultKind::ShortReply, 50},
        FaultCase{"ReadWrongBlockAck", Direction::Read, RadioModel::FaultKind::WrongAck, 100},
        FaultCase{"ReadLateLastBlock", Direction::Read, RadioModel::FaultKind::LateReply, 265},
        FaultCase{"ReadHangUp", Direction::Read, RadioModel::FaultKind::HangUp, 130},
        FaultCase{"ReadExtraByteAfterBlock", Direction::Read, RadioModel::FaultKind::ExtraBytes, 30},
        FaultCase{"WriteNoHandshakeReply", Direction::Write, RadioModel::FaultKind::NoReply, 0},
        FaultCase{"WriteWrongAckAfterIdentify", Direction::Write, RadioModel::FaultKind::WrongAck, 1},
        FaultCase{"WriteNoBlockAck", Direction::Write, RadioModel::FaultKind::NoReply, 102},
        FaultCase{"WriteWrongBlockAck", Direction::Write, RadioModel::FaultKind::WrongAck, 200},
        FaultCase{"WriteLateFirstBlock", Direction::Write, RadioModel::FaultKind::LateReply, 2},
        FaultCase{"WriteHangUp", Direction::Write, RadioModel::FaultKind::HangUp, 265},
        FaultCase{"WriteExtraByteAfterBlock", Direction::Write, RadioModel::FaultKind::ExtraBytes, 7, 8}),
    [](const auto& info) { return std::string(info.param.name); });

// A trailing byte after the handshake acknowledge becomes the first byte of
// the identification, which then no longer matches.
TEST(CloneFaultEdge, ExtraByteAfterHandshakeEndsAsModelMismatch)
{
    RadioModel radio(PatternMemory(2));
    MemoryImage image = PatternImage(2);
    MatchIdentification(image, radio);
    radio.addFault({RadioModel::FaultKind::ExtraBytes, 0});
    SessionLoop loop(Direction::Read, image, radio);
    ASSERT_TRUE(loop.run());
    EXPECT_EQ(loop.session.state(), State::Refused);
    EXPECT_EQ(loop.notices, std::vector<Notice>{Notice::ModelTypeWrong});
}

TEST(CloneFaultEdge, WrongIdentificationIsRefusedWithoutPrompt)
{
    RadioModel radio(PatternMemory(2));
    MemoryImage image = PatternImage(2);
    MatchIdentification(image, radio);
    radio.addFault({RadioModel::FaultKind::WrongIdent, 0});
    SessionLoop loop(Direction::Write, image, radio);
    ASSERT_TRUE(loop.run());
    EXPECT_EQ(loop.session.state(), State::Refused);
    EXPECT_EQ(CountMessages(radio, 'W'), 0);
    EXPECT_EQ(loop.sent.back(), 'E');
}

TEST(CloneRetry, MidWriteRetryResendsEveryBlockFromTheHandshake)
{
    RadioModel radio(PatternMemory(4));
    MemoryImage image = PatternImage(8);
    MatchIdentification(image, radio);
    radio.addFault({RadioModel::FaultKind::NoReply, 102});  // block 100 goes unanswered
    SessionLoop loop(Direction::Write, image, radio);
    loop.answers = {true};
    ASSERT_TRUE(loop.run());

    EXPECT_EQ(CountMessages(radio, 'W'), 101 + 264);
    EXPECT_EQ(CountMessages(radio, 0x02), 2);
    EXPECT_TRUE(RadioHoldsImage(radio, image));
    // The label starts over with its two-space form.
    const auto restart = std::find(loop.labels.begin() + 1, loop.labels.end(), "Completion percentage:  0%");
    ASSERT_NE(restart, loop.labels.end());
    EXPECT_EQ(*(restart - 1), "Completion percentage: 38%");  // 100 of 264 blocks
}

// --- single steps -----------------------------------------------------------

// A read of a blank radio, started: the handshake is out.
class CloneSteps : public ::testing::Test {
protected:
    CloneSteps() : session(Direction::Read, BlankImage()) { (void)session.start(); }
    // The handshake acknowledge and a blank radio's whole identification, in one go.
    static inline const Bytes kAckAndIdentification{0x06, 0xFF, 0xFF, 0xFF, 0xFF,
                                                    0xFF, 0xFF, 0xFF, 0xFF, 0x06};
    CloneSession session;
};

TEST_F(CloneSteps, StrayBytesBeforeTheHandshakeAckAreDroppedAndTheWaitRestarts)
{
    const auto stray = session.received(Bytes{0x15});
    EXPECT_TRUE(stray.send.empty());
    EXPECT_EQ(stray.deadline, CloneSession::Deadline::Arm);
    EXPECT_EQ(session.state(), State::Running);
    const auto ack = session.received(Bytes{0x06});
    EXPECT_EQ(ack.send, (Bytes{'M', 0x02}));
    EXPECT_EQ(session.awaitedLength(), 8);
}

TEST_F(CloneSteps, BytesBeyondAReplyStartTheNextOne)
{
    const auto actions = session.received(kAckAndIdentification);
    EXPECT_EQ(actions.send, (Bytes{'M', 0x02, 0x06, 'R', 0x00, 0x00, 0x08}));
    EXPECT_EQ(session.stepIndex(), 2);
    EXPECT_EQ(session.awaitedLength(), 12);
}

TEST_F(CloneSteps, ReadReplyHeaderIsNotExamined)
{
    (void)session.received(kAckAndIdentification);
    const auto actions = session.received(Bytes{0xAA, 0xBB, 0xCC, 0xDD, 1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(actions.send, Bytes{0x06});
    const MemoryImage result = session.image();
    for (int k = 0; k < 8; ++k) EXPECT_EQ(result.at(k, 0), k + 1);
    EXPECT_EQ(result.at(8, 0), 0xFF);
}

TEST_F(CloneSteps, NothingIsSentOrEvaluatedWhilePromptIsOpen)
{
    const auto timeout = session.deadlineExpired();
    EXPECT_EQ(timeout.notice, Notice::CheckConnection);
    EXPECT_EQ(timeout.deadline, CloneSession::Deadline::Stop);
    EXPECT_EQ(session.failureDetail(), "step 0 (handshake): awaited 1 bytes, received 0");

    EXPECT_TRUE(session.received(Bytes{0x06}).send.empty());
    EXPECT_TRUE(session.deadlineExpired().send.empty());
    EXPECT_EQ(session.state(), State::Prompting);

    const auto retry = session.answerPrompt(true);
    EXPECT_TRUE(retry.clearPort);
    EXPECT_EQ(retry.send, Bytes(kHandshakeIdentify.begin(), kHandshakeIdentify.begin() + 7));
    // The 06 that came during the prompt was not kept for the new handshake.
    EXPECT_EQ(session.awaitedLength(), 1);
    EXPECT_EQ(session.stepIndex(), 0);
}

TEST_F(CloneSteps, CancelWhileRunningSendsEndOnce)
{
    CloneSession writing(Direction::Write, BlankImage());
    (void)writing.start();
    EXPECT_EQ(writing.cancel().send, Bytes{'E'});
    EXPECT_EQ(writing.state(), State::Cancelled);
    EXPECT_TRUE(writing.cancel().send.empty());
    EXPECT_TRUE(writing.received(Bytes{0x06}).send.empty());
}

// --- progress label ---------------------------------------------------------

struct LabelCase {
    int blocks;
    const char* english;
};

class CloneLabel : public ::testing::TestWithParam<LabelCase> {
protected:
    void TearDown() override { SetLanguageIndex(0); }
};

TEST_P(CloneLabel, ShowsRoundedPercentOfBlocksMoved)
{
    RadioModel radio;
    const MemoryImage image = BlankImage();
    SessionLoop loop(Direction::Read, image, radio);
    ASSERT_TRUE(loop.run([&] { return loop.session.progress() == GetParam().blocks; }));
    EXPECT_EQ(loop.session.progressLabel(), GetParam().english);
    SetLanguageIndex(1);
    const std::string chinese = loop.session.progressLabel();
    EXPECT_EQ(chinese.substr(0, Text(TextId::CompletionPercentage).size()),
              Text(TextId::CompletionPercentage));
    EXPECT_EQ(chinese.substr(Text(TextId::CompletionPercentage).size()),
              std::string(GetParam().english).substr(21));
}

INSTANTIATE_TEST_SUITE_P(Percent, CloneLabel,
                         ::testing::Values(LabelCase{0, "Completion percentage:  0%"},
                                           LabelCase{1, "Completion percentage: 0%"},
                                           LabelCase{2, "Completion percentage: 1%"},
                                           LabelCase{33, "Completion percentage: 13%"},
                                           LabelCase{132, "Completion percentage: 50%"},
                                           LabelCase{263, "Completion percentage: 100%"},
                                           LabelCase{264, "Completion percentage: 100%"}),
                         [](const auto& info) { return "Blocks" + std::to_string(info.param.blocks); });

}  // namespace
