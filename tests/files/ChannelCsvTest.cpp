#include "files/ChannelCsv.h"

#include <gtest/gtest.h>

#include "core/ChannelEntry.h"
#include "core/ChannelView.h"
#include "core/FreqCodec.h"
#include "core/Layout.h"
#include "core/ToneCodec.h"
#include "files/CsvTable.h"
#include "support/LanguageGuard.h"
#include "support/NewDocumentFor.h"
#include "support/TypedChannelOf.h"

namespace {

std::vector<std::string> Cells(const MemoryImage& image, int channel)
{
    AppState state;
    state.memoryImage = image;
    SetBandLimits(state);
    ApplyBandLayout(state);
    const ChannelCells cells = NormalizeAndDescribeChannel(state, channel - 1);
    return {cells.text.begin(), cells.text.end()};
}

TEST(CsvTable, QuotesOnlyWhereNeededAndReadsItBackWithLineNumbers)
{
    const std::vector<std::string> awkward = {"plain", "a,b", "say \"hi\"", "two\nlines", " padded", ""};
    const std::string line = CsvLine(awkward);
    EXPECT_EQ(line, "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\" padded\",\r\n");
    const auto rows = ParseCsv(
        "\xEF\xBB\xBF"
        "h1,h2\r\n\r\n" +
        line + "last,row");
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 3u);
    EXPECT_EQ((*rows)[1].fields, awkward);
    EXPECT_EQ((*rows)[1].line, 3);
    EXPECT_EQ((*rows)[2].line, 5);  // the quoted line break counts
    EXPECT_FALSE(ParseCsv("a,\"never closed\r\n"));
    EXPECT_FALSE(ParseCsv(std::string("a,b\0c", 5)));
    EXPECT_FALSE(ParseCsv("a,\xC3(bad"));
}

TEST(ChannelCsv, ExportThenImportGivesTheSameChannelsByteForByte)
{
    AppState state = NewDocumentFor(239);
    const TypedChannel typed[] = {
        Typed("136"),
        Typed("174"),
        Typed("145.5", "145.5", "D754I", "D023N", {1, 1, 0, 0, 0, 2}),
        Typed("146.5187", "146.0", "254.1", "67.0", {0, 0, 1, 1, 1, 1}),
        Typed("150", "", "100.0"),
    };
    const int channels[] = {1, 2, 64, 100, 128};
    for (int i = 0; i < 5; ++i) ASSERT_EQ(TypeChannel(state, channels[i] - 1, typed[i]), TypingFault::kNone);

    const std::string csv = ExportChannelsCsv(state.memoryImage);
    EXPECT_EQ(csv.substr(0, csv.find('\n') + 1),
              "CH,RX Freq,TX Freq,Decode,Encode,W/N,Scan,TX Power,Opt Signal,PTT ID,BCL\r\n");
    EXPECT_NE(csv.find("\r\n64,145.50000,145.50000,D754I,D023N,Narrow,Del,Low,None,Off,QT/DQT\r\n"),
              std::string::npos);
    EXPECT_NE(csv.find("\r\n128,150.00000,,100.0,,Wide,Add,High,DTMF,On,Off\r\n"), std::string::npos);

    const ChannelImport back = ImportChannelsCsv(csv, NewDocumentFor(239).memoryImage);
    EXPECT_EQ(back.imported, 5);
    EXPECT_TRUE(back.skipped.empty());
    EXPECT_EQ(back.image, state.memoryImage);

    // Chinese cell texts (a file edited from a Chinese screen) read the same.
    std::string chinese = "CH,RX Freq,TX Freq,Decode,Encode,W/N,Scan,TX Power,Opt Signal,PTT ID,BCL\r\n";
    chinese += "64,145.50000,145.50000,D754I,D023N,窄,删除,低,无,关,QT/DQT\r\n";
    const ChannelImport fromChinese = ImportChannelsCsv(chinese, NewDocumentFor(239).memoryImage);
    ASSERT_EQ(fromChinese.imported, 1);
    for (int row = 0; row < 16; ++row)
        EXPECT_EQ(fromChinese.image.at(row, 63), state.memoryImage.at(row, 63));
}

TEST(ChannelCsv, ExportIsEnglishOnAChineseScreen)
{
    AppState state = NewDocumentFor(239);
    ASSERT_EQ(TypeChannel(state, 0, Typed("145")), TypingFault::kNone);
    const LanguageGuard chinese(1);
    EXPECT_NE(ExportChannelsCsv(state.memoryImage).find("1,145.00000,,None,,Wide,Add,High,DTMF,On,Off\r\n"),
              std::string::npos);
}

