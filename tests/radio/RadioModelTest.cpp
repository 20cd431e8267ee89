#include <gtest/gtest.h>

#include <vector>

#include "radio/RadioModel.h"

// The simulator must refuse what a radio would, or an end-to-end test cannot
// catch an omitted or extra acknowledge.

namespace {

using Message = std::vector<std::uint8_t>;

const Message kHandshake = {0x02, 'P', 'R', 'O', 'G', 'R', 'A'};
const Message kIdentify = {'M', 0x02};
const Message kAck = {0x06};
const Message kRead0 = {'R', 0x00, 0x00, 0x08};
const Message kRead1 = {'R', 0x00, 0x08, 0x08};
const Message kWrite0 = {'W', 0x00, 0x00, 0x08, 1, 2, 3, 4, 5, 6, 7, 8};
const Message kWrite1 = {'W', 0x00, 0x08, 0x08, 1, 2, 3, 4, 5, 6, 7, 8};
const Message kEnd = {'E'};

struct OrderCase {
    const char* name;
    std::vector<Message> messages;
    bool violation;  // by the last message
};

class RadioModelOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(RadioModelOrder, MessagesOutOfTurnAreRecordedAndGoUnanswered)
{
    RadioModel radio;
    const std::vector<Message>& messages = GetParam().messages;
    for (std::size_t i = 0; i + 1 < messages.size(); ++i) {
        EXPECT_FALSE(radio.receive(messages[i]).empty() && messages[i] != kEnd) << "message " << i;
    }
    const std::vector<RadioModel::Reply> last = radio.receive(messages.back());
    EXPECT_EQ(radio.violations().size(), GetParam().violation ? 1u : 0u);
    if (!GetParam().violation) return;
    EXPECT_TRUE(last.empty());
    // Silent until the next handshake, which starts afresh.
    EXPECT_TRUE(radio.receive(kAck).empty());
    EXPECT_TRUE(radio.receive(kIdentify).empty());
    const std::vector<RadioModel::Reply> restart = radio.receive(kHandshake);
    ASSERT_EQ(restart.size(), 1u);
    EXPECT_EQ(restart[0].bytes, Message{0x06});
    EXPECT_EQ(radio.receive(kIdentify).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, RadioModelOrder,
    ::testing::Values(
        OrderCase{"ReadInTurn", {kHandshake, kIdentify, kAck, kRead0, kAck, kRead1, kAck, kEnd}, false},
        OrderCase{"WriteInTurn", {kHandshake, kIdentify, kAck, kWrite0, kWrite1, kEnd}, false},
        OrderCase{"IdentifyBeforeHandshake", {kIdentify}, true},
        OrderCase{"BlockBeforeIdentifyAcknowledge", {kHandshake, kIdentify, kRead0}, true},
        OrderCase{"ReadBlockWithoutAcknowledge", {kHandshake, kIdentify, kAck, kRead0, kRead1}, true},
        OrderCase{"AcknowledgeBetweenWriteBlocks", {kHandshake, kIdentify, kAck, kWrite0, kAck}, true},
        OrderCase{"WriteInsideARead", {kHandshake, kIdentify, kAck, kRead0, kAck, kWrite1}, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
