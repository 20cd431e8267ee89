#include <gtest/gtest.h>

#include <QLocale>
#include <QRect>

#include "PrintRecordingSurface.h"
#include "core/BandTable.h"
#include "core/FreqCodec.h"
#include "core/Layout.h"
#include "core/NewDocument.h"
#include "core/ToneCodec.h"
#include "strings/Strings.h"
#include "support/LanguageGuard.h"
#include "support/NewDocumentFor.h"
#include "ui/dialogs/PrintLayout.h"

namespace {

// 2600 x 2400 units: column c at x = 260 + 18c, line n at y = 120 + 36n.
constexpr int kW = 2600;
constexpr int kH = 2400;
int X(int column) { return 260 + 18 * column; }
int Y(double line) { return int(120 + 36 * line); }  // whole units for the lines used here
// Line i (0..3) of channel block k (0..8): the blocks are 5.75 lines apart from line 11.
double BlockLine(int k, int i) { return 11 + 5.75 * k + i; }

QString Tr(int id) { return QString::fromStdString(Text(id)); }

AppState Document(std::uint8_t band = 240) { return NewDocumentFor(band, kDefaultModelCode); }

void AddChannel(AppState& s, int n, const char* rx = "250.00000", const char* tx = "251.00000")
{
    MemoryImage& m = s.memoryImage;
    StoreFreq(m, n - 1, layout::kRxFreqRow, rx);
    StoreTone(m, n - 1, "88.5", layout::kDecodeToneOffset);
    if (tx) {
        StoreFreq(m, n - 1, layout::kTxFreqRow, tx);
        StoreTone(m, n - 1, "D023N", layout::kEncodeToneOffset);
    }
    m.set(layout::kChannelFlagsRow, n - 1, layout::kHighPower | layout::kScanAdd);  // Narrow
}

AppState Channels(int count)
{
    AppState s = Document();
    for (int n = 1; n <= count; ++n) AddChannel(s, n);
    return s;
}

PrintChoices Choose(bool channels, bool features, int first = 1, int last = 128)
{
    PrintChoices c;
    c.memoryChannels = channels;
    c.optionalFeatures = features;
    c.firstChannel = first;
    c.lastChannel = last;
    c.bandLabel = QStringLiteral("240 - 260 MHz");
    c.printedAt = QDateTime(QDate(2026, 3, 4), QTime(5, 6));
    return c;
}

QString At(const PrintRecordingSurface& s, int page, int column, double line)
{
    for (const auto& d : s.drawn)
        if (d.page == page && d.x == X(column) && d.y == Y(line)) return d.text;
    return QStringLiteral("<nothing>");
}

QStringList ChannelTitles(const PrintRecordingSurface& s, int page)
{
    QStringList out;
    for (const auto& d : s.onPage(page))
        if (d.x == X(0) && d.text.startsWith(Tr(TextId::Channel) + QLatin1Char(' '))) out << d.text;
    return out;
}

PrintRecordingSurface Print(const AppState& state, const PrintChoices& choices)
{
    PrintRecordingSurface surface(kW, kH);
    EXPECT_TRUE(PrintDocument(surface, state, choices));
    return surface;
}

}  // namespace

struct GridCase {
    int width, height;
    PrintGrid expected;
};
class PrintGridRounding : public testing::TestWithParam<GridCase> {};
TEST_P(PrintGridRounding, HalvesGoToEven)
{
    const GridCase& c = GetParam();
    const PrintGrid g = ComputePrintGrid(c.width, c.height);
    EXPECT_EQ(g.leftMargin, c.expected.leftMargin);
    EXPECT_EQ(g.columnUnit, c.expected.columnUnit);
    EXPECT_EQ(g.topMargin, c.expected.topMargin);
    EXPECT_EQ(g.lineHeight, c.expected.lineHeight);
}
INSTANTIATE_TEST_SUITE_P(Sizes, PrintGridRounding,
                         testing::Values(GridCase{2600, 2400, {260, 18, 120, 36}},
                                         GridCase{25, 50, {2, 0, 2, 1}},       // 2.5, 0.17, 2.5, 0.75
                                         GridCase{35, 70, {4, 0, 4, 1}},       // 3.5, 0.24, 3.5, 1.05
                                         GridCase{650, 300, {65, 4, 15, 4}},   // column 4.5, line 4.5
                                         GridCase{1950, 100, {195, 14, 5, 2}}  // column 13.5, line 1.5
                                         ));

