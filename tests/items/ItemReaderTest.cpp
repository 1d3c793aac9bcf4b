// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ItemReader.h"

namespace bellmora {
namespace {

std::vector<std::u16string> ReadAllTexts(std::u16string_view text) {
    ItemReader reader(text);
    std::vector<std::u16string> items;
    std::u16string item;
    while (!reader.AtEnd()) {
        if (!reader.ReadText(item)) break;
        items.push_back(item);
    }
    return items;
}

struct TextRow {
    const char* name;
    std::u16string_view input;
    std::vector<std::u16string> items;
};

class ItemReaderTextTest : public testing::TestWithParam<TextRow> {};

TEST_P(ItemReaderTextTest, ReadsItems) {
    EXPECT_EQ(ReadAllTexts(GetParam().input), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ItemReaderTextTest,
    testing::Values(TextRow{"CommaSeparates", u"あいう,えお", {u"あいう", u"えお"}},
                    TextRow{"CrLfSeparates", u"あいう\r\nえお\r\n", {u"あいう", u"えお"}},
                    TextRow{"LoneLfSeparates", u"あ\nい\n", {u"あ", u"い"}},
                    TextRow{"LoneCrSeparates", u"あ\rい", {u"あ", u"い"}},
                    TextRow{"LeadingBlanksSkipped", u"  \tかき", {u"かき"}},
                    TextRow{"BlanksBeforeSeparatorDropped", u"ab  ,cd \r\n", {u"ab", u"cd"}},
                    TextRow{"InnerBlanksKept", u"a b", {u"a b"}},
                    TextRow{"IdeographicSpaceIsText", u"\u3000あ\u3000", {u"\u3000あ\u3000"}},
                    TextRow{"QuotedItem", u"\"かきく\"\r\n", {u"かきく"}},
                    TextRow{"QuotedKeepsCommasAndBlanks", u"\" a, b \",c", {u" a, b ", u"c"}},
                    TextRow{"QuotedSpansLines", u"\"a\r\nb\"", {u"a\r\nb"}},
                    TextRow{"UnclosedQuoteRunsToEnd", u"\"abc,def\r\nx", {u"abc,def\r\nx"}},
                    TextRow{"AfterClosingQuoteDropped", u"\"ab\"cd,e", {u"ab", u"e"}},
                    TextRow{"QuoteInsideItemKept", u"a\"b", {u"a\"b"}},
                    TextRow{"EmptyLineGivesEmptyItem", u"a\r\n\r\nb", {u"a", u"", u"b"}},
                    TextRow{"EmptyItemsBetweenCommas", u",,", {u"", u""}},
                    TextRow{"TrailingBlanksGiveEmptyItem", u"a\n  ", {u"a", u""}},
                    TextRow{"EmptyTextHasNoItem", u"", {}}),
    [](const testing::TestParamInfo<TextRow>& info) { return std::string(info.param.name); });

TEST(ItemReader, ReadingAtTheEndFails) {
    ItemReader reader(u"a");
    std::u16string item;
    ASSERT_TRUE(reader.ReadText(item));
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_FALSE(reader.ReadText(item));
    float value = 0;
    EXPECT_FALSE(reader.ReadNumber(value));
}

TEST(ItemReader, ReadsRecordItemsAcrossLines) {
    ItemReader reader(u"\"24/01/15 10:20:30\",100,35.12,3.417,.293\r\n");
    std::u16string date;
    float moji = 0, jikan = 0, byou = 0, byou2 = 0;
    ASSERT_TRUE(reader.ReadText(date));
    ASSERT_TRUE(reader.ReadNumber(moji));
    ASSERT_TRUE(reader.ReadNumber(jikan));
    ASSERT_TRUE(reader.ReadNumber(byou));
    ASSERT_TRUE(reader.ReadNumber(byou2));
    EXPECT_EQ(date, u"24/01/15 10:20:30");
    EXPECT_EQ(moji, 100.0f);
    EXPECT_EQ(jikan, 35.12f);
    EXPECT_EQ(byou, 3.417f);
    EXPECT_EQ(byou2, 0.293f);
    EXPECT_TRUE(reader.AtEnd());
}

TEST(ItemReader, ReadNumberFailsOnTextsThatAreNoNumber) {
    for (std::u16string_view text : {u"abc", u"", u"2e5", u"1e400", u"-", u"."}) {
        ItemReader reader(text);
        float value = 0;
        EXPECT_FALSE(reader.ReadNumber(value)) << "item " << std::string(text.begin(), text.end());
    }
}

TEST(ItemReader, ReadNumberRejectsValuesBeyondSinglePrecision) {
    const std::u16string text = u"1" + std::u16string(39, u'0');
    ItemReader reader(text);
    float value = 0;
    EXPECT_FALSE(reader.ReadNumber(value));
}

}  // namespace
}  // namespace bellmora

namespace bellmora {
namespace {

TEST(ItemReader, ReadNumberTakesPointAndSignForms) {
    ItemReader reader(u".5,-.25,5.,-3,0012.50");
    const float expected[] = {0.5f, -0.25f, 5.0f, -3.0f, 12.5f};
    for (float want : expected) {
        float value = 0;
        ASSERT_TRUE(reader.ReadNumber(value));
        EXPECT_EQ(value, want);
    }
}

}  // namespace
}  // namespace bellmora
