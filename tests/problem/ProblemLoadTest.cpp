// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakePlatform.h"
#include "ProblemLoad.h"
#include "Text.h"

namespace bellmora::test {
namespace {

const std::u16string kRefusalCaption = u"問題未選択";

// Everything a load may touch, to check that a refused one touches none of it.
struct Shown {
    std::u16string strMondai, strMondaiName, strMondaiFile, strInpKey;
    int intPos, intMoji;
    std::int32_t lngToMoji;
    float sngMinByou;
    std::u16string frame, mondai, nokori, inpkey;
    std::vector<std::u16string> history;
    Focus focus;
    Rgb colour;
    bool operator==(const Shown&) const = default;
};

class ProblemLoad : public testing::Test {
protected:
    FakeWindow w;
    WindowState& st = w.st;
    FakeControls& ui = w.ui;

    // A window that has shown a problem for a while: part typed, its history listed and
    // the text hidden by a click.
    void SetUp() override {
        w.Load();
        Click(u"前.txt", u"かきくけこ");
        st.intPos = 3;
        st.strInpKey = u"く";
        ui.SetCaption(Label::Inpkey, u"く");
        ui.history = {u"24/01/15 10:20:30  5問　5.00秒　1.000タイプ　1.000秒"};
        st.lngToMoji = 5;
        st.sngMinByou = 1;
        ui.mondaiColour = kLightGrey;
        ui.focus = Focus::FileList;  // the click on the list took it
        w.dialogs.shown.clear();
    }

    void Click(const std::u16string& file) {
        ui.selectedFileName = file;
        OnFileListClick(st, w.platform);
    }
    void Click(const std::u16string& file, const std::u16string& content) {
        w.files.files[file] = content;
        Click(file);
    }

