#include "files/FileCodec.h"

#include <gtest/gtest.h>

#include <random>

namespace {

ByteBuffer Bytes(std::string_view text) { return ByteBuffer(text.begin(), text.end()); }

// `count` distinct bytes, none equal to 0xFF.
ByteBuffer Distinct(int count)
{
    ByteBuffer bytes;
    for (int i = 0; i < count; ++i) bytes.push_back(static_cast<std::uint8_t>(i % 255));
    return bytes;
}

ByteBuffer ForcedPass(ByteBuffer buffer)
{
    bool keepGoing = false;  // no acceptance check: the pass is always applied
    EliminatePass(buffer, keepGoing);
    return buffer;
}

ByteBuffer Encoded(ByteBuffer buffer)
{
    EncodeFile(buffer);
    return buffer;
}

TEST(EliminatePass, AbracadabraGivesTheWorkedPass)
{
    const ByteBuffer expected{0x00, 0x00, 0x06, 0x61, 0x00, 0x00, 0x05, 0x4A,
                              0x48, 0x62, 0x72, 0x63, 0x64, 0x62, 0x72};
    EXPECT_EQ(ForcedPass(Bytes("abracadabra")), expected);
}

TEST(EncodeFile, AbracadabraPassDoesNotPaySoOnlyTheCountIsAppended)
{
    ByteBuffer expected = Bytes("abracadabra");
    expected.push_back(0x00);
    EXPECT_EQ(Encoded(Bytes("abracadabra")), expected);
}

TEST(EliminatePass, TieGoesToTheHighestByteValue)
{
    const ByteBuffer pass = ForcedPass({0x00, 0xFF, 0x00, 0xFF, 0x10});
    ASSERT_GE(pass.size(), 4u);
    EXPECT_EQ(pass[3], 0xFF);
}

// A run of non-V bytes, then two V bytes: the run length picks the code.
struct GapCase {
    int gap;
    ByteBuffer codes;  // section A after V and M
};

class GapCodes : public testing::TestWithParam<GapCase> {};

TEST_P(GapCodes, RunLengthGivesTheExpectedCodesAndRestores)
{
    ByteBuffer input = Distinct(GetParam().gap);
    input.push_back(0xFF);
    input.push_back(0xFF);
    ByteBuffer pass = ForcedPass(input);
    const std::size_t aLength = (pass[0] << 16) | (pass[1] << 8) | pass[2];
    ASSERT_EQ(aLength, 4 + GetParam().codes.size());
    EXPECT_EQ(ByteBuffer(pass.begin() + 7, pass.begin() + 3 + aLength), GetParam().codes);
    ASSERT_TRUE(RestorePass(pass));
    EXPECT_EQ(pass, input);
}

INSTANTIATE_TEST_SUITE_P(Gaps, GapCodes,
                         testing::Values(GapCase{0, {0x60}}, GapCase{5, {0x03}}, GapCase{7, {0x80, 0x40}},
                                         GapCase{8, {0x81, 0x40}}, GapCase{133, {0xFE, 0x40}},
                                         GapCase{134, {0xFF, 0x60}}, GapCase{135, {0xFF, 0x30}},
                                         GapCase{268, {0xFF, 0xFF, 0x60}}),
                         [](const testing::TestParamInfo<GapCase>& info) {
                             return "Gap" + std::to_string(info.param.gap);
                         });

// Repeated gaps between sparse V bytes, through a forced pass and the whole file codec.
class SparseRoundTrip : public testing::TestWithParam<int> {};

TEST_P(SparseRoundTrip, PassAndFileRestoreTheInput)
{
    const int gap = GetParam();
    ByteBuffer input;
    for (int k = 0; k < 6; ++k) {
        input.push_back(0xFF);
        for (int i = 0; i < gap; ++i) input.push_back(static_cast<std::uint8_t>((k * gap + i) % 251));
    }
    ByteBuffer pass = ForcedPass(input);
    ASSERT_TRUE(RestorePass(pass));
    EXPECT_EQ(pass, input);
    ByteBuffer file = Encoded(input);
    ASSERT_TRUE(DecodeFile(file));
    EXPECT_EQ(file, input);
}

INSTANTIATE_TEST_SUITE_P(Gaps, SparseRoundTrip, testing::Values(1, 6, 7, 8, 13, 14, 133, 134, 135, 300),
                         [](const testing::TestParamInfo<int>& info) {
                             return "Gap" + std::to_string(info.param);
                         });

TEST(FileCodec, RandomBuffersRoundTrip)
{
    std::mt19937 random(915);
    for (int round = 0; round < 300; ++round) {
        const int size = 1 + static_cast<int>(random() % 3000);
        const int alphabet = 1 + static_cast<int>(random() % 256);
        ByteBuffer input(size);
        for (auto& byte : input) byte = static_cast<std::uint8_t>(random() % alphabet);
        ByteBuffer file = Encoded(input);
        ASSERT_TRUE(DecodeFile(file)) << "round " << round;
        ASSERT_EQ(file, input) << "round " << round;
    }
}

TEST(FileCodec, OneRepeatedValueRoundTrips)
{
    for (const int size : {1, 2, 7, 8, 135, 4112}) {
        const ByteBuffer input(size, 0x5A);
        ByteBuffer file = Encoded(input);
        ASSERT_TRUE(DecodeFile(file)) << size;
        EXPECT_EQ(file, input) << size;
    }
}

// A kept pass may lengthen the buffer by one byte at most, unless V occurs 1100 times.
struct AcceptanceCase {
    const char* name;
    ByteBuffer input;
    bool kept;
};

ByteBuffer IsolatedValues(int count)
{
    ByteBuffer bytes;
    for (int k = 0; k < count; ++k) {
        for (int i = 0; i < 7; ++i) bytes.push_back(static_cast<std::uint8_t>((k * 7 + i) % 255));
        bytes.push_back(0xFF);
    }
    return bytes;
}

class Acceptance : public testing::TestWithParam<AcceptanceCase> {};

TEST_P(Acceptance, PassIsKeptOnlyWhenItPays)
{
    ByteBuffer buffer = GetParam().input;
    bool keepGoing = true;
    EliminatePass(buffer, keepGoing);
    EXPECT_EQ(keepGoing, GetParam().kept);
    if (!GetParam().kept) {
        EXPECT_EQ(buffer, GetParam().input);
    }
}

INSTANTIATE_TEST_SUITE_P(Rule, Acceptance,
                         testing::Values(AcceptanceCase{"LongerByOne", ByteBuffer(7, 0x33), true},
                                         AcceptanceCase{"LongerByTwo", ByteBuffer(6, 0x33), false},
                                         AcceptanceCase{"Longer1100Times", IsolatedValues(1100), true},
                                         AcceptanceCase{"Longer1099Times", IsolatedValues(1099), false}),
                         [](const testing::TestParamInfo<AcceptanceCase>& info) { return info.param.name; });

// Malformed input is an error value, never a crash or an out-of-bounds access.
struct BadInput {
    const char* name;
    ByteBuffer bytes;
};

class DecodeBadInput : public testing::TestWithParam<BadInput> {};

TEST_P(DecodeBadInput, IsRejected)
{
    ByteBuffer bytes = GetParam().bytes;
    EXPECT_FALSE(DecodeFile(bytes));
}

INSTANTIATE_TEST_SUITE_P(
    Garbage, DecodeBadInput,
    testing::Values(BadInput{"Empty", {}}, BadInput{"PassOnEmptyBody", {0x01}},
                    BadInput{"HeaderCut", {0x00, 0x00, 0x04, 0x61, 0x00, 0x01}},
                    BadInput{"SectionALongerThanBuffer",
                             {0x00, 0x00, 0x40, 0x61, 0x00, 0x00, 0x01, 0x40, 0x01}},
                    BadInput{"SectionATooShort", {0x00, 0x00, 0x02, 0x61, 0x00, 0x00, 0x01, 0x40, 0x01}},
                    BadInput{"CodesRunOut", {0x00, 0x00, 0x05, 0x61, 0x00, 0x00, 0x09, 0x7F, 0x01}},
                    BadInput{"SectionBRunsOut", {0x00, 0x00, 0x05, 0x61, 0x00, 0x00, 0x01, 0x90, 0x62, 0x01}},
                    BadInput{"GroupReadsPastB", {0x00, 0x00, 0x05, 0x61, 0x00, 0x00, 0x01, 0x01, 0x01}},
                    BadInput{"HugeCount", {0x00, 0x00, 0x05, 0x61, 0xFF, 0xFF, 0xFF, 0x7F, 0x01}},
                    BadInput{"TooManyPasses", {0x00, 0x00, 0x05, 0x61, 0x00, 0x00, 0x01, 0x40, 0xFF}}),
    [](const testing::TestParamInfo<BadInput>& info) { return info.param.name; });

TEST(DecodeFile, EveryTruncationOfAValidFileIsHandled)
{
    ByteBuffer input;
    for (int i = 0; i < 600; ++i) input.push_back(static_cast<std::uint8_t>(i % 5 == 0 ? i : 0xFF));
    const ByteBuffer file = Encoded(input);
    ASSERT_GT(file.back(), 0);
    for (std::size_t length = 0; length < file.size(); ++length) {
        ByteBuffer cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
        if (DecodeFile(cut)) {
            EXPECT_NE(cut, input) << length;
        }
    }
}

TEST(DecodeFile, SizeBoundRejectsOversizedResults)
{
    ByteBuffer file = Encoded(ByteBuffer(5000, 0x00));
    ByteBuffer copy = file;
    EXPECT_FALSE(DecodeFile(file, 4999));
    ASSERT_TRUE(DecodeFile(copy, 5000));
    EXPECT_EQ(copy, ByteBuffer(5000, 0x00));
}

}  // namespace
