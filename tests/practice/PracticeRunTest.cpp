// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>

#include "FakePlatform.h"
#include "MissFile.h"
#include "PracticeRun.h"
#include "ProblemLoad.h"
#include "SpokenText.h"
#include "Text.h"
#include "TypingUnit.h"

namespace bellmora::test {
namespace {

class PracticeRun : public testing::Test {
protected:
    FakeWindow w;
    WindowState& st = w.st;
    FakeControls& ui = w.ui;

    void SetUp() override { w.Load(); }

    // The state a successful load leaves behind.
    void Loaded(const std::u16string& text, const std::u16string& file = u"p.txt") {
        ui.selectedFileName = file;
        st.strMondaiFile = file;
        st.strMondaiName = file.substr(0, file.size() - 4);
        st.strMondai = text;
        st.intMoji = static_cast<std::int16_t>(text.size());
        st.intPos = 1;
        st.strInpKey = TypingUnitAt(text, 1);
        ui.SetCaption(Label::Mondai, text);
        ui.SetCaption(Label::Nokori, IntegerText(st.intMoji));
        ui.SetCaption(Label::Inpkey, st.strInpKey);
    }

    void Tick() { OnTypingTick(st, w.platform); }
    // One change of the input box, as a keystroke or an input-method commit.
    void Key(const std::u16string& text) { OnInputChange(st, w.platform, text); }
    // The wait's test after the window handled its events.
    void Continue() { ContinueTypingStep(st, w.platform); }
    // Keystrokes one after another, each handled in its own step.
    void Type(const std::u16string& text) {
        for (char16_t c : text) {
            Tick();
            Key(std::u16string(1, c));
            Continue();
        }
    }
    void Start() { OnStartClick(st, w.platform); }
    void CountdownTick() { OnCountdownTick(st, w.platform); }
    // Start and the three lights; the run then takes the typist a second.
    void Countdown() {
        Start();
        for (int i = 0; i < 3; ++i) CountdownTick();
        w.clock.seconds += 1.0f;
    }
    std::u16string Caption(Label label) const { return ui.Caption(label); }
};

TEST_F(PracticeRun, Start_WithNothingSelected_AsksForAProblemAndFocusesTheList) {
    Loaded(u"abc");
    ui.selectedFileName.clear();
    ui.SetCaption(Label::Djikan, u" 1.00");
    Start();
    EXPECT_EQ(w.dialogs.shown,
              (std::vector<Message>{{u"先に出題リストから問題を選択下さい", u"問題未選択",
                                     MessageIcon::Warning, MessageButtons::Ok}}));
    EXPECT_EQ(ui.focus, Focus::FileList);
    EXPECT_TRUE(ui.startEnabled);
    EXPECT_NE(st.blnCountdown, Flag::True);
    EXPECT_EQ(Caption(Label::Djikan), u" 1.00");
    CountdownTick();
    EXPECT_EQ(w.sound.beeps, 0);
}

TEST_F(PracticeRun, Start_WithAReadMeFile_AsksForAProblem) {
    Loaded(u"abc");
    ui.selectedFileName = u"読んでね.txt";
    Start();
    ASSERT_EQ(w.dialogs.shown.size(), 1u);
    EXPECT_EQ(w.dialogs.shown[0].text, u"問題を選択して下さい");
    EXPECT_EQ(w.dialogs.shown[0].caption, u"問題未選択");
    EXPECT_EQ(ui.focus, Focus::FileList);
    EXPECT_NE(st.blnCountdown, Flag::True);
}

TEST_F(PracticeRun, Start_WithReadMeWordLaterInTheName_Starts) {
    Loaded(u"abc", u"まず読んでね.txt");
    Start();
    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_EQ(st.blnCountdown, Flag::True);
}

TEST_F(PracticeRun, Start_WithASelectionThatNeverLoaded_IsRefused) {
    ui.selectedFileName = u"broken.txt";  // nothing loaded yet
    Start();
    Loaded(u"abc", u"good.txt");
    ui.selectedFileName = u"broken.txt";  // selected, but its load was refused
    Start();
    ASSERT_EQ(w.dialogs.shown.size(), 2u);
    for (const Message& m : w.dialogs.shown) {
        EXPECT_EQ(m.text, u"先に出題リストから問題を選択下さい");
        EXPECT_EQ(m.caption, u"問題未選択");
    }
    EXPECT_NE(st.blnCountdown, Flag::True);
    EXPECT_TRUE(ui.startEnabled);
}

TEST_F(PracticeRun, Countdown_LightsRedYellowGreenWithABeepEachThenTimes) {
    Loaded(u"abc");
    ui.SetCaption(Label::Djikan, u" 1.00");
    ui.SetCaption(Label::Dbyou, u" 3.000");
    ui.SetCaption(Label::Dbyou2, u" 0.333");
    ui.focus = Focus::Start;  // pressed with the keyboard
    Start();
    EXPECT_FALSE(ui.startEnabled);
    // In the input box, not passed on to Clear, and kept there: no key of the countdown
    // can reach another control, and no other problem can be chosen.
    EXPECT_EQ(ui.focus, Focus::Input);
    EXPECT_TRUE(ui.inputKeepsTab);
    EXPECT_TRUE(ui.fileListLocked);
    EXPECT_EQ(Caption(Label::Djikan), u"");
    EXPECT_EQ(Caption(Label::Dbyou), u"");
    EXPECT_EQ(Caption(Label::Dbyou2), u"");
    EXPECT_EQ(ui.ShownImage(), 0);  // the three lights stand as laid out until the first tick

    CountdownTick();
    EXPECT_EQ(ui.ShownImage(), 1);
    EXPECT_EQ(w.sound.beeps, 1);
    CountdownTick();
    EXPECT_EQ(ui.ShownImage(), 2);
    EXPECT_EQ(w.sound.beeps, 2);
    EXPECT_NE(st.blnTyping, Flag::True);
    EXPECT_TRUE(ui.countdownTimerEnabled);

    w.clock.seconds = 45000.5f;
    CountdownTick();
    EXPECT_EQ(ui.ShownImage(), 3);
    EXPECT_EQ(w.sound.beeps, 3);
    EXPECT_FALSE(ui.countdownTimerEnabled);
    EXPECT_EQ(st.blnCountdown, Flag::False);
    EXPECT_EQ(st.intCount, 0);
    EXPECT_EQ(st.blnTyping, Flag::True);
    EXPECT_EQ(st.sngStart, 45000.5f);
    EXPECT_EQ(ui.focus, Focus::Input);
}

TEST_F(PracticeRun, CountdownTick_WithoutAnArmedCountdown_DoesNothing) {
    Loaded(u"abc");
    CountdownTick();
    EXPECT_EQ(w.sound.beeps, 0);
    EXPECT_EQ(ui.ShownImage(), 0);
}

TEST_F(PracticeRun, WrongKey_IsDroppedWithoutChangingAnything) {
    Loaded(u"あいう");
    Tick();
    Key(u"か");
    Continue();
    EXPECT_EQ(st.intPos, 1);
    EXPECT_EQ(Caption(Label::Mondai), u"あいう");
    EXPECT_EQ(Caption(Label::Nokori), u"3");
    EXPECT_EQ(Caption(Label::Inpkey), u"あ");
    EXPECT_EQ(st.stepPhase, StepPhase::Waiting);
    EXPECT_TRUE(w.dialogs.shown.empty());
    EXPECT_EQ(w.sound.beeps, 0);
}

TEST_F(PracticeRun, TypingAiu_ShowsRemainingCountAndRestAfterEachHit) {
    Loaded(u"あいう");
    Tick();
    Key(u"あ");
    Continue();
    EXPECT_EQ(Caption(Label::Nokori), u"2");
    EXPECT_EQ(Caption(Label::Mondai), u"いう");
    EXPECT_EQ(Caption(Label::Inpkey), u"い");  // the next step has begun at once
    Key(u"い");
    Continue();
    EXPECT_EQ(Caption(Label::Nokori), u"1");
    EXPECT_EQ(Caption(Label::Mondai), u"う");
    Type(u"う");
    EXPECT_EQ(Caption(Label::Nokori), u"0");
    EXPECT_EQ(Caption(Label::Mondai), u"");
    EXPECT_EQ(st.intPos, 4);  // outside a timed run the end ends nothing
}

TEST_F(PracticeRun, TimedRun_EndsAtTheLastCharacterAndReturnsToIdle) {
    Loaded(u"あいう");
    w.clock.seconds = 100.0f;
    Countdown();
    w.clock.seconds = 103.5f;
    Type(u"あい");
    EXPECT_EQ(st.blnTyping, Flag::True);
    Type(u"う");
    EXPECT_EQ(st.blnTyping, Flag::False);
    EXPECT_EQ(st.sngStart, 100.0f);
    EXPECT_EQ(st.sngEnd, 103.5f);
    EXPECT_EQ(Caption(Label::Mondai), u"あいう");
    EXPECT_EQ(Caption(Label::Nokori), u"3");
    EXPECT_EQ(st.intPos, 1);
    EXPECT_EQ(st.strInpKey, u"あ");
    EXPECT_TRUE(ui.startEnabled);
    EXPECT_EQ(ui.focus, Focus::Start);
    EXPECT_TRUE(ui.countdownTimerEnabled);
    EXPECT_EQ(ui.ShownImage(), 3);  // the green light stays
    EXPECT_FALSE(ui.fileListLocked);
    EXPECT_FALSE(ui.inputKeepsTab);
    EXPECT_EQ(st.stepPhase, StepPhase::Waiting);
    EXPECT_EQ(Caption(Label::Inpkey), u"あ");

    // A new Start works as before.
    Start();
    EXPECT_EQ(st.blnCountdown, Flag::True);
}

TEST_F(PracticeRun, EachTimedRun_IsRecordedOnceWithItsEndTime) {
    Loaded(u"abc");
    Type(u"abc");  // outside a timed run: nothing is recorded
    EXPECT_EQ(ui.HistoryCount(), 0);

    w.clock.seconds = 100.0f;
    Countdown();
    w.clock.seconds = 102.5f;
    Type(u"abc");
    ASSERT_EQ(ui.HistoryCount(), 1);
    EXPECT_EQ(ui.history[0], u"24/01/15 10:20:30  3問　2.50秒　1.200タイプ　0.833秒");
    EXPECT_EQ(w.files.files[u"p.REC"], u"\"24/01/15 10:20:30\",3,2.5,1.2,0.833\r\n");
    Type(u"abc");  // the text again after the run: no second record
    EXPECT_EQ(ui.HistoryCount(), 1);
}

// Otherwise a record would state characters the clock never saw.
TEST_F(PracticeRun, TimedRun_NeedsTheWholeTextWhateverWasTypedBeforeOrDuringTheCountdown) {
    Loaded(u"abcd");
    Type(u"ab");  // untimed practice before Start
    Start();
    EXPECT_EQ(st.intPos, 1);
    EXPECT_EQ(st.strInpKey, u"a");
    EXPECT_EQ(Caption(Label::Mondai), u"abcd");
    EXPECT_EQ(Caption(Label::Nokori), u"4");
    EXPECT_EQ(Caption(Label::Inpkey), u"a");
    CountdownTick();
    Type(u"ab");  // during the countdown: dropped
    CountdownTick();
    CountdownTick();
    EXPECT_EQ(st.intPos, 1);
    w.clock.seconds += 2.0f;
    Type(u"abc");
    EXPECT_EQ(st.blnTyping, Flag::True);
    Type(u"d");
    EXPECT_EQ(st.blnTyping, Flag::False);
    EXPECT_EQ(ui.HistoryCount(), 1);
}

TEST_F(PracticeRun, PastTheEndOutsideARun_AnyKeyAdvancesAndTheCountGoesNegative) {
    Loaded(u"ab");
    Type(u"ab");
    Type(u"x");
    EXPECT_EQ(Caption(Label::Nokori), u"-1");
    Type(u"y");
    EXPECT_EQ(Caption(Label::Nokori), u"-2");
    EXPECT_EQ(Caption(Label::Mondai), u"");
    EXPECT_EQ(st.intPos, 5);

    // A timed run starts from the first character again.
    Countdown();
    Type(u"z");
    EXPECT_EQ(st.blnTyping, Flag::True);
    Type(u"ab");
    EXPECT_EQ(st.blnTyping, Flag::False);
    EXPECT_EQ(st.intPos, 1);
}

TEST_F(PracticeRun, EmptyText_FirstKeyAfterTheGreenLightEndsTheRun) {
    Loaded(u"");
    Countdown();
    Tick();
    EXPECT_EQ(Caption(Label::Inpkey), u"");
    Key(u"q");  // any key: the nested emptying of the box matches the empty expected text
    Continue();
    EXPECT_EQ(st.blnTyping, Flag::False);
    EXPECT_EQ(Caption(Label::Nokori), u"0");
    EXPECT_TRUE(ui.startEnabled);
}

// The run's time is spent on its own text and recorded in its own record file.
TEST_F(PracticeRun, OtherProblemChosenDuringARun_LoadsNothingAndTheRunGoesOn) {
    Loaded(u"abc");
    w.files.files[u"q.txt"] = u"xy";
    Countdown();
    Type(u"a");
    ui.selectedFileName = u"q.txt";
    OnFileListClick(st, w.platform);
    EXPECT_EQ(st.strMondai, u"abc");
    EXPECT_EQ(Caption(Label::Mondai), u"bc");
    Type(u"bc");
    EXPECT_EQ(st.blnTyping, Flag::False);
    EXPECT_EQ(w.files.files.count(u"p.REC"), 1u);
    EXPECT_EQ(w.files.files.count(u"q.REC"), 0u);
}

// Fast typing: each key is checked against the character after the previous hit, with no
// tick of the typing timer in between.
TEST_F(PracticeRun, KeysInQuickSuccession_EachCountsAgainstTheNextCharacter) {
    Loaded(u"abcd");
    Countdown();
    Tick();
    Key(u"a");
    Key(u"b");
    Key(u"x");  // a wrong key among them is still dropped
    Key(u"c");
    EXPECT_EQ(st.intPos, 4);
    EXPECT_EQ(Caption(Label::Inpkey), u"d");
    Key(u"d");
    EXPECT_EQ(st.blnTyping, Flag::False);
    EXPECT_EQ(ui.HistoryCount(), 1);
}

// ---- Words committed by the input method ----

struct CommitRow {
    const char* name;
    std::u16string text;
    std::vector<std::u16string> commits;  // one change of the input box each, in a timed run
    int pos;                              // where the run stands afterwards (1 once it ended)
    bool ended;
};
void PrintTo(const CommitRow& row, std::ostream* os) { *os << row.name; }

class PracticeRunCommits : public PracticeRun, public testing::WithParamInterface<CommitRow> {};

// A converted word counts as its characters typed one by one.
TEST_P(PracticeRunCommits, AdvanceOverEveryMatchingCharacterInTurn) {
    const CommitRow& row = GetParam();
    Loaded(row.text);
    Countdown();
    Tick();
    for (const std::u16string& commit : row.commits) Key(commit);
    EXPECT_EQ(st.intPos, row.pos);
    EXPECT_EQ(st.blnTyping, row.ended ? Flag::False : Flag::True);
    EXPECT_EQ(ui.HistoryCount(), row.ended ? 1 : 0);
    if (!row.ended) {
        EXPECT_EQ(Caption(Label::Inpkey), std::u16string(1, row.text[row.pos - 1]));
    }
}

const CommitRow kCommitRows[] = {
    {"WordAtTheStart", u"吾輩は猫", {u"吾輩"}, 3, false},
    {"WordInTheMiddle", u"吾輩は猫", {u"吾", u"輩は"}, 4, false},
    {"WordAtTheEnd", u"吾輩は猫", {u"吾輩", u"は猫"}, 1, true},
    {"LongerThanTheRest", u"吾輩は", {u"吾輩は猫である"}, 1, true},
    {"SecondCharacterWrong", u"吾輩は", {u"吾背は"}, 2, false},
    {"WrongCharacterIsPassedOver", u"吾輩は", {u"吾背輩"}, 3, false},
    {"RunEndsInsideTheWord", u"吾輩は", {u"吾輩は吾輩"}, 1, true},
    {"WaveDashOfTheInputMethod", u"10～20", {u"10〜20"}, 1, true},
    {"LookalikeIsStillAWrongKey", u"－ー", {u"ー"}, 1, false},
};
INSTANTIATE_TEST_SUITE_P(Rows, PracticeRunCommits, testing::ValuesIn(kCommitRows),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Misses: the dropped characters of the timed part, shown until the next hit ----

struct MissRow {
    const char* name;
    std::u16string text;
    std::vector<std::u16string> early;    // changes after Start, before the green light
    std::vector<std::u16string> commits;  // changes in the timed run
    std::vector<Miss> misses;
    std::u16string mark;  // the miss mark afterwards
};
void PrintTo(const MissRow& row, std::ostream* os) { *os << row.name; }

class PracticeRunMisses : public PracticeRun, public testing::WithParamInterface<MissRow> {};

TEST_P(PracticeRunMisses, CountEveryDroppedCharacterOfTheTimedPart) {
    const MissRow& row = GetParam();
    Loaded(row.text);
    Start();
    CountdownTick();
    for (const std::u16string& key : row.early) Key(key);
    CountdownTick();
    CountdownTick();
    w.clock.seconds += 1.0f;
    Tick();
    for (const std::u16string& commit : row.commits) Key(commit);
    if (st.blnTyping == Flag::True) {
        EXPECT_EQ(st.misses, row.misses);
    } else {  // a finished run's misses are in its line of the miss file
        const std::string line = FormatMissLine(u"24/01/15 10:20:30", row.misses);
        EXPECT_EQ(w.files.files[u"p.MIS"], std::u16string(line.begin(), line.end()));
    }
    EXPECT_EQ(ui.miss, row.mark);
}

const MissRow kMissRows[] = {
    {"WrongSingleKey", u"abc", {}, {u"x"}, {{u"a", u"x"}}, u"x"},
    {"NextHitClearsTheMark", u"abc", {}, {u"x", u"y", u"a"}, {{u"a", u"x"}, {u"a", u"y"}}, u""},
    {"WrongCommitsAddUpUntilAHit",
     u"一、",
     {},
     {u"位置、", u"市"},
     {{u"一", u"位置、"}, {u"一", u"市"}},
     u"位置、市"},
    {"OneWrongCharacterInTheMiddleOfAWord", u"一二三四", {}, {u"一二X三"}, {{u"三", u"X"}}, u"X"},
    {"DroppedLineEndShowsAsEnter", u"ab", {}, {u"a", u"\n"}, {{u"b", u"\n"}}, u"↵"},
    {"KeysOfTheCountdownAreNoMisses", u"abc", {u"x", u"a"}, {}, {}, u""},
    {"KeysPastTheEndAreNoMisses", u"ab", {}, {u"abxyz"}, {}, u""},
    {"FinishedRunKeepsItsMissesAndHidesTheMark", u"ab", {}, {u"x", u"ab"}, {{u"a", u"x"}}, u""},
};
INSTANTIATE_TEST_SUITE_P(Rows, PracticeRunMisses, testing::ValuesIn(kMissRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PracticeRun, WordCommits_RecordTheSameFiguresAsSingleKeys) {
    const auto run = [this](const std::vector<std::u16string>& keys) {
        Loaded(u"吾輩は猫である");
        w.clock.seconds = 100.0f;
        Countdown();
        Tick();
        for (const std::u16string& key : keys) Key(key);
        return ui.history.back();
    };
    const std::u16string single = run({u"吾", u"輩", u"は", u"猫", u"で", u"あ", u"る"});
    const std::u16string words = run({u"吾輩は", u"猫", u"である"});
    EXPECT_EQ(words, single);
}

// ---- Escape ----

class PracticeRunEscape : public PracticeRun, public testing::WithParamInterface<int> {};

// Escape after so many countdown ticks (3: in the timed run) leaves the run as if it never
// started, and the problem ready for the next Start.
TEST_P(PracticeRunEscape, AbandonsTheRunAndKeepsNothingOfIt) {
    Loaded(u"abc");
    Start();
    for (int i = 0; i < GetParam(); ++i) CountdownTick();
    Type(u"ab");
    OnInputEscape(st, w.platform);
    EXPECT_NE(st.blnCountdown, Flag::True);
    EXPECT_NE(st.blnTyping, Flag::True);
    EXPECT_EQ(st.intPos, 1);
    EXPECT_EQ(Caption(Label::Mondai), u"abc");
    EXPECT_EQ(Caption(Label::Inpkey), u"a");
    EXPECT_EQ(ui.ShownImage(), 3);
    EXPECT_TRUE(ui.startEnabled);
    EXPECT_EQ(ui.focus, Focus::Start);
    EXPECT_FALSE(ui.fileListLocked);
    EXPECT_TRUE(ui.countdownTimerEnabled);
    EXPECT_EQ(w.files.files.count(u"p.REC"), 0u);
    Countdown();  // a new run works as before
    Type(u"abc");
    EXPECT_EQ(ui.HistoryCount(), 1);
}
INSTANTIATE_TEST_SUITE_P(AfterTicks, PracticeRunEscape, testing::Values(0, 1, 3));

TEST_F(PracticeRun, EscapeOutsideARun_ChangesNothing) {
    Loaded(u"abc");
    Type(u"a");
    ui.focus = Focus::Input;
    OnInputEscape(st, w.platform);
    EXPECT_EQ(st.intPos, 2);
    EXPECT_EQ(ui.focus, Focus::Input);
}

TEST_F(PracticeRun, TicksDuringAWait_StartNoSecondStep) {
    Loaded(u"ab");
    Tick();
    st.blnHit = Flag::True;  // as if a hit came in, not yet taken by the wait
    Tick();
    EXPECT_EQ(st.blnHit, Flag::True);
    Continue();
    EXPECT_EQ(st.intPos, 2);
}

TEST_F(PracticeRun, PositionStopsAtItsLimitButAFullLengthRunStillEnds) {
    const std::u16string text(32767, u'a');
    Loaded(text);
    Countdown();
    st.intPos = 32767;
    Type(u"a");
    EXPECT_EQ(st.blnTyping, Flag::False);
    EXPECT_EQ(st.intPos, 1);

    Loaded(u"a");
    st.intPos = 32767;  // far past the end outside a run
    st.strInpKey.clear();
    Type(u"x");
    EXPECT_EQ(st.intPos, 32767);
    EXPECT_EQ(Caption(Label::Nokori), u"-32766");
}

// ---- Characters that are not typed as themselves ----

struct UnitRow {
    const char* name;
    std::u16string text;
    std::vector<std::u16string> keys;  // one change of the input box each
    std::u16string shownSecond;        // the next character after the first key
    std::u16string nokoriSecond;       // the remaining count after the second key
};
void PrintTo(const UnitRow& row, std::ostream* os) { *os << row.name; }

class PracticeRunUnits : public PracticeRun, public testing::WithParamInterface<UnitRow> {};

// Enter types a line end, Tab a tab, and a character outside the Basic Multilingual Plane
// is committed as its pair: the run finishes and counts every character of the text.
TEST_P(PracticeRunUnits, TimedRunFinishesAndCountsEveryCharacter) {
    const UnitRow& row = GetParam();
    Loaded(row.text);
    Countdown();
    Tick();
    Key(row.keys[0]);
    EXPECT_EQ(Caption(Label::Inpkey), row.shownSecond);
    Key(row.keys[1]);
    EXPECT_EQ(Caption(Label::Nokori), row.nokoriSecond);
    EXPECT_EQ(Caption(Label::Mondai), u"b");
    Key(row.keys[2]);
    EXPECT_EQ(st.blnTyping, Flag::False);
    ASSERT_EQ(ui.HistoryCount(), 1);
    EXPECT_NE(
        ui.history[0].find(u"  " + IntegerText(static_cast<std::int64_t>(row.text.size())) + u"問"),
        std::u16string::npos);
}

const UnitRow kUnitRows[] = {
    {"CrLfIsOneEnter", u"a\r\nb", {u"a", u"\n", u"b"}, u"↵", u"1"},
    {"LoneLf", u"a\nb", {u"a", u"\n", u"b"}, u"↵", u"1"},
    {"LoneCr", u"a\rb", {u"a", u"\n", u"b"}, u"↵", u"1"},
    {"Tab", u"a\tb", {u"a", u"\t", u"b"}, u"⇥", u"1"},
    {"SurrogatePair", u"a\U0001F600b", {u"a", u"\U0001F600", u"b"}, u"\U0001F600", u"1"},
    {"WaveDashFromCodePage932", u"a\uFF5Eb", {u"a", u"\u301C", u"b"}, u"\uFF5E", u"1"},
    {"WaveDashFromTheInputMethod", u"a\u301Cb", {u"a", u"\uFF5E", u"b"}, u"\u301C", u"1"},
    {"MinusSign", u"a\uFF0Db", {u"a", u"\u2212", u"b"}, u"\uFF0D", u"1"},
    {"ParallelTo", u"a\u2225b", {u"a", u"\u2016", u"b"}, u"\u2225", u"1"},
    {"Cent", u"a\u00A2b", {u"a", u"\uFFE0", u"b"}, u"\u00A2", u"1"},
    {"Pound", u"a\uFFE1b", {u"a", u"\u00A3", u"b"}, u"\uFFE1", u"1"},
    {"Not", u"a\u00ACb", {u"a", u"\uFFE2", u"b"}, u"\u00AC", u"1"},
    {"HorizontalBar", u"a\u2015b", {u"a", u"\u2014", u"b"}, u"\u2015", u"1"},
};
INSTANTIATE_TEST_SUITE_P(Rows, PracticeRunUnits, testing::ValuesIn(kUnitRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PracticeRun, ExpectedTabOutsideARun_IsTypedInsteadOfMovingTheFocus) {
    Loaded(u"a\tb");
    Type(u"a");
    EXPECT_TRUE(ui.inputKeepsTab);
    Type(u"\t");
    EXPECT_FALSE(ui.inputKeepsTab);
    EXPECT_EQ(Caption(Label::Inpkey), u"b");
}

// What a screen reader is asked to say over a whole run, in order: the load, each light
// and at green the first character, the next character after each hit (a wrong key says
// nothing, a word committed at once the character after it), the run's figures with the
// totals; then a run left with Escape.
TEST_F(PracticeRun, WholeRun_AsksToSayEachStepOnceInOrder) {
    w.files.files[u"drill.txt"] = u"\"か\r\n\tき く\"";
    ui.selectedFileName = u"drill.txt";
    OnFileListClick(st, w.platform);
    w.clock.seconds = 100.0f;
    Countdown();
    w.clock.seconds = 102.0f;
    Type(u"x");
    Type(u"か\n");
    Key(u"\tき");
    Type(u" く");
    OnStartClick(st, w.platform);
    OnInputEscape(st, w.platform);
    EXPECT_EQ(w.speech.said,
              (std::vector<std::u16string>{
                  u"drill　7もじ　か\r\n\tき く", u"あか", u"きいろ", u"あお　か", u"ミス　か",
                  u"かいぎょう", u"タブ", u"スペース", u"く",
                  u"2.00びょう　いちびょうあたり 3.500タイプ　いちタイプあたり 0.286びょう　"
                  u"トータル 1かい　7もじ　0じかん 0ふん 2びょう　"
                  u"さいそく いちびょうあたり 3.5タイプ　いちタイプあたり 0.286びょう",
                  u"ちゅうし　きろくは しません"}));
}

// A typist copying a text must know which of the two blanks comes.
TEST(SpokenUnit, IdeographicSpaceIsToldFromABlank) {
    EXPECT_NE(SpokenUnit(u"\u3000"), SpokenUnit(u" "));
}

}  // namespace
}  // namespace bellmora::test