TEST(PrintLayout, ChannelsInUseFillBlocksFromLineEleven)
{
    AppState s = Document();
    for (int n : {1, 2, 5}) AddChannel(s, n);
    const auto p = Print(s, Choose(true, false));
    EXPECT_EQ(p.newPages, 0);
    EXPECT_EQ(p.ends, 1);
    EXPECT_EQ(At(p, 1, 0, 9), "Memory Channel");
    EXPECT_EQ(At(p, 1, 0, 11), "Channel 1");
    EXPECT_EQ(At(p, 1, 0, BlockLine(1, 0)), "Channel 2");
    EXPECT_EQ(At(p, 1, 0, BlockLine(2, 0)), "Channel 5");
    EXPECT_EQ(ChannelTitles(p, 1).size(), 3);
    const auto* footer = p.find(1, "- 1 -");
    ASSERT_TRUE(footer);
    EXPECT_EQ(footer->x, (kW - 100) / 2);
    EXPECT_EQ(footer->y, kH - 30);       // on the bottom edge, 10 pt = 30 units high
    EXPECT_EQ(&p.drawn.back(), footer);  // after the page's other content
}

TEST(PrintLayout, BlockLinesCarryTheGridTexts)
{
    AppState s = Document();
    AddChannel(s, 7);
    AddChannel(s, 8, "252.50000", nullptr);
    const auto p = Print(s, Choose(true, false));
    const QStringList expected[] = {
        {"RX Freq", "250.00000", "TX Freq", "251.00000"},
        {"Decode", "88.5", "Encode", "D023N"},
        {"TX Power", "High", "Scan", "Add"},  // the power cell, not the W/N cell
        {"RX Freq", "252.50000", "TX Freq", "---------"},
        {"Decode", "88.5", "Encode", "---------"},
        {"TX Power", "High", "Scan", "Add"},
    };
    for (int i = 0; i < 6; ++i) {
        const double line = BlockLine(i / 3, 1 + i % 3);
        const QStringList got = {At(p, 1, 6, line), At(p, 1, 35, line), At(p, 1, 70, line),
                                 At(p, 1, 105, line)};
        EXPECT_EQ(got, expected[i]) << "line " << line;
    }
}

