// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "MissFile.h"
#include "RecordRun.h"
#include "RecordsFixture.h"

namespace bellmora::test {
namespace {

class MissFileTest : public RecordsTest {
protected:
    // A run of the 120-character text at the clock's date, with these misses.
    void Run(std::vector<Miss> misses) {
        w.st.misses = std::move(misses);
        w.st.sngStart = 36000.0f;
        w.st.sngEnd = 36060.0f;
        RecordRun(w.st, w.platform);
    }
    std::u16string& MissFile() { return w.files.files[u"abc.MIS"]; }
};

// The record keeps its five items; the misses go beside it, are read back matched to
// their runs across a damaged line, and go with the history when it is cleared.
TEST_F(MissFileTest, KeepsEachRunsMissesBesideItsRecordUntilCleared) {
    w.files.files[u"abc.REC"] = u"\"24/01/14 09:00:00\",120,50,2.4,0.417\r\n";  // from before
    Run({{u"一", u"位置、"}, {u"\"", u","}});
    EXPECT_EQ(RecordFile(),
              u"\"24/01/14 09:00:00\",120,50,2.4,0.417\r\n"
              u"\"24/01/15 10:20:30\",120,60,2,0.5\r\n");
    EXPECT_EQ(MissFile(),
              u"\"24/01/15 10:20:30\",4,\"4E00\",\"4F4D7F6E3001\",\"0022\",\"002C\"\r\n");

    MissFile() += u"\"24/01/15 10:21:00\",2,\"4E0\",\"0041\"\r\n";  // damaged
    w.clock.now.second = 45;
    Run({});
    const std::vector<RunWithMisses> runs = ReadRunsWithMisses(w.files, u"abc");
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_FALSE(runs[0].misses);
    ASSERT_TRUE(runs[1].misses);
    EXPECT_EQ(runs[1].misses->count, 4);
    EXPECT_EQ(runs[1].misses->misses, (std::vector<Miss>{{u"一", u"位置、"}, {u"\"", u","}}));
    ASSERT_TRUE(runs[2].misses);
    EXPECT_EQ(runs[2].misses->count, 0);

    w.files.files.erase(u"abc.MIS");
    EXPECT_FALSE(ReadRunsWithMisses(w.files, u"abc")[1].misses);  // no file: none known

    Run({{u"a", u"b"}});
    LoadHistory(w.st, w.platform);
    OnClearClick(w.st, w.platform);
    EXPECT_EQ(RecordFile(), u"");
    EXPECT_FALSE(w.files.files.contains(u"abc.MIS"));
}

// A refused miss file costs that run's misses only: its record is whole and nothing is said.
TEST_F(MissFileTest, RefusedMissFileLeavesTheRecordWhole) {
    w.files.unwritable.insert(u"abc.MIS");
    Run({{u"a", u"b"}});
    EXPECT_EQ(RecordFile(), u"\"24/01/15 10:20:30\",120,60,2,0.5\r\n");
    EXPECT_TRUE(w.dialogs.shown.empty());
}

TEST(Accuracy, IsHitsOverHitsAndMisses) {
    EXPECT_DOUBLE_EQ(AccuracyPercent(120, 0), 100.0);
    EXPECT_DOUBLE_EQ(AccuracyPercent(120, 30), 80.0);
    EXPECT_DOUBLE_EQ(AccuracyPercent(3, 1), 75.0);
}

}  // namespace
}  // namespace bellmora::test
