// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "LoadHistory.h"
#include "RecordFile.h"
#include "RecordsFixture.h"

namespace bellmora::test {
namespace {

using test::PrintTo;  // so that failing rows are named by their name

struct RecordRow {
    const char* name;
    int moji;
    double jikan, byou, byou2;
    std::string_view expected;
};
class FormatRecordLineBytes : public ::testing::TestWithParam<RecordRow> {};

TEST_P(FormatRecordLineBytes, WritesQuotedDateAndShortestFigures) {
    const RecordRow& row = GetParam();
    EXPECT_EQ(FormatRecordLine(u"24/01/15 10:20:30", row.moji, row.jikan, row.byou, row.byou2),
              row.expected);
}

const RecordRow kRecordRows[] = {
    {"ExampleIs31BytesThenCrLf", 100, 100.0, 1.0, 1.0, "\"24/01/15 10:20:30\",100,100,1,1\r\n"},
    {"FractionsWithZeroBeforePoint", 120, 35.12, 3.417, 0.293,
     "\"24/01/15 10:20:30\",120,35.12,3.417,0.293\r\n"},
    {"TrailingZerosLeftOut", 10, 45.60, 3.410, 0.300, "\"24/01/15 10:20:30\",10,45.6,3.41,0.3\r\n"},
    {"ZeroFigure", 120, 0.01, 12000.0, 0.0, "\"24/01/15 10:20:30\",120,0.01,12000,0\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Rows, FormatRecordLineBytes, ::testing::ValuesIn(kRecordRows),
                         RowName<RecordRow>);

TEST(FormatHistoryLine, JoinsPiecesWithTheirUnits) {
    EXPECT_EQ(FormatHistoryLine(u"24/01/15 10:20:30", u"100", u"100.00", u"1.000", u"1.000"),
              u"24/01/15 10:20:30  100問　100.00秒　1.000タイプ　1.000秒");
}

}  // namespace
}  // namespace bellmora::test