TEST(ChannelCsv, GenericPlanImportsWithAReportNamingTheSkippedRows)
{
    const std::string plan =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,"
        "Skip,"
        "Comment\r\n"
        "0,RPT1,146.940000,-,0.600000,Tone,100.0,88.5,023,NN,FM,5.00,,\r\n"
        "1,RPT2,147.120000,+,0.600000,TSQL,88.5,127.3,023,NN,NFM,5.00,S,\r\n"
        "2,DCS,145.500000,,0.000000,DTCS,88.5,88.5,754,RN,FM,5.00,,\r\n"
        "3,SPLIT,144.390000,split,146.000000,,88.5,88.5,023,NN,FM,5.00,,\r\n"
        "4,UHF,440.000000,,0.000000,,88.5,88.5,023,NN,FM,5.00,,\r\n"
        "5,WX,162.550000,,0.000000,,88.5,88.5,023,NN,AM,5.00,,\r\n"
        "1,AGAIN,146.520000,,0.000000,,88.5,88.5,023,NN,FM,5.00,,\r\n"
        "7,\"Simplex, RX only\",146.520000,off,0.000000,,88.5,88.5,23,NN,FM,5.00,,\r\n";
    MemoryImage document = NewDocumentFor(239).memoryImage;
    document.set(layout::kPowerLevelRow, layout::kSettingsColumn, 3);

    const ChannelImport result = ImportChannelsCsv(plan, document);
    EXPECT_EQ(ImportReportText(result),
              "5 channels imported.\nLocations counted from 0 (0 is channel 1)\nSkipped rows:\nLine 6: frequency 440.000000 is outside the band\n"
              "Line 7: unsupported mode \"AM\"\nLine 8: channel 2 was already filled by line 3");
    using Row = std::vector<std::string>;
    EXPECT_EQ(Cells(result.image, 1),
              (Row{"146.94000", "146.34000", "None", "100.0", "Wide", "Add", "High", "DTMF", "On", "Off"}));
    EXPECT_EQ(Cells(result.image, 2), (Row{"147.12000", "147.72000", "127.3", "127.3", "Narrow", "Del",
                                           "High", "DTMF", "On", "Off"}));
    EXPECT_EQ(Cells(result.image, 3)[2], "D754N");
    EXPECT_EQ(Cells(result.image, 3)[3], "D754I");
    EXPECT_EQ(Cells(result.image, 4)[1], "146.00000");
    EXPECT_EQ(Cells(result.image, 8)[0], "146.52000");
    EXPECT_EQ(Cells(result.image, 8)[1], "");
    EXPECT_EQ(Cells(result.image, 5)[0], "");
    EXPECT_EQ(result.image.at(layout::kPowerLevelRow, layout::kSettingsColumn), 3);  // settings stay
}

TEST(ChannelCsv, RefusedFilesChangeNothingAndSayWhy)
{
    AppState state = NewDocumentFor(239);
    ASSERT_EQ(TypeChannel(state, 4, Typed("145")), TypingFault::kNone);
    const std::pair<std::string, std::string> cases[] = {
        {"CH,RX Freq\r\n1,\"145\r\n", "The file is not a CSV file."},
        {"Channel;Frequency\r\n1;145\r\n",
         "The file has no recognised header line (separators tried: comma, semicolon, tab)."},
        {std::string(kMaxChannelCsvBytes + 1, ' '), "The file is larger than 1 MiB."},
    };
    for (const auto& [file, message] : cases) {
        const ChannelImport result = ImportChannelsCsv(file, state.memoryImage);
        EXPECT_EQ(result.error, message);
        EXPECT_EQ(result.image, state.memoryImage);
    }
}

TEST(ChannelCsv, BadGridRowsAreSkippedWholeAndTheReportStopsAtTwenty)
{
    std::string file = " bcl , ch ,rx freq,W/N,Extra\r\n";
    file += "0,129,145,Wide,x\r\n";        // line 2: channel out of range
    file += "Carrier,3,145,Medium,x\r\n";  // line 3: unknown word, nothing half-applied
    file += "Carrier,4,145,,x\r\n";        // line 4: imported, W/N as typed by hand
    for (int i = 0; i < 22; ++i) file += "Off,5,abc,Wide\r\n";
    const ChannelImport result = ImportChannelsCsv(file, NewDocumentFor(239).memoryImage);
    ASSERT_EQ(result.imported, 1);
    EXPECT_EQ(result.skipped.size(), 24u);
    EXPECT_EQ(result.skipped[0].reason, "channel number \"129\" is not 1 to 128");
    EXPECT_EQ(result.skipped[1].reason, "unknown W/N \"Medium\"");
    EXPECT_EQ(result.skipped[2].reason, "\"abc\" is not a frequency");
    EXPECT_EQ(result.image.at(layout::kRxFreqRow + 3, 2), layout::kEmpty);
    EXPECT_EQ(Cells(result.image, 4)[9], "Carrier");
    const std::string report = ImportReportText(result);
    EXPECT_NE(report.find("\nLine 22: "), std::string::npos);
    EXPECT_EQ(report.find("\nLine 23: "), std::string::npos);
    EXPECT_EQ(report.substr(report.rfind('\n') + 1), "... and 4 more.");
}

}  // namespace
