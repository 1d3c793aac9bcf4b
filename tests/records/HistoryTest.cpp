#include <gtest/gtest.h>

#include "History.h"
#include "RecordsFixture.h"

namespace bellmora::test {
namespace {

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

    static constexpr std::u16string_view kRecords =
        u"\"24/01/15 10:20:30\",100,100,1,1\r\n\"24/01/15 10:25:00\",120,35.12,3.417,0.293\r\n";
};

TEST_F(ClearTest, EmptyListAsksNothingAndChangesNothing) {
    w.ui.history.clear();
    w.files.files[u"abc.REC"] = u"damaged";
    OnClearClick(w.st, w.platform);
    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_EQ(RecordFile(), u"damaged");
    EXPECT_EQ(w.st.lngToMoji, 220);
}

TEST_F(ClearTest, CancelChangesNothing) {
    w.dialogs.answers = {MessageAnswer::Cancel};
    OnClearClick(w.st, w.platform);
    ASSERT_EQ(w.dialogs.shown.size(), 1u);
    const Message& m = w.dialogs.shown[0];
    EXPECT_EQ(m.text, u"abcの履歴をクリアします");
    EXPECT_EQ(m.caption, u"履歴クリア確認");
    EXPECT_EQ(m.icon, MessageIcon::Warning);
    EXPECT_EQ(m.buttons, MessageButtons::OkCancel);
    ExpectNothingCleared();
}

TEST_F(ClearTest, OkEmptiesFileListAndTotals) {
    OnClearClick(w.st, w.platform);
    ASSERT_EQ(w.dialogs.shown.size(), 1u);
    EXPECT_EQ(RecordFile(), u"");
    EXPECT_TRUE(w.ui.history.empty());
    EXPECT_EQ(w.st.lngToMoji, 0);
    EXPECT_EQ(w.st.dblToJikan, 0.0);
    EXPECT_EQ(w.st.sngMaxByou, 0.0f);
    EXPECT_EQ(w.st.sngMinByou, 999.0f);
    EXPECT_EQ(w.ui.Caption(Label::ToKaisu), u" 0回");
    EXPECT_EQ(w.ui.Caption(Label::ToJikan), u" 0時間 0分 0秒");
    EXPECT_EQ(w.ui.Caption(Label::MinByou), u" 0秒／タイプ");
}

TEST_F(ClearTest, RefusedTruncateWarnsAndKeepsHistory) {
    w.files.unwritable.insert(u"abc.REC");
    OnClearClick(w.st, w.platform);
    ASSERT_EQ(w.dialogs.shown.size(), 2u);
    const Message& m = w.dialogs.shown[1];
    EXPECT_EQ(m.text, u"記録ファイル（abc.REC）を消去できませんでした");
    EXPECT_EQ(m.caption, u"記録エラー");
    EXPECT_EQ(m.icon, MessageIcon::Warning);
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    ExpectNothingCleared();
}

}  // namespace
}  // namespace bellmora::test
