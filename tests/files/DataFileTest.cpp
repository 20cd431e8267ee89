#include "files/DataFile.h"

#include <gtest/gtest.h>

#include <random>

#include "core/Layout.h"
#include "support/NewDocumentFor.h"

namespace {

MemoryImage RandomImage(unsigned seed)
{
    std::mt19937 random(seed);
    MemoryImage image;
    for (auto& byte : image.bytes()) byte = static_cast<std::uint8_t>(random());
    return image;
}

TEST(DataFile, NewDocumentEncodesTo58BytesWithFivePassesAndReadsBack)
{
    const MemoryImage image = NewDocumentFor(240, 58).memoryImage;
    const ByteBuffer file = EncodeDataFile(image);
    EXPECT_EQ(file.size(), 58u);
    EXPECT_EQ(file.back(), 5);
    const std::optional<MemoryImage> back = DecodeDataFile(file);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, image);
}

TEST(DataFile, PlainFormStoresTheImageColumnByColumnBehindTheSignature)
{
    MemoryImage image = NewDocumentFor(243, 57).memoryImage;
    image.set(3, 0, 0x43);
    image.set(15, 255, 0x12);
    const ByteBuffer plain = BuildPlainForm(image);
    ASSERT_EQ(plain.size(), 4112u);
    EXPECT_EQ(std::string(plain.begin(), plain.begin() + 6), "ZQ-915");
    for (int i = 6; i < 16; ++i) EXPECT_EQ(plain[i], 0xFF) << i;
    EXPECT_EQ(plain[16 + 3], 0x43);
    EXPECT_EQ(plain[2074], 243);  // band code
    EXPECT_EQ(plain[2075], 57);   // model code
    EXPECT_EQ(plain[2080], 5);    // column 129, row 0
    EXPECT_EQ(plain[4111], 0x12);
}

TEST(DataFile, EveryByteSurvivesTheRoundTripIncludingUninterpretedColumns)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        const MemoryImage image = RandomImage(seed);
        const std::optional<MemoryImage> back = DecodeDataFile(EncodeDataFile(image));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, image);
    }
}

TEST(DataFile, HeaderPaddingIsNotChecked)
{
    ByteBuffer plain = BuildPlainForm(NewDocumentFor(240, 58).memoryImage);
    for (int i = 6; i < 16; ++i) plain[i] = static_cast<std::uint8_t>(i);
    EXPECT_TRUE(ParsePlainForm(plain).has_value());
    EncodeFile(plain);
    EXPECT_TRUE(DecodeDataFile(plain).has_value());
}

// Anything that is not an encoded 4112-byte "ZQ-915" form is refused.
struct NotADataFile {
    const char* name;
    ByteBuffer bytes;
};

ByteBuffer EncodedPlainWith(void (*change)(ByteBuffer&))
{
    ByteBuffer plain = BuildPlainForm(NewDocumentFor(240, 58).memoryImage);
    change(plain);
    EncodeFile(plain);
    return plain;
}

class RejectedFile : public testing::TestWithParam<NotADataFile> {};

TEST_P(RejectedFile, DecodesToNothing) { EXPECT_FALSE(DecodeDataFile(GetParam().bytes).has_value()); }

INSTANTIATE_TEST_SUITE_P(
    Files, RejectedFile,
    testing::Values(NotADataFile{"Empty", {}},
                    NotADataFile{"PlainUnencodedForm", BuildPlainForm(NewDocumentFor(240, 58).memoryImage)},
                    NotADataFile{"LowerCaseSignature", EncodedPlainWith([](ByteBuffer& p) { p[0] = 'z'; })},
                    NotADataFile{"OneByteShort", EncodedPlainWith([](ByteBuffer& p) { p.pop_back(); })},
                    NotADataFile{"OneByteLong", EncodedPlainWith([](ByteBuffer& p) { p.push_back(0xFF); })},
                    NotADataFile{"Text", ByteBuffer{'h', 'e', 'l', 'l', 'o', '\n'}}),
    [](const testing::TestParamInfo<NotADataFile>& info) { return info.param.name; });

TEST(DataFile, TruncatedAndCorruptedFilesNeverDecode)
{
    const ByteBuffer file = EncodeDataFile(RandomImage(7));
    for (std::size_t length = 0; length < file.size(); length += 97) {
        EXPECT_FALSE(
            DecodeDataFile(ByteBuffer(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length))))
            << length;
    }
    std::mt19937 random(11);
    for (int round = 0; round < 200; ++round) {
        ByteBuffer bad = EncodeDataFile(NewDocumentFor(240, 58).memoryImage);
        bad[random() % bad.size()] = static_cast<std::uint8_t>(random());
        // Must return (any answer) without touching memory it does not own.
        (void)DecodeDataFile(bad);
    }
}

}  // namespace
