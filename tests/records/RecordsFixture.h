// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <string>

#include "FakePlatform.h"
#include "LoadHistory.h"

namespace bellmora::test {

// A window with the problem "abc" chosen: a text of 120 characters and no history yet.
class RecordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        w.Load();
        w.st.strMondai = std::u16string(120, u'あ');
        w.st.strMondaiName = u"abc";
        ResetTotals(w.st);
    }

    // The record file's content, or "(none)" when it does not exist.
    std::u16string RecordFile() const {
        auto it = w.files.files.find(u"abc.REC");
        return it == w.files.files.end() ? u"(none)" : it->second;
    }

    // The totals and summary of a history without runs.
    void ExpectNoRunTotals() const {
        EXPECT_EQ(w.st.lngToMoji, 0);
        EXPECT_EQ(w.st.dblToJikan, 0.0);
        EXPECT_EQ(w.st.sngMaxByou, 0.0f);
        EXPECT_EQ(w.st.sngMinByou, 999.0f);
        EXPECT_EQ(w.ui.Caption(Label::ToKaisu), u" 0回");
        EXPECT_EQ(w.ui.Caption(Label::MinByou), u" 0秒／タイプ");
    }

    FakeWindow w;
};

// A failing table row is reported by its name.
template <typename Row>
requires requires(const Row& r) { r.name; }
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

template <typename Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

}  // namespace bellmora::test
