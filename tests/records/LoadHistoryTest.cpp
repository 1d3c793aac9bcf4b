// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "LoadHistory.h"
#include "RecordRun.h"
#include "RecordsFixture.h"

namespace bellmora::test {
namespace {

using test::PrintTo;  // so that failing rows are named by their name

constexpr std::u16string_view kTwoRecords =
    u"\"24/01/15 10:20:30\",100,100,1,1\r\n\"24/01/15 10:25:00\",120,35.12,3.417,0.293\r\n";
constexpr std::u16string_view kTwoLines[] = {
    u"24/01/15 10:20:30  100問　100.00秒　1.000タイプ　1.000秒",
    u"24/01/15 10:25:00  120問　35.12秒　3.417タイプ　0.293秒",
};

class LoadHistoryTest : public RecordsTest {
protected:
    void Load(std::u16string_view records) {
        w.files.files[u"abc.REC"] = std::u16string(records);
        LoadHistory(w.st, w.platform);
    }
    void ExpectTheTwoGoodRecords() {
        ASSERT_EQ(w.ui.history.size(), 2u);
        EXPECT_EQ(w.ui.history[0], kTwoLines[0]);
        EXPECT_EQ(w.ui.history[1], kTwoLines[1]);
        EXPECT_EQ(w.ui.historyTopIndex, 1);
        EXPECT_EQ(w.st.lngToMoji, 220);
        EXPECT_EQ(w.st.dblToJikan, 100.0 + double{35.12f});
        EXPECT_EQ(w.st.sngMaxByou, 3.417f);
        EXPECT_EQ(w.st.sngMinByou, 0.293f);
        EXPECT_EQ(w.ui.Caption(Label::ToKaisu), u" 2回");
        EXPECT_TRUE(w.dialogs.shown.empty());
    }
};

TEST_F(LoadHistoryTest, NoRecordFileGivesEmptyHistoryWithoutCreatingIt) {
    w.ui.history = {u"a line of the problem before"};
    w.st.lngToMoji = 5;
    w.st.sngMinByou = 0.5f;
    LoadHistory(w.st, w.platform);
    EXPECT_TRUE(w.ui.history.empty());
    EXPECT_EQ(RecordFile(), u"(none)");
    EXPECT_TRUE(w.dialogs.shown.empty());
    ExpectNoRunTotals();
}

TEST_F(LoadHistoryTest, ExampleRecordGivesItsLineAndTotals) {
    Load(u"\"24/01/15 10:20:30\",100,100,1,1\r\n");
    EXPECT_EQ(w.ui.history, std::vector<std::u16string>{std::u16string(kTwoLines[0])});
    EXPECT_EQ(w.ui.historyTopIndex, 0);
    EXPECT_EQ(w.st.lngToMoji, 100);
    EXPECT_EQ(w.st.dblToJikan, 100.0);
    EXPECT_EQ(w.st.sngMaxByou, 1.0f);
    EXPECT_EQ(w.st.sngMinByou, 1.0f);
    EXPECT_EQ(w.ui.Caption(Label::ToJikan), u" 0時間 1分 40秒");
}

TEST_F(LoadHistoryTest, GoodRecordsAreReadWhateverTheDecoding) {
    w.files.badCharacters.insert(u"abc.REC");
    Load(kTwoRecords);
    ExpectTheTwoGoodRecords();
}

struct DamageRow {
    const char* name;
    std::u16string_view damage;  // lines between the two good records and a later one
    bool atEnd = false;          // the damage comes after the later record instead
};
class LoadHistoryDamage : public LoadHistoryTest,
                          public ::testing::WithParamInterface<DamageRow> {};

// A damaged line hides nothing else: every good record before and after it is listed and
// counted, and a run recorded after it reads back too.
TEST_P(LoadHistoryDamage, SkipsDamagedLineAndReadsEveryOtherRun) {
    const DamageRow& row = GetParam();
    if (row.damage.find(u'\uFFFD') != std::u16string_view::npos)
        w.files.badCharacters.insert(u"abc.REC");
    const std::u16string later = u"\"24/01/17 09:00:00\",120,35.12,3.417,0.293\r\n";
    const std::u16string content =
        row.atEnd ? std::u16string(kTwoRecords) + later + std::u16string(row.damage)
                  : std::u16string(kTwoRecords) + std::u16string(row.damage) + later;
    Load(content);
    ASSERT_EQ(w.ui.history.size(), 3u);
    EXPECT_EQ(w.ui.history[2], u"24/01/17 09:00:00  120問　35.12秒　3.417タイプ　0.293秒");
    EXPECT_EQ(w.st.lngToMoji, 340);
    EXPECT_EQ(RecordFile(), content);

    w.st.sngStart = 100;
    w.st.sngEnd = 135.12f;
    RecordRun(w.st, w.platform);
    Load(RecordFile());
    EXPECT_EQ(w.ui.history.size(), 4u);
}

const DamageRow kDamageRows[] = {
    {"NotANumber", u"\"24/01/16 09:00:00\",abc,1,1,1\r\n"},
    {"MissingItems", u"\"24/01/16 09:00:00\",100,100\r\n"},
    {"SixItems", u"\"24/01/16 09:00:00\",100,100,1,1,1\r\n"},
    {"EmptyItem", u"\"24/01/16 09:00:00\",100,,1,1\r\n"},
    {"CommaAsDecimalPoint", u"\"24/01/16 09:00:00\",100,\"35,12\",3.417,0.293\r\n"},
    {"BeyondSinglePrecision",
     u"\"24/01/16 09:00:00\",1000000000000000000000000000000000000000,1,1,1\r\n"},
    {"UndecodableByte", u"\"24/01/16 09:00:00\",1\uFFFD0,100,1,1\r\n"},
    {"UnclosedQuote", u"\"24/01/16 09:00:00,100,100,1,1\r\n"},
    {"TwoInARow", u"garbage\r\n\"24/01/16 09:00:00\",100\r\n"},
    {"CutShortAtEnd", u"\"24/01/16 09:00:00\",100,100", true},
};
INSTANTIATE_TEST_SUITE_P(Rows, LoadHistoryDamage, ::testing::ValuesIn(kDamageRows),
                         RowName<DamageRow>);

// Files edited by hand or made elsewhere: every run in them still reads back.
TEST_F(LoadHistoryTest, BlankLinesAndMixedLineEndsKeepEveryRunReadable) {
    Load(
        u"\r\n\"24/01/15 10:20:30\",100,100,1,1\n\n\r\n"
        u"\"24/01/15 10:25:00\",120,35.12,3.417,0.293\r\r\n\n");
    ExpectTheTwoGoodRecords();
}

TEST_F(LoadHistoryTest, FractionalCountShowsItsDecimalsAndAddsRoundedHalfToEven) {
    Load(u"\"24/01/15 10:20:30\",12.5,10,1.25,0.8\r\n");
    ASSERT_EQ(w.ui.history.size(), 1u);
    EXPECT_EQ(w.ui.history[0], u"24/01/15 10:20:30  12.5問　10.00秒　1.250タイプ　0.800秒");
    EXPECT_EQ(w.st.lngToMoji, 12);
    Load(u"\"24/01/15 10:20:30\",12.5,10,1.25,0.8\r\n\"24/01/15 10:21:00\",1.5,1,1.5,0.667\r\n");
    EXPECT_EQ(w.st.lngToMoji, 14);  // 12 + 1.5 = 13.5, to the even 14
}

TEST_F(LoadHistoryTest, SecondsPerCharacterOf999OrMoreNeverBecomesBestPace) {
    Load(u"\"24/01/15 10:20:30\",1,999,0.001,999\r\n\"24/01/15 10:40:00\",1,1500,0.001,1500\r\n");
    EXPECT_EQ(w.ui.history.size(), 2u);
    EXPECT_EQ(w.ui.history[0], u"24/01/15 10:20:30  1問　999.00秒　0.001タイプ　999.000秒");
    EXPECT_EQ(w.st.sngMinByou, 999.0f);
    EXPECT_EQ(w.ui.Caption(Label::MinByou), u" 0秒／タイプ");
}

TEST_F(LoadHistoryTest, CountOverflowingTotalIsListedButNotCountedAndStopsReading) {
    Load(
        u"\"24/01/15 10:20:30\",2000000000,100,1,1\r\n"
        u"\"24/01/15 10:21:00\",2000000000,50,0.5,0.5\r\n"
        u"\"24/01/15 10:22:00\",10,10,1,1\r\n");
    ASSERT_EQ(w.ui.history.size(), 2u);
    EXPECT_EQ(w.ui.history[1], u"24/01/15 10:21:00  2000000000問　50.00秒　0.500タイプ　0.500秒");
    EXPECT_EQ(w.st.lngToMoji, 2000000000);
    EXPECT_EQ(w.st.dblToJikan, 100.0);
    EXPECT_EQ(w.st.sngMinByou, 1.0f);
    EXPECT_EQ(w.ui.Caption(Label::ToKaisu), u" 2回");
}

TEST_F(LoadHistoryTest, HistoryHasNo16BitLineLimit) {
    std::u16string records;
    for (int i = 0; i < 40000; ++i) records += u"\"24/01/15 10:20:30\",1,1,1,1\r\n";
    Load(records);
    EXPECT_EQ(w.ui.history.size(), 40000u);
    EXPECT_EQ(w.ui.historyTopIndex, 39999);
    EXPECT_EQ(w.st.lngToMoji, 40000);
    EXPECT_EQ(w.ui.Caption(Label::ToKaisu), u" 40000回");
}

// ---- A run recorded, then read back ----

TEST_F(LoadHistoryTest, ReloadedRunsShowTheLinesTheyWereListedWith) {
    const float runs[][3] = {
        // start, end, characters
        {36000.0f, 36035.12109375f, 120}, {0.0f, 10.1f, 8}, {86390.0f, 25.25f, 120},
        {500.0f, 500.01f, 120},  // the shortest time a record states
        {100.0f, 102.996f, 10},
    };
    for (const auto& run : runs) {
        w.st.strMondai = std::u16string(static_cast<std::size_t>(run[2]), u'あ');
        w.st.sngStart = run[0];
        w.st.sngEnd = run[1];
        RecordRun(w.st, w.platform);
    }
    const std::vector<std::u16string> listed = w.ui.history;
    const WindowState before = w.st;

    LoadHistory(w.st, w.platform);

    EXPECT_EQ(w.ui.history, listed);
    EXPECT_EQ(RecordFile(),
              u"\"24/01/15 10:20:30\",120,35.12,3.417,0.293\r\n"
              u"\"24/01/15 10:20:30\",8,10.1,0.792,1.263\r\n"
              u"\"24/01/15 10:20:30\",120,35.25,3.404,0.294\r\n"
              u"\"24/01/15 10:20:30\",120,0.01,12000,0\r\n"
              u"\"24/01/15 10:20:30\",10,3,3.333,0.3\r\n");
    EXPECT_EQ(w.st.lngToMoji, before.lngToMoji);
    EXPECT_NEAR(w.st.dblToJikan, before.dblToJikan, 1e-5);
    EXPECT_EQ(w.st.sngMaxByou, before.sngMaxByou);
    EXPECT_EQ(w.st.sngMinByou, before.sngMinByou);
}

TEST_F(LoadHistoryTest, NewRunIsComparedWithLoadedBests) {
    Load(kTwoRecords);
    w.st.sngStart = 0.0f;
    w.st.sngEnd = 36.0f;  // 0.300 a character: not better than the loaded 0.293
    RecordRun(w.st, w.platform);
    EXPECT_TRUE(w.dialogs.shown.empty());
    w.st.sngEnd = 34.0f;  // 0.283 a character
    RecordRun(w.st, w.platform);
    ASSERT_EQ(w.dialogs.shown.size(), 1u);
    EXPECT_EQ(w.dialogs.shown[0].text, u"最高記録を更新しました！");
    EXPECT_EQ(w.ui.history.size(), 4u);
}

// ---- Clear ----

class ClearTest : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        w.files.files[u"abc.REC"] = kRecords;
        w.ui.history = {u"line 1", u"line 2"};
        w.st.lngToMoji = 220;
        w.st.dblToJikan = 135.12;
        w.st.sngMaxByou = 3.417f;
        w.st.sngMinByou = 0.293f;
    }
    void ExpectNothingCleared() {
        EXPECT_EQ(RecordFile(), kRecords);
        EXPECT_EQ(w.ui.history.size(), 2u);
        EXPECT_EQ(w.st.lngToMoji, 220);
        EXPECT_EQ(w.st.sngMinByou, 0.293f);
        EXPECT_EQ(w.ui.Caption(Label::ToKaisu), u"");
    }

