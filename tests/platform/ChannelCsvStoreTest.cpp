#include "platform/ChannelCsvStore.h"

#include <gtest/gtest.h>

#include <QString>

#include "core/BandTable.h"
#include "core/ChannelEntry.h"
#include "core/ChannelView.h"
#include "core/NewDocument.h"
#include "support/LanguageGuard.h"
#include "support/NewDocumentFor.h"
#include "support/TypedChannelOf.h"

namespace {

// Every channel the grid shows: "CH: RX TX Decode Encode W/N Scan Power Signal PTT-ID BCL", in English.
std::vector<std::string> Channels(const MemoryImage& image)
{
    const LanguageGuard english(0);
    AppState state;
    state.memoryImage = image;
    SetBandLimits(state);
    ApplyBandLayout(state);
    std::vector<std::string> lines;
    for (int column = 0; column < state.channelCount; ++column) {
        const ChannelCells cells = NormalizeAndDescribeChannel(state, column);
        if (!cells.present) continue;
        std::string line = std::to_string(column + 1) + ":";
        for (const std::string& text : cells.text) line += " " + (text.empty() ? "-" : text);
        lines.push_back(line);
    }
    return lines;
}

struct FileCase {
    const char* file;  // in tests/files/data
    std::uint8_t band;
    std::uint8_t language;
    std::vector<std::string> channels;  // after the import; "8: ..." is the document's own channel
    std::string report;
};

class ChannelListFiles : public testing::TestWithParam<FileCase> {};

// Each file goes into a document of its band that already holds channel 8.
TEST_P(ChannelListFiles, ImportTheirChannelsAndReportTheSkippedLines)
{
    const FileCase& c = GetParam();
    AppState document = NewDocumentFor(c.band);
    ASSERT_EQ(TypeChannel(document, 7, Typed(std::to_string(document.bandLowerMHz + 1))), TypingFault::kNone);
    const LanguageGuard language(c.language);
    const ChannelImport result =
        ImportChannelsCsvFrom(QStringLiteral(ZQ_TEST_DATA "/") + c.file, document.memoryImage);
    EXPECT_EQ(ImportReportText(result), c.report);
    EXPECT_EQ(Channels(result.image), c.channels);
}

const std::string kOther = " Wide Add High DTMF On Off";
const std::string kNarrow = " Narrow Add High DTMF On Off";

INSTANTIATE_TEST_SUITE_P(
    Generic, ChannelListFiles,
    testing::Values(
        FileCase{
            "whole-number-tones.csv",
            239,
            0,
            {"1: 145.15000 144.55000 None 67.0" + kOther, "2: 146.61000 146.01000 100.0 100.0" + kOther,
             "3: 147.30000 147.90000 123.0 123.0" + kNarrow, "4: 145.00000 145.00000 None 88.5" + kOther,
             "5: 146.94000 146.34000 107.2 107.2" + kOther, "9: 145.35000 145.35000 D025N D025N" + kOther},
            "6 channels imported.\nSkipped rows:\nLine 7: Tone mode Tone needs a value in rToneFreq\n"
            "Line 8: Duplex + needs the offset in Offset\nLine 9: unknown QT/DQT \"98.5\""},
        FileCase{"padding-rows.csv",
                 239,
                 0,
                 {"1: 146.52000 146.52000 None None" + kOther,
                  "2: 146.55000 146.55000 None None Wide Del High DTMF On Off",
                  "3: 147.42000 147.42000 None None" + kNarrow},
                 "3 channels imported.\nLocations counted from 0 (0 is channel 1)"},
        FileCase{
            "semicolon-decimal-comma.csv",
            239,
            0,
            {"1: 145.61250 145.01250 None 77.0" + kOther, "3: 145.50000 145.50000 123.0 123.0" + kNarrow},
            "2 channels imported.\nSkipped rows:\nLine 3: frequency 438,950000 is outside the band"},
        FileCase{"gb18030-names.csv",
                 246,
                 0,
                 {"1: 439.46000 434.46000 88.5 88.5" + kOther, "2: 438.50000 433.50000 D131N D131N" + kOther,
                  "3: 435.00000 435.00000 None None" + kNarrow},
                 "3 channels imported.\nThe file is not UTF-8 and was read as GB18030.\nSkipped rows:\n"
                 "Line 5: frequency 145 is outside the band"},
        FileCase{"gb18030-names.csv",
                 246,
                 1,
                 {"1: 439.46000 434.46000 88.5 88.5" + kOther, "2: 438.50000 433.50000 D131N D131N" + kOther,
                  "3: 435.00000 435.00000 None None" + kNarrow},
                 "已导入 3 个信道。\n该文件不是 UTF-8 编码，已按 GB18030 读取。\n跳过的行：\n"
                 "第 5 行：频率 145 超出频段"},
        FileCase{"cr-only.csv",
                 239,
                 0,
                 {"1: 156.80000 156.80000 None None" + kOther, "2: 156.30000 156.30000 None None" + kOther,
                  "3: 162.55000 - None -" + kOther},
                 "3 channels imported.\nSkipped rows:\nLine 5: unsupported mode \"AM\""},
        FileCase{"pmr446.csv",
                 239,
                 0,
                 {"8: 137.00000 - None -" + kOther},
                 "No channel could be imported: every row was skipped (band 136 - 174 MHz).\nSkipped rows:\n"
                 "Line 2: frequency 446.006250 is outside the band\n"
                 "Line 3: frequency 446.018750 is outside the band\n"
                 "Line 4: frequency 446.031250 is outside the band"},
        FileCase{"pmr446.csv",
                 248,
                 0,
                 {"1: 446.00625 446.00625 None None" + kNarrow, "2: 446.01875 446.01875 None None" + kNarrow,
                  "3: 446.03125 446.03125 67.0 67.0" + kNarrow},
                 "3 channels imported."},
        FileCase{"split-and-priority.csv",
                 239,
                 0,
                 {"2: 147.00000 146.40000 None 103.5" + kOther,
                  "4: 146.46000 146.46000 None None Wide Del High DTMF On Off"},
                 "2 channels imported.\nSkipped rows:\nLine 2: frequency 435.800000 is outside the band\n"
                 "Line 4: Duplex split needs the TX frequency in Offset\nLine 6: unknown Skip \"X\""},
        FileCase{"cp1252-names.csv",
                 239,
                 0,
                 {"8: 137.00000 - None -" + kOther},
                 "The file is not UTF-8 text. Open it in the spreadsheet, save it again with the file type "
                 "\"CSV UTF-8\" and import that file."}),
    [](const testing::TestParamInfo<FileCase>& info) {
        std::string name = std::string(info.param.file) + "_band" + std::to_string(info.param.band) +
                           (info.param.language ? "_Chinese" : "");
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

}  // namespace
