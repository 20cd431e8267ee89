#include "strings/Strings.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class StringsTest : public testing::Test {
protected:
    void TearDown() override { SetLanguageIndex(0); }
};

TEST_F(StringsTest, EveryIdHasBothLanguagesAndIsInTheEnglishRange)
{
    const std::vector<int>& ids = TextIds();
    ASSERT_FALSE(ids.empty());
    EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));
    EXPECT_EQ(std::adjacent_find(ids.begin(), ids.end()), ids.end()) << "duplicate id";
    for (int id : ids) {
        EXPECT_GE(id, 1000);
        EXPECT_LE(id, 1999);
        EXPECT_FALSE(TextByNumber(id).empty()) << id;
        EXPECT_FALSE(TextByNumber(id + 1000).empty()) << id;
    }
}

TEST_F(StringsTest, LanguageIndexPicksTheText)
{
    EXPECT_EQ(LanguageIndex(), 0);
    EXPECT_EQ(Text(1104), "None");
    EXPECT_EQ(Text(1109), "FPU Data Files (*.dat)|*.dat");
    SetLanguageIndex(1);
    EXPECT_EQ(Text(1104), "无");
    EXPECT_EQ(Text(1109), "FPU 数据文件 (*.dat)|*.dat");
    EXPECT_EQ(Text(1229), TextByNumber(2229));
}

TEST_F(StringsTest, TextInIgnoresTheCurrentLanguage)
{
    SetLanguageIndex(1);
    EXPECT_EQ(TextIn(TextId::English, 0), "English");
    EXPECT_EQ(TextIn(TextId::Chinese, 1), "中文");
    EXPECT_EQ(TextIn(TextId::Chinese, 2), "");
}

TEST_F(StringsTest, UnknownNumbersAreEmpty)
{
    EXPECT_EQ(Text(999), "");
    EXPECT_EQ(Text(1999), "");
    EXPECT_EQ(TextByNumber(3104), "");
    EXPECT_EQ(TextByNumber(0), "");
    SetLanguageIndex(2);  // no third language: nothing, rather than a wrong text
    EXPECT_EQ(Text(1104), "");
}

TEST_F(StringsTest, AboutNoticeTextsExistInBothLanguages)
{
    for (int id : {1305, 1327, 1328}) {
        EXPECT_FALSE(TextByNumber(id).empty()) << id;
        EXPECT_FALSE(TextByNumber(id + 1000).empty()) << id;
    }
}

}  // namespace
