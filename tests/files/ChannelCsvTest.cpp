#include "files/ChannelCsv.h"

#include <gtest/gtest.h>

#include "core/ChannelEntry.h"
#include "core/ChannelView.h"
#include "core/FreqCodec.h"
#include "core/Layout.h"
#include "core/OptionColumns.h"
#include "core/ToneCodec.h"
#include "files/CsvTable.h"
#include "files/ReportValue.h"
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
              "5 channels imported.\nLocations counted from 0 (0 is channel 1)\nSkipped rows:\nLine 6: "
              "frequency 440.000000 is outside the band\n"
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
        {"CH,RX Freq\r\n1,Caf\xE9\r\n",
         "The file is not UTF-8 text. Open it in the spreadsheet, save it again with the file type \"CSV "
         "UTF-8\" "
         "and import that file."},
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

TEST(ChannelCsv, ExportOfOffRasterFrequenciesEveryToneAndEveryOptionComesBackByteForByte)
{
    for (const std::uint8_t band : {239, 248}) {
        for (int pass = 0; pass < 2; ++pass) {  // two documents hold each tone list entry at least once
            AppState state = NewDocumentFor(band);
            const std::vector<std::string> tones = ToneList(state.toneListLast);
            const auto tone = [&](int slot) { return tones[1 + (pass * 256 + slot) % (tones.size() - 1)]; };
            const std::int64_t lower = state.bandLowerMHz * std::int64_t{100000};
            for (int column = 0; column < state.channelCount; ++column) {
                const bool withTx = column % 5 != 4;
                TypedChannel typed = Typed(std::to_string(state.bandLowerMHz), withTx ? "0" : "",
                                           tone(2 * column), withTx ? tone(2 * column + 1) : "None");
                for (int k = 0; k < 6; ++k)
                    typed.options[k] = (column + k) % OptionEntries(kFirstOptionColumn + k).size();
                typed.txFreq = withTx ? typed.rxFreq : "";
                ASSERT_EQ(TypeChannel(state, column, typed), TypingFault::kNone);
                // Off the typing raster, as another program may have left them: 22.5 kHz steps plus 10 Hz.
                const std::int64_t rx = lower + column * 2250 + column % 7;
                char text[16];
                std::snprintf(text, sizeof text, "%lld.%05lld", rx / 100000LL, rx % 100000LL);
                StoreFreq(state.memoryImage, column, layout::kRxFreqRow, text);
                if (withTx) {
                    const std::int64_t tx =
                        column == 0 ? state.bandUpperMHz * std::int64_t{100000} : rx + 250;
                    std::snprintf(text, sizeof text, "%lld.%05lld", tx / 100000LL, tx % 100000LL);
                    StoreFreq(state.memoryImage, column, layout::kTxFreqRow, text);
                }
            }
            const ChannelImport back =
                ImportChannelsCsv(ExportChannelsCsv(state.memoryImage), NewDocumentFor(band).memoryImage);
            EXPECT_EQ(back.imported, state.channelCount);
            EXPECT_EQ(ImportDetails(back), "");
            EXPECT_EQ(back.image, state.memoryImage) << "band " << int(band) << " pass " << pass;
        }
    }
    // The generic layout keeps the typing rules: the raster.
    const ChannelImport generic = ImportChannelsCsv(
        "Location,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode\n"
        "1,146.52250,,,,,,,,FM\n",
        NewDocumentFor(239).memoryImage);
    EXPECT_EQ(Cells(generic.image, 1)[0], "146.52500");
}

