// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "RecordRun.h"
#include "RecordsFixture.h"

namespace bellmora::test {
namespace {

using test::PrintTo;  // so that failing rows are named by their name

constexpr std::u16string_view kDate = u"24/01/15 10:20:30";

class RecordRunTest : public RecordsTest {
protected:
    // A run of `moji` characters between two clock readings.
    void Run(float start, float end, std::size_t moji = 120) {
        w.st.strMondai = std::u16string(moji, u'あ');
        w.st.sngStart = start;
        w.st.sngEnd = end;
        RecordRun(w.st, w.platform);
    }
    void RunSeconds(float seconds, std::size_t moji = 120) {
        Run(36000.0f, 36000.0f + seconds, moji);
    }

    // As Start does before each run.
    void EmptyRunLabels() {
        for (Label l : {Label::Djikan, Label::Dbyou, Label::Dbyou2}) w.ui.SetCaption(l, u"");
    }
};

// ---- The figures of one run: elapsed time, the two speeds, the list line and the record ----

struct RunRow {
    const char* name;
    float start, end;
    std::size_t moji;
    std::u16string_view mojiText, jikan, byou, byou2;
    std::u16string_view record;  // after the date item
};

class RecordRunFigures : public RecordRunTest, public ::testing::WithParamInterface<RunRow> {};

TEST_P(RecordRunFigures, ListLineRecordAndLabelsShowTheSameFigures) {
    const RunRow& row = GetParam();
    Run(row.start, row.end, row.moji);

    ASSERT_EQ(w.ui.history.size(), 1u);
    EXPECT_EQ(w.ui.history[0],
              FormatHistoryLine(std::u16string(kDate), std::u16string(row.mojiText),
                                std::u16string(row.jikan), std::u16string(row.byou),
                                std::u16string(row.byou2)));
    EXPECT_EQ(RecordFile(), u"\"" + std::u16string(kDate) + u"\"," + std::u16string(row.record));
    EXPECT_EQ(w.ui.Caption(Label::Djikan), u" " + std::u16string(row.jikan));
    EXPECT_EQ(w.ui.Caption(Label::Dbyou), u" " + std::u16string(row.byou));
    EXPECT_EQ(w.ui.Caption(Label::Dbyou2), u" " + std::u16string(row.byou2));
}

const RunRow kRunRows[] = {
    {"WorkedExample", 36000.0f, 36035.12109375f, 120, u"120", u"35.12", u"3.417", u"0.293",
     u"120,35.12,3.417,0.293\r\n"},
    {"SpeedsUseRoundedTime", 100.0f, 102.996f, 10, u"10", u"3.00", u"3.333", u"0.300",
     u"10,3,3.333,0.3\r\n"},
    // 10.10 / 8 is a half in its shortest form, 1.2625.
    {"HalfQuotientRoundsUp", 0.0f, 10.1f, 8, u"8", u"10.10", u"0.792", u"1.263",
     u"8,10.1,0.792,1.263\r\n"},
    {"AcrossMidnight", 86390.0f, 25.25f, 120, u"120", u"35.25", u"3.404", u"0.294",
     u"120,35.25,3.404,0.294\r\n"},
    {"LongestText", 0.0f, 100.0f, 40000, u"32767", u"100.00", u"327.670", u"0.003",
     u"32767,100,327.67,0.003\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Rows, RecordRunFigures, ::testing::ValuesIn(kRunRows), RowName<RunRow>);

// ---- Totals, bests and the congratulation ----

TEST_F(RecordRunTest, FirstRunSetsBestsWithoutMessage) {
    RunSeconds(35.12109375f);
    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_EQ(w.ui.historyTopIndex, 0);
    EXPECT_EQ(w.st.lngToMoji, 120);
    EXPECT_EQ(w.st.dblToJikan, 35.12);
    EXPECT_EQ(w.st.sngMaxByou, 3.417f);
    EXPECT_EQ(w.st.sngMinByou, 0.293f);
    EXPECT_EQ(w.ui.Caption(Label::ToKaisu), u" 1回");
    EXPECT_EQ(w.ui.Caption(Label::ToMoji), u" 120文字");
    EXPECT_EQ(w.ui.Caption(Label::ToJikan), u" 0時間 0分 35秒");
    EXPECT_EQ(w.ui.Caption(Label::MaxByou), u" 3.417タイプ／秒");
    EXPECT_EQ(w.ui.Caption(Label::MinByou), u" 0.293秒／タイプ");
}

TEST_F(RecordRunTest, NewBestPaceIsCongratulatedAfterListAndSummaryBeforeRunLabels) {
    RunSeconds(40.0f);
    EmptyRunLabels();
    std::vector<std::u16string> seen;
    w.dialogs.onShow = [&](const Message&) {
        seen = {w.ui.Caption(Label::ToKaisu), w.ui.Caption(Label::MinByou),
                w.ui.Caption(Label::Djikan), w.ui.Caption(Label::Dbyou),
                w.ui.Caption(Label::Dbyou2)};
        EXPECT_EQ(w.ui.history.size(), 2u);
        EXPECT_EQ(w.ui.historyTopIndex, 1);
    };
    RunSeconds(35.12109375f);

    EXPECT_EQ(w.dialogs.shown,
              (std::vector<Message>{{u"最高記録を更新しました！", u"おめでとうございます！",
                                     MessageIcon::Information, MessageButtons::Ok}}));
    EXPECT_EQ(seen, (std::vector<std::u16string>{u" 2回", u" 0.293秒／タイプ", u"", u"", u""}));
    EXPECT_EQ(w.ui.Caption(Label::Djikan), u" 35.12");
}

TEST_F(RecordRunTest, EqualBestPaceIsNotCongratulated) {
    RunSeconds(35.12109375f);
    RunSeconds(35.14f);  // 0.29283… shows 0.293 too
    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_EQ(w.st.sngMinByou, 0.293f);
    EXPECT_EQ(w.st.sngMaxByou, 3.417f);
}

TEST_F(RecordRunTest, BetterCharactersPerSecondAloneIsSilent) {
    RunSeconds(35.14f);        // 3.415 a second, 0.293 a character
    RunSeconds(35.12109375f);  // 3.417 a second, 0.293 a character
    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_EQ(w.st.sngMaxByou, 3.417f);
    EXPECT_EQ(w.st.sngMinByou, 0.293f);
}

TEST_F(RecordRunTest, SlowRunNeverBecomesBestPace) {
    RunSeconds(999.5f, 1);
    EXPECT_EQ(w.st.sngMinByou, 999.0f);
    EXPECT_EQ(w.ui.Caption(Label::MinByou), u" 0秒／タイプ");
}

TEST_F(RecordRunTest, TotalsAddTheShownTimes) {
    RunSeconds(35.12109375f);
    RunSeconds(24.876f);  // 24.88
    EXPECT_EQ(w.st.lngToMoji, 240);
    EXPECT_DOUBLE_EQ(w.st.dblToJikan, 60.0);
    EXPECT_EQ(w.ui.Caption(Label::ToJikan), u" 0時間 1分 0秒");
}

struct UnscoredRow {
    const char* name;
    float seconds;
    std::size_t moji;
};

class RecordRunUnscored : public RecordRunTest,
                          public ::testing::WithParamInterface<UnscoredRow> {};

// Neither listed, recorded nor counted: nothing could be divided by its time or its count.
TEST_P(RecordRunUnscored, LeavesListFileTotalsAndLabelsAlone) {
    RunSeconds(GetParam().seconds, GetParam().moji);
    EXPECT_TRUE(w.ui.history.empty());
    EXPECT_EQ(RecordFile(), u"(none)");
    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_EQ(w.ui.Caption(Label::Djikan), u"");
    EXPECT_EQ(w.ui.Caption(Label::Dbyou), u"");
    EXPECT_EQ(w.ui.Caption(Label::Dbyou2), u"");
    EXPECT_EQ(w.st.lngToMoji, 0);
    EXPECT_EQ(w.st.sngMinByou, 999.0f);
}

const UnscoredRow kUnscoredRows[] = {
    {"EmptyText", 3.0f, 0},
    {"NoTime", 0.0f, 120},
    {"TimeShowingAsZero", 0.004f, 1},
};
INSTANTIATE_TEST_SUITE_P(Rows, RecordRunUnscored, ::testing::ValuesIn(kUnscoredRows),
                         RowName<UnscoredRow>);

TEST_F(RecordRunTest, RefusedAppendWarnsAndKeepsRunInListAndTotals) {
    w.files.unwritable.insert(u"abc.REC");
    RunSeconds(35.12109375f);

    EXPECT_EQ(w.dialogs.shown,
              (std::vector<Message>{{u"記録ファイル（abc.REC）に書き込めませんでした",
                                     u"記録エラー", MessageIcon::Warning, MessageButtons::Ok}}));
    EXPECT_EQ(RecordFile(), u"(none)");
    EXPECT_EQ(w.ui.history.size(), 1u);
    EXPECT_EQ(w.st.lngToMoji, 120);
    EXPECT_EQ(w.ui.Caption(Label::ToKaisu), u" 1回");
    EXPECT_EQ(w.ui.Caption(Label::Djikan), u" 35.12");
}

TEST_F(RecordRunTest, RefusedAppendOfNewBestWarnsThenCongratulates) {
    RunSeconds(40.0f);
    w.files.unwritable.insert(u"abc.REC");
    RunSeconds(35.12109375f);
    ASSERT_EQ(w.dialogs.shown.size(), 2u);
    EXPECT_EQ(w.dialogs.shown[0].caption, u"記録エラー");
    EXPECT_EQ(w.dialogs.shown[1].caption, u"おめでとうございます！");
}

}  // namespace
}  // namespace bellmora::test