    Shown Now() const {
        return {st.strMondai,
                st.strMondaiName,
                st.strMondaiFile,
                st.strInpKey,
                st.intPos,
                st.intMoji,
                st.lngToMoji,
                st.sngMinByou,
                ui.problemFrameCaption,
                ui.Caption(Label::Mondai),
                ui.Caption(Label::Nokori),
                ui.Caption(Label::Inpkey),
                ui.history,
                ui.focus,
                ui.mondaiColour};
    }
};

struct LoadRow {
    const char* name;
    std::u16string file;
    std::u16string content;
    std::u16string text;  // what is to be typed
    std::u16string problemName;
};

const std::u16string kMaxText(kMaxProblemLength, u'あ');
const std::u16string kMaxItems = std::u16string(kMaxProblemLength - 1, u',') + u"あ";

const LoadRow kLoadRows[] = {
    {"CommaSeparatedItems", u"p.txt", u"あいう,えお", u"あいうえお", u"p"},
    {"TwoLines", u"p.txt", u"あいう\r\nえお\r\n", u"あいうえお", u"p"},
    {"LeadingSpacesDropped", u"p.txt", u"  あいう\r\n   えお", u"あいうえお", u"p"},
    {"QuotedLine", u"p.txt", u"\"かきく\"\r\n", u"かきく", u"p"},
    {"EmptyFile", u"p.txt", u"", u"", u"p"},
    {"NamedAfterFile", u"abc.txt", u"abc", u"abc", u"abc"},
    {"NameBeginningLikeReadMe", u"読んで.txt", u"あ", u"あ", u"読んで"},
    {"LongestText", u"p.txt", kMaxText, kMaxText, u"p"},
    {"MostItems", u"p.txt", kMaxItems, u"あ", u"p"},
    {"LineEndTabAndPairInQuotes", u"p.txt", u"\"a\r\nb\tc\U0001F600\"", u"a\r\nb\tc\U0001F600",
     u"p"},
};

class ProblemLoadRows : public ProblemLoad, public testing::WithParamInterface<LoadRow> {};

TEST_P(ProblemLoadRows, ShowsTextReadyToTypeWithFocusOnStart) {
    const LoadRow& row = GetParam();
    Click(row.file, row.content);
    const std::u16string count = IntegerText(static_cast<std::int64_t>(row.text.size()));

    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_TRUE(st.strMondai == row.text);
    EXPECT_EQ(st.intMoji, static_cast<int>(row.text.size()));
    EXPECT_EQ(st.strMondaiName, row.problemName);
    EXPECT_EQ(st.strMondaiFile, row.file);
    EXPECT_EQ(ui.problemFrameCaption, u"文字数　" + count + u"問");
    EXPECT_TRUE(ui.Caption(Label::Mondai) == row.text);
    EXPECT_EQ(ui.Caption(Label::Nokori), count);
    EXPECT_EQ(ui.Caption(Label::Inpkey), row.text.substr(0, 1));
    EXPECT_EQ(st.intPos, 1);
    EXPECT_EQ(st.strInpKey, row.text.substr(0, 1));
    EXPECT_EQ(ui.focus, Focus::Start);
    EXPECT_EQ(ui.mondaiColour, kLightGrey);  // hidden text stays hidden
}

INSTANTIATE_TEST_SUITE_P(Files, ProblemLoadRows, testing::ValuesIn(kLoadRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusalRow {
    const char* name;
    std::u16string file;
    std::u16string content;
    enum { Present, Missing, Unreadable, BadCharacters } kind;
    std::u16string message;
};

const RefusalRow kRefusalRows[] = {
    {"ReadMe", u"読んでね.txt", u"あ", RefusalRow::Present, u"それは問題ファイルではありません"},
    {"ReadMeWithSuffix", u"読んでね2.txt", u"あ", RefusalRow::Present,
     u"それは問題ファイルではありません"},
    {"Missing", u"gone.txt", u"", RefusalRow::Missing,
     u"問題ファイル（gone.txt）を読み込めませんでした"},
    {"Unreadable", u"lock.txt", u"あ", RefusalRow::Unreadable,
     u"問題ファイル（lock.txt）を読み込めませんでした"},
    {"BadCharacters", u"bad.txt", u"a\uFFFD", RefusalRow::BadCharacters,
     u"問題ファイル（bad.txt）に読めない文字があります"},
    {"ControlCharacter", u"bell.txt", u"あ\u0007い", RefusalRow::Present,
     u"問題ファイル（bell.txt）に読めない文字があります"},
    {"C1ControlCharacter", u"nel.txt", u"\"あ\u0085い\"", RefusalRow::Present,
     u"問題ファイル（nel.txt）に読めない文字があります"},
    {"TooManyCharacters", u"long.txt", u"あ," + kMaxText, RefusalRow::Present,
     u"問題ファイル（long.txt）が長すぎます"},
    {"TooManyItems", u"long.txt", std::u16string(kMaxProblemLength + 1, u','), RefusalRow::Present,
     u"問題ファイル（long.txt）が長すぎます"},
};

class ProblemRefusalRows : public ProblemLoad, public testing::WithParamInterface<RefusalRow> {};

TEST_P(ProblemRefusalRows, WarnsAndChangesNothing) {
    const RefusalRow& row = GetParam();
    if (row.kind != RefusalRow::Missing) w.files.files[row.file] = row.content;
    if (row.kind == RefusalRow::Unreadable) w.files.unreadable.insert(row.file);
    if (row.kind == RefusalRow::BadCharacters) w.files.badCharacters.insert(row.file);
    const Shown before = Now();

    Click(row.file);

    EXPECT_EQ(w.dialogs.shown, (std::vector<Message>{{row.message, kRefusalCaption,
                                                      MessageIcon::Warning, MessageButtons::Ok}}));
    EXPECT_TRUE(Now() == before);
}

INSTANTIATE_TEST_SUITE_P(Files, ProblemRefusalRows, testing::ValuesIn(kRefusalRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProblemLoad, Load_ReadsTheHistoryOfTheRecordFileNamedAfterIt) {
    w.files.files[u"abc.REC"] = u"\"24/01/15 10:20:30\",100,100,1,1\r\n";
    Click(u"abc.txt", u"abc");
    const std::vector<std::u16string> lines = {
        u"24/01/15 10:20:30  100問　100.00秒　1.000タイプ　1.000秒"};
    EXPECT_EQ(ui.history, lines);
    EXPECT_EQ(st.lngToMoji, 100);
}

TEST_F(ProblemLoad, NothingSelected_DoesNothing) {
    const Shown before = Now();
    const int reads = w.files.reads;
    Click(u"");
    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_EQ(w.files.reads, reads);
    EXPECT_TRUE(Now() == before);
}

TEST_F(ProblemLoad, ReadMeReachedByKeyboard_IsNamedInTheFrameWithoutABox) {
    w.files.files[u"読んでね.txt"] = u"あ";
    ui.selectedFileName = u"読んでね.txt";
    OnFileListKeyMove(st, w.platform);
    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_EQ(ui.problemFrameCaption, u"読んでね.txt　説明文");
    EXPECT_EQ(st.strMondai, u"かきくけこ");
    EXPECT_EQ(w.speech.said.back(), u"読んでね.txt　せつめいぶん　もんだいでは ありません");
}

// The run's clock and record file belong to the problem it started with.
TEST_F(ProblemLoad, DuringCountdownOrRun_LoadsNothing) {
    for (Flag WindowState::*flag : {&WindowState::blnCountdown, &WindowState::blnTyping}) {
        st.*flag = Flag::True;
        const Shown before = Now();
        const int reads = w.files.reads;
        Click(u"p.txt", u"たちつ");
        Click(u"読んでね.txt", u"");
        EXPECT_TRUE(Now() == before);
        EXPECT_EQ(w.files.reads, reads);
        EXPECT_TRUE(w.dialogs.shown.empty());
        st.*flag = Flag::False;
    }
}

}  // namespace
}  // namespace bellmora::test