TEST(ChannelCsv, ValuesInTheReportAreAsWrittenShortAndHarmless)
{
    const std::string header =
        "Location\tFrequency\tDuplex\tOffset\tTone\trToneFreq\tcToneFreq\tDtcsCode\t"
        "DtcsPolarity\tMode\tSkip\n";
    const std::string rows[] = {
        "1\t\x1B[31m146.52\t\t\t\t\t\t\t\tFM\t",                            // line 2: an escape sequence
        "2\t" + std::string(45, '7') + "\xE2\x80\xAE\t\t\t\t\t\t\t\tFM\t",  // line 3: long
        "3\t173,9\t+\t0,6\t\t\t\t\t\tFM\t",                                 // line 4: computed TX out of band
        "4\t0,5\t-\t1\t\t\t\t\t\tFM\t",                                     // line 5
        "5\t146,52\t\t\tTSQL\t\t88,50\t\t\tNFM\tP",                         // line 6: imported
        "5\t200\t\t\t\t\t\t\t\tFM\t",                                       // line 7: out of band wins
        "5\t146,5\t\t\t\t\t\t\t\tFM\t",                                     // line 8: already filled
        "6\t146,5\t\t\tDTCS\t\t\t23\tNR\tFM\tS\r\n",                        // line 9: imported
    };
    std::string file = header;
    for (const std::string& row : rows) file += row + "\n";
    const ChannelImport result = ImportChannelsCsv(file, NewDocumentFor(239).memoryImage);
    EXPECT_EQ(ImportReportText(result),
              "2 channels imported.\nSkipped rows:\n"
              "Line 2: \"\\x1B[31m146.52\" is not a frequency\n"
              "Line 3: \"" +
                  std::string(40, '7') +
                  "\u2026\" is not a frequency\n"
                  "Line 4: frequency 174.50000 is outside the band\n"
                  "Line 5: TX frequency below 0\n"
                  "Line 7: frequency 200 is outside the band\n"
                  "Line 8: channel 5 was already filled by line 6");
    using Row = std::vector<std::string>;
    EXPECT_EQ(Cells(result.image, 5),
              (Row{"146.52000", "146.52000", "88.5", "88.5", "Narrow", "Add", "High", "DTMF", "On", "Off"}));
    EXPECT_EQ(Cells(result.image, 6),
              (Row{"146.50000", "146.50000", "D023I", "D023N", "Wide", "Del", "High", "DTMF", "On", "Off"}));
    EXPECT_EQ(ReportValue("\xC2\x9B"
                          "2J \xE2\x80\xAEtxt"),
              "\\x9B2J \\u202Etxt");
    EXPECT_EQ(ReportValue(std::string(40, 'x')), std::string(40, 'x'));

    const ChannelImport fromZero = ImportChannelsCsv(
        "Location,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode\n"
        "0,146.5,,,,,,,,FM\n128,146.5,,,,,,,,FM\n",
        NewDocumentFor(239).memoryImage);
    EXPECT_EQ(
        ImportDetails(fromZero),
        "Locations counted from 0 (0 is channel 1)\nSkipped rows:\nLine 3: Location \"128\" is not 0 to 127");
}

TEST(ChannelCsv, AnImportWithoutAUsableRowLeavesTheDocumentAsItWas)
{
    AppState state = NewDocumentFor(239);
    ASSERT_EQ(TypeChannel(state, 4, Typed("145")), TypingFault::kNone);
    const std::pair<std::string, std::string> cases[] = {
        {"CH;RX Freq\r\n;\r\n", "No channel could be imported: the file has no channel rows."},
        {"CH,RX Freq\r\n1,440\r\n",
         "No channel could be imported: every row was skipped (band 136 - 174 MHz)."},
    };
    for (const auto& [file, headline] : cases) {
        const ChannelImport result = ImportChannelsCsv(file, state.memoryImage);
        EXPECT_FALSE(result.changesDocument());
        EXPECT_EQ(ImportHeadline(result), headline);
        EXPECT_EQ(result.image, state.memoryImage);
    }
    const LanguageGuard chinese(1);
    EXPECT_EQ(ImportHeadline(ImportChannelsCsv("CH,RX Freq\r\n1,145\r\n", state.memoryImage)),
              "已导入 1 个信道。");
}

}  // namespace
