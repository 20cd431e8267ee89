#include "document/DocumentSession.h"

#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "core/BandTable.h"
#include "core/ChannelView.h"
#include "core/DocumentState.h"
#include "core/FreqCodec.h"
#include "core/Layout.h"
#include "files/DataFile.h"
#include "strings/Strings.h"
#include "support/NewDocumentFor.h"

namespace {

constexpr int kRx = 1;

struct Session : ::testing::Test {
    Session() { TakeSnapshot(state); }
    AppState state = NewDocumentFor(239);
    DocumentSession session{state};
};

TEST_F(Session, EveryEditIsOneNamedStepThatUndoTakesBackWhole)
{
    EXPECT_FALSE(session.TypeFrequency(3, kRx, "145.5"));
    EXPECT_TRUE(IsModified(state));
    ASSERT_TRUE(session.history().canUndo());
    EXPECT_EQ(session.history().undoName(), (StepName{TextId::RxFreq, 3}));
    EXPECT_EQ(session.UndoCaption(),
              TextWith(TextId::UndoStep, {TextWith(TextId::ChannelStep, {"3", Text(TextId::RxFreq)})}));

    // Nothing changed, nothing recorded; a step inside a step is the outer one.
    EXPECT_FALSE(session.RecordStep({TextId::Model}, [] {}));
    EXPECT_TRUE(session.RecordStep({TextId::Import}, [&] {
        session.SetPower(3);
        session.DeleteChannel(3);
    }));
    EXPECT_EQ(session.history().size(), 2u);

    ASSERT_TRUE(session.Undo());
    EXPECT_TRUE(NormalizeAndDescribeChannel(state, 2).present);
    ASSERT_TRUE(session.Undo());
    EXPECT_FALSE(IsModified(state));
    EXPECT_FALSE(session.Undo());
    EXPECT_EQ(session.UndoCaption(), Text(TextId::Undo));
    ASSERT_TRUE(session.Redo());
    EXPECT_EQ(FreqToText(state.memoryImage, 2, layout::kRxFreqRow), "145.50000");
}

TEST_F(Session, OpensSavesAndRefusesDataFiles)
{
    std::ifstream file(ZQ_CORPUS_DIR "/channels-239.dat", std::ios::binary);
    const ByteBuffer bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(bytes.empty());
    session.TypeFrequency(1, kRx, "150");

    ASSERT_TRUE(session.Open(bytes, "/tmp/a.dat"));
    EXPECT_FALSE(IsModified(state));
    EXPECT_FALSE(session.history().canUndo());
    EXPECT_EQ(state.documentPath, "/tmp/a.dat");
    EXPECT_EQ(session.SaveBytes(), EncodeDataFile(*DecodeDataFile(bytes)));

    const MemoryImage opened = state.memoryImage;
    const ByteBuffer damaged(bytes.begin(), bytes.begin() + std::ptrdiff_t(bytes.size() / 2));
    for (const ByteBuffer& bad :
         {ByteBuffer{}, ByteBuffer{'Z', 'Q'}, damaged, ByteBuffer(kMaxDataFileBytes + 1, 0)})
        EXPECT_FALSE(session.Open(bad, "/tmp/b.dat"));
    EXPECT_EQ(state.memoryImage, opened);
    EXPECT_EQ(state.documentPath, "/tmp/a.dat");
}

TEST_F(Session, ImportIsOneStepAndARefusalChangesNothing)
{
    session.TypeFrequency(1, kRx, "150");
    const std::string csv = session.ExportCsv();
    session.DeleteChannel(1);
    const std::size_t steps = session.history().size();

    const ChannelImport refused = session.ImportCsv("not,a,channel,list\r\n");
    EXPECT_FALSE(refused.error.empty());
    EXPECT_EQ(session.history().size(), steps);

    const ChannelImport imported = session.ImportCsv(csv);
    ASSERT_TRUE(imported.error.empty()) << imported.error;
    EXPECT_EQ(imported.imported, 1);
    EXPECT_EQ(session.history().undoName(), StepName{TextId::Import});
    EXPECT_EQ(FreqToText(state.memoryImage, 0, layout::kRxFreqRow), "150.00000");
}

TEST_F(Session, ChannelCommandsKeepTheirConditions)
{
    session.TypeFrequency(1, kRx, "150");
    const std::optional<CellNotice> outside = session.CopyChannelTo(1, "129");
    ASSERT_TRUE(outside);
    EXPECT_EQ(outside->textId, TextId::ChannelOutOfRange);
    EXPECT_FALSE(session.CopyChannelTo(1, " 128 "));
    EXPECT_FALSE(session.CanInsert());
    EXPECT_FALSE(session.InsertChannel(1));
    session.DeleteChannel(128);
    EXPECT_TRUE(session.InsertChannel(1));
    EXPECT_TRUE(NormalizeAndDescribeChannel(state, 1).present);

    session.CopyTone(2, "88.5");  // no TX yet
    EXPECT_EQ(session.history().undoName(), StepName{TextId::InsertChannel});
    ASSERT_TRUE(session.CopyFrequency(2, "190"));  // stored at the band's top, and said so
    session.CopyTone(2, "88.5");
    EXPECT_EQ(NormalizeAndDescribeChannel(state, 1).text[3], "88.5");
}

TEST_F(Session, AnotherBandStartsAFreshDocument)
{
    session.TypeFrequency(1, kRx, "150");
    session.SetBand(GeneralSettingsIndexes(state.memoryImage).band);
    EXPECT_TRUE(session.history().canUndo());
    session.SetBand(10);  // 248: eight channels, reduced tones
    EXPECT_EQ(state.channelCount, 8);
    EXPECT_EQ(state.toneListLast, 38);
    EXPECT_EQ(state.documentPath, kUntitled);
    EXPECT_FALSE(IsModified(state));
    EXPECT_FALSE(session.history().canUndo());
}

}  // namespace