    static constexpr std::u16string_view kRecords = kTwoRecords;
};

TEST_F(ClearTest, EmptyListAsksNothingAndChangesNothing) {
    w.files.files[u"abc.REC"] = u"\"24/01/15 10:20:30\",damaged,1,1,1\r\n";
    LoadHistory(w.st, w.platform);
    ASSERT_TRUE(w.ui.history.empty());
    OnClearClick(w.st, w.platform);
    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_EQ(RecordFile(), u"\"24/01/15 10:20:30\",damaged,1,1,1\r\n");
}

TEST_F(ClearTest, CancelChangesNothing) {
    w.dialogs.answers = {MessageAnswer::Cancel};
    OnClearClick(w.st, w.platform);
    EXPECT_EQ(w.dialogs.shown,
              (std::vector<Message>{{u"abcの履歴をクリアします", u"履歴クリア確認",
                                     MessageIcon::Warning, MessageButtons::OkCancel}}));
    ExpectNothingCleared();
}

TEST_F(ClearTest, OkEmptiesFileListAndTotals) {
    OnClearClick(w.st, w.platform);
    ASSERT_EQ(w.dialogs.shown.size(), 1u);
    EXPECT_EQ(RecordFile(), u"");
    EXPECT_TRUE(w.ui.history.empty());
    ExpectNoRunTotals();
    EXPECT_EQ(w.ui.Caption(Label::ToJikan), u" 0時間 0分 0秒");
}

TEST_F(ClearTest, RefusedTruncateWarnsAndKeepsHistory) {
    w.files.unwritable.insert(u"abc.REC");
    OnClearClick(w.st, w.platform);
    ASSERT_EQ(w.dialogs.shown.size(), 2u);
    EXPECT_EQ(w.dialogs.shown[1],
              (Message{u"記録ファイル（abc.REC）を消去できませんでした", u"記録エラー",
                       MessageIcon::Warning, MessageButtons::Ok}));
    ExpectNothingCleared();
}

}  // namespace
}  // namespace bellmora::test
