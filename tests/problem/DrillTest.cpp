// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "Drill.h"
#include "FakePlatform.h"
#include "MissFile.h"

namespace bellmora::test {
namespace {

TEST(Drill, SplitsSentencesAtTheirEndsAndAtLineEnds) {
    EXPECT_EQ(SplitSentences(
                  u"　吾輩は猫である。名前は,まだ無い！？\r\nどこで生れたか\r\n\r\n\"「え？」\""),
              (std::vector<std::u16string>{u"吾輩は猫である。", u"名前はまだ無い！？",
                                           u"どこで生れたか", u"「え？", u"」"}));
}

struct ChoiceRow {
    const char* name;
    std::vector<std::u16string> weakest;
    std::vector<std::u16string> sentences;
    std::vector<std::u16string> chosen;
};
void PrintTo(const ChoiceRow& row, std::ostream* os) { *os << row.name; }

class DrillChoice : public testing::TestWithParam<ChoiceRow> {};

TEST_P(DrillChoice, TakesTheWeakestFirstWithinItsSize) {
    EXPECT_EQ(ChooseDrillSentences(GetParam().weakest, GetParam().sentences), GetParam().chosen);
}

const std::u16string k60a(60, u'あ'),
    k60b(60, u'い'), k250a = std::u16string(250, u'あ'), k30a(30, u'あ'),
                     k99b(99, u'い'), k40ab = std::u16string(20, u'あ') + std::u16string(20, u'い');
const ChoiceRow kChoiceRows[] = {
    {"ShortestSentenceOfTheWeakestFirstRoundAfterRound",
     {u"あ", u"い"},
     {k60a + u"。", u"あ。", k60b, u"い。", u"う。"},
     {u"あ。", u"い。", k60a + u"。", k60b}},
    {"StopsAtTheEndOfTheRoundThatReaches100", {u"あ", u"い"}, {k99b, k40ab, k60a}, {k40ab, k99b}},
    {"NeverMoreThan300", {u"あ"}, {k250a + u"。", k60a, k30a}, {k30a, k60a}},
    {"NoSentenceHoldsAWeakCharacter", {u"ゑ"}, {k60a}, {}},
};
INSTANTIATE_TEST_SUITE_P(Rows, DrillChoice, testing::ValuesIn(kChoiceRows),
                         [](const auto& info) { return std::string(info.param.name); });

// The drill is written from the folder's texts (never the read-me, never the drill
// itself), listed, selected and loaded; again, it replaces only itself.
TEST(Drill, IsWrittenFromTheFolderAndLoaded) {
    FakeWindow w;
    w.Load();
    w.files.files[u"猫.txt"] = u"吾輩は猫である。名前はまだ無い。\r\n猫の額。\r\n";
    w.files.files[u"読んでね.txt"] = u"猫の説明。";
    w.files.files[u"苦手な字の練習.txt"] = u"古い猫。";
    // 猫 twice in each of three runs: often enough to be ranked.
    for (const std::u16string day : {u"15", u"16", u"17"}) {
        const std::u16string date = u"24/01/" + day + u" 10:20:30";
        w.files.files[u"猫.REC"] += u"\"" + date + u"\",20,10,2,0.5\r\n";
        const std::string misses = FormatMissLine(date, {{u"猫", u"根"}});
        w.files.files[u"猫.MIS"] += std::u16string(misses.begin(), misses.end());
    }
    OnMakeDrill(w.st, w.platform, true);
    EXPECT_EQ(w.files.files[u"苦手な字の練習.txt"], u"猫の額。\r\n吾輩は猫である。\r\n");
    EXPECT_EQ(w.ui.selectedFileName, u"苦手な字の練習.txt");
    EXPECT_EQ(w.st.strMondai, u"猫の額。吾輩は猫である。");
    EXPECT_EQ(w.st.strMondaiName, u"苦手な字の練習");
    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_EQ(w.files.files.size(), 5u);

    w.files.files.erase(u"猫.MIS");  // no misses known: nothing is written
    OnMakeDrill(w.st, w.platform, true);
    ASSERT_EQ(w.dialogs.shown.size(), 1u);
    EXPECT_EQ(w.dialogs.shown[0].text,
              u"ミスの記録がまだありません。練習するとミスが記録され、苦手な字の練習が作れます。");
    EXPECT_EQ(w.files.files[u"苦手な字の練習.txt"], u"猫の額。\r\n吾輩は猫である。\r\n");
}

}  // namespace
}  // namespace bellmora::test