struct PagingCase {
    const char* name;
    int channels;
    bool features;
    std::vector<int> blocksPerPage;
};
class PrintPaging : public testing::TestWithParam<PagingCase> {};
TEST_P(PrintPaging, NineBlocksPerPageAndNumbersCountTheDocument)
{
    const PagingCase& c = GetParam();
    const auto p = Print(Channels(c.channels), Choose(true, c.features));
    const int pages = int(c.blocksPerPage.size()) + (c.features ? 1 : 0);
    EXPECT_EQ(p.newPages, pages - 1);
    EXPECT_EQ(p.ends, 1);
    for (int page = 1; page <= pages; ++page) {
        EXPECT_TRUE(p.find(page, QStringLiteral("- %1 -").arg(page))) << "page " << page;
        if (page <= int(c.blocksPerPage.size())) {
            EXPECT_EQ(ChannelTitles(p, page).size(), c.blocksPerPage[page - 1]) << "page " << page;
        }
    }
    if (c.features) {
        EXPECT_EQ(At(p, pages, 0, 9), "Optional Features");
    }
    EXPECT_TRUE(p.onPage(pages + 1).empty());
}
INSTANTIATE_TEST_SUITE_P(
    Counts, PrintPaging,
    testing::Values(PagingCase{"NineFitOnePage", 9, false, {9}}, PagingCase{"TenTakeTwo", 10, false, {9, 1}},
                    PagingCase{"NineteenPlusFeatures", 19, true, {9, 9, 1}},
                    PagingCase{"AllChannels", 128, true, {9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintLayout, OnlyChannelsInsideRangeAndChannelCountAndBand)
{
    AppState s = Channels(20);
    EXPECT_EQ(ChannelTitles(Print(s, Choose(true, false, 5, 7)), 1),
              QStringList({"Channel 5", "Channel 6", "Channel 7"}));

    // An 8-channel document has no grid row above 8; a stale record there stays unprinted.
    AppState small = Document(kSmallBandCode);
    for (int n : {1, 8, 10, 101}) AddChannel(small, n, "446.50000", nullptr);
    EXPECT_EQ(ChannelTitles(Print(small, Choose(true, false)), 1), QStringList({"Channel 1", "Channel 8"}));
    const auto beyond = Print(small, Choose(true, false, 10, 128));
    EXPECT_TRUE(ChannelTitles(beyond, 1).isEmpty());
    EXPECT_EQ(At(beyond, 1, 0, 9), Tr(TextId::MemoryChannel));

    // A record the grid would erase is not printed, and printing erases nothing.
    AppState odd = Channels(2);
    AddChannel(odd, 3, "300.00000");
    AddChannel(odd, 4, "250.00000", "300.00000");
    const MemoryImage before = odd.memoryImage;
    const auto p = Print(odd, Choose(true, false));
    EXPECT_EQ(ChannelTitles(p, 1), QStringList({"Channel 1", "Channel 2", "Channel 4"}));
    EXPECT_EQ(At(p, 1, 105, BlockLine(2, 1)), "---------");
    EXPECT_EQ(odd.memoryImage, before);
}

TEST(PrintLayout, EmptyRangeStillPrintsOnePage)
{
    const auto p = Print(Channels(3), Choose(true, false, 4, 128));
    EXPECT_EQ(p.newPages, 0);
    EXPECT_EQ(At(p, 1, 0, 9), Tr(TextId::MemoryChannel));
    EXPECT_TRUE(ChannelTitles(p, 1).isEmpty());
    EXPECT_TRUE(p.find(1, "- 1 -"));
}

TEST(PrintLayout, HeaderPositionsAndFonts)
{
    AppState s = Channels(1);
    PrintRecordingSurface p(kW + 1, kH + 1);  // odd sizes: halves round to even
    ASSERT_TRUE(PrintDocument(p, s, Choose(true, false)));

    const auto& title = p.drawn.at(0);
    EXPECT_EQ(title.text, Tr(TextId::RadioProgrammingInformation));
    EXPECT_EQ(title.points, 16);
    EXPECT_TRUE(title.bold);
    EXPECT_EQ(title.x, 724);  // (2601 - 36 * 32) / 2 = 724.5

    const auto& stamp = p.drawn.at(1);
    const QLocale locale = QLocale::system();
    EXPECT_EQ(stamp.text, locale.toString(QDate(2026, 3, 4), QLocale::ShortFormat) + "  " +
                              locale.toString(QTime(5, 6), QLocale::ShortFormat));
    EXPECT_EQ(stamp.x + stamp.text.size() * 22, 2341);  // ends at 90 % of 2601 = 2340.9
    EXPECT_EQ(stamp.y, Y(2));
    EXPECT_TRUE(stamp.bold);
    EXPECT_EQ(stamp.points, 11);

    const QStringList header = {p.drawn[2].text, p.drawn[3].text, p.drawn[4].text,
                                p.drawn[5].text, p.drawn[6].text, p.drawn[7].text};
    EXPECT_EQ(header,
              QStringList({"Model Type", "ZQ-915", "Frequency", "240 - 260 MHz", "File Name", "Untitled"}));
    for (std::size_t i = 2; i < 8; ++i) {
        EXPECT_EQ(p.drawn[i].x, 260 + 18 * (i % 2 ? 30 : 4));
        EXPECT_EQ(p.drawn[i].y, 120 + 36 * int(4 + (i - 2) / 2));
        EXPECT_TRUE(p.drawn[i].bold && p.drawn[i].points == 11);
    }
    for (std::size_t i = 8; i < p.drawn.size(); ++i) EXPECT_TRUE(!p.drawn[i].bold && p.drawn[i].points == 10);

    const auto& footer = p.drawn.back();
    EXPECT_EQ(footer.x, 1250);  // (2601 - 100) / 2 = 1250.5
    EXPECT_EQ(footer.y, 2371);  // 2401 - 30 units of a 10 pt line
}

// Pages of the test surface, of A4 and of Letter (at 3 units per point, text as
// high as its size), in both languages, with full channel pages and the features
// page: no two texts' boxes meet, and the page number has a line of its own below
// all of them.
struct PageCase {
    const char* name;
    int width, height;
    std::uint8_t language;
};
class PrintOverlap : public testing::TestWithParam<PageCase> {};
TEST_P(PrintOverlap, NoTextMeetsAnotherAndThePageNumberStandsBelowAll)
{
    const PageCase& c = GetParam();
    const LanguageGuard language(c.language);
    AppState s = Channels(128);
    s.documentPath = std::string(200, 'n');
    PrintRecordingSurface p(c.width, c.height);
    ASSERT_TRUE(PrintDocument(p, s, Choose(true, true)));
    for (int page = 1; page <= p.newPages + 1; ++page) {
        const auto drawn = p.onPage(page);
        ASSERT_FALSE(drawn.empty());
        const auto& footer = drawn.back();
        ASSERT_EQ(footer.text, QStringLiteral("- %1 -").arg(page));
        EXPECT_TRUE(
            QRect(0, 0, c.width, c.height).contains(QRect(footer.x, footer.y, footer.width, footer.height)));
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            const auto& a = drawn[i];
            const QRect boxA(a.x, a.y, a.width, a.height);
            if (&a != &footer) {
                EXPECT_LE(a.y + a.height, footer.y) << "page " << page << ": " << a.text.toStdString();
            }
            for (std::size_t j = i + 1; j < drawn.size(); ++j) {
                const auto& b = drawn[j];
                EXPECT_FALSE(boxA.intersects(QRect(b.x, b.y, b.width, b.height)))
                    << "page " << page << ": " << a.text.toStdString() << " / " << b.text.toStdString();
            }
        }
    }
}
INSTANTIATE_TEST_SUITE_P(Pages, PrintOverlap,
                         testing::Values(PageCase{"TestSurface", kW, kH, 0},
                                         PageCase{"A4", 595 * 3, 842 * 3, 0},
                                         PageCase{"LetterChinese", 612 * 3, 792 * 3, 1},
                                         PageCase{"A4Chinese", 595 * 3, 842 * 3, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrintLayout, LongFileNameIsShortenedToThePage)
{
    AppState s = Channels(1);
    s.documentPath = "/home/dealer/" + std::string(300, 'x') + "/radio.dat";
    const auto p = Print(s, Choose(true, false));
    const QString name = At(p, 1, 30, 6);
    EXPECT_LE(name.size() * 22, kW - X(30));
    EXPECT_GT(name.size() * 22, kW - X(30) - 2 * 22);
    EXPECT_TRUE(name.startsWith("/home/dealer/x") && name.contains("...") && name.endsWith("x/radio.dat"))
        << name.toStdString();
}

struct FeatureCase {
    const char* name;
    std::vector<std::pair<int, std::uint8_t>> rows129;  // row, value
    QStringList values;                                 // lines 11..22
};
class PrintFeatures : public testing::TestWithParam<FeatureCase> {};
TEST_P(PrintFeatures, ShowWhatTheDialogShows)
{
    AppState s = Document();
    for (const auto& [row, value] : GetParam().rows129)
        s.memoryImage.set(row, layout::kSettingsColumn, value);
    for (int k = 0; k < 2; ++k) s.memoryImage.set(k, layout::kAniColumn, std::uint8_t('1' + k));
    for (int k = 0; k < 3; ++k) s.memoryImage.set(k, layout::kNameColumn, std::uint8_t("AB0"[k]));
    const auto p = Print(s, Choose(false, true));
    EXPECT_EQ(p.newPages, 0);
    EXPECT_EQ(At(p, 1, 0, 9), "Optional Features");
    EXPECT_TRUE(p.find(1, "- 1 -"));
    const QStringList labels = {"Time Out Timer [s]",
                                "Squelch Level",
                                "Chord Language",
                                "Beep Tone",
                                "Battery Save",
                                "Scrambler",
                                "VOX Gain Level",
                                "VOX Delay Time[s]",
                                "ANI",
                                "Name",
                                "BOT",
                                "EOT"};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(At(p, 1, 6, 11 + i), labels[i]);
        EXPECT_EQ(At(p, 1, 40, 11 + i), GetParam().values[i]) << labels[i].toStdString();
    }
}
INSTANTIATE_TEST_SUITE_P(Bytes, PrintFeatures,
                         testing::Values(FeatureCase{"NewDocument",
                                                     {},
                                                     {"60", "4", "Chinese", "Enable", "Enable", "Enable", "9",
                                                      "0.3", "12", "AB", "Disable", "Disable"}},
                                         FeatureCase{
                                             "OutOfRange",
                                             {{0, 0x30}, {2, 0x01}, {3, 200}, {4, 10}, {5, 77}, {6, 6}},
                                             {"Off", "0", "Off", "Disable", "Disable", "Disable", "Off",
                                              "0.3", "12", "AB", "Enable", "Enable"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrintLayout, ChineseTexts)
{
    LanguageGuard chinese(1);
    const auto p = Print(Channels(1), Choose(true, true));
    EXPECT_EQ(p.drawn.at(0).text, QString::fromUtf8("ZQ-915 对讲机编程信息"));
    EXPECT_EQ(At(p, 1, 0, 9), QString::fromUtf8("记忆信道"));
    EXPECT_EQ(At(p, 1, 0, 11), QString::fromUtf8("信道 1"));
    EXPECT_EQ(At(p, 1, 6, 12), QString::fromUtf8("接收频率"));
    EXPECT_EQ(At(p, 1, 35, 14), QString::fromUtf8("高"));
    EXPECT_EQ(At(p, 2, 0, 9), QString::fromUtf8("可选功能"));
    EXPECT_EQ(At(p, 2, 40, 13), QString::fromUtf8("中文"));
    EXPECT_EQ(At(p, 2, 40, 14), QString::fromUtf8("开启"));
}

TEST(PrintLayout, NothingChosenDrawsNothingAndFailureStopsTheJob)
{
    PrintRecordingSurface none(kW, kH);
    EXPECT_TRUE(PrintDocument(none, Channels(3), Choose(false, false)));
    EXPECT_TRUE(none.drawn.empty());
    EXPECT_EQ(none.ends, 0);

    PrintRecordingSurface failing(kW, kH);
    failing.failNewPageAt = 1;
    EXPECT_FALSE(PrintDocument(failing, Channels(10), Choose(true, true)));
    EXPECT_EQ(failing.ends, 0);
    EXPECT_EQ(failing.newPages, 1);
    EXPECT_TRUE(failing.onPage(2).empty());
}
