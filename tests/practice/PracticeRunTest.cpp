#include <gtest/gtest.h>

#include <string>

#include "FakePlatform.h"
#include "PracticeRun.h"
#include "Text.h"

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
        st.strInpKey = CharAt(text, 1);
        ui.SetCaption(Label::Mondai, text);
        ui.SetCaption(Label::Nokori, IntegerText(st.intMoji));
        ui.SetCaption(Label::Inpkey, st.strInpKey);
    }

    void Tick() { OnTypingTick(st, w.platform); }
    // One change of the input box, as a keystroke or an input-method commit.
    void Key(const std::u16string& text) { ui.SetInputText(text); }
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
    void Countdown() {
        Start();
        for (int i = 0; i < 3; ++i) CountdownTick();
    }
    std::u16string Caption(Label label) const { return ui.Caption(label); }
};

TEST_F(PracticeRun, Start_WithNothingSelected_AsksForAProblemAndFocusesTheList) {
    Loaded(u"abc");
    ui.selectedFileName.clear();
    ui.SetCaption(Label::Djikan, u" 1.00");
    Start();
    EXPECT_EQ(w.dialogs.shown, (std::vector<Message>{{u"先に出題リストから問題を選択下さい", u"問題未選択",
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
    Start();
    EXPECT_FALSE(ui.startEnabled);
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
    EXPECT_EQ(ui.inputText, u"");
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
    EXPECT_EQ(Caption(Label::Inpkey), u"あ");  // the next character shows one tick later
    Tick();
    EXPECT_EQ(Caption(Label::Inpkey), u"い");
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
    EXPECT_EQ(st.stepPhase, StepPhase::Idle);
    Tick();
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

TEST_F(PracticeRun, KeysTypedBeforeTheGreenLight_MoveWhereTheRunBegins) {
    Loaded(u"abcd");
    Start();
    Type(u"ab");
    CountdownTick();
    CountdownTick();
    CountdownTick();
    EXPECT_EQ(st.intPos, 3);
    Type(u"cd");
    EXPECT_EQ(st.blnTyping, Flag::False);
    EXPECT_EQ(Caption(Label::Mondai), u"abcd");
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

    // A timed run that starts there ends at its first keystroke.
    Countdown();
    Type(u"z");
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

TEST_F(PracticeRun, ProblemLoadedDuringARun_RunContinuesOnTheNewText) {
    Loaded(u"abc");
    Countdown();
    Type(u"a");
    Tick();
    Loaded(u"xy", u"q.txt");  // a load during the wait
    Key(u"x");                // the load made the new first character the expected one
    Continue();
    EXPECT_EQ(Caption(Label::Mondai), u"y");
    EXPECT_EQ(Caption(Label::Nokori), u"1");
    Type(u"y");
    EXPECT_EQ(st.blnTyping, Flag::False);
    EXPECT_EQ(Caption(Label::Mondai), u"xy");
}

TEST_F(PracticeRun, TwoChangesInOneWait_AdvanceOnce) {
    Loaded(u"abc");
    Tick();
    Key(u"a");
    Key(u"b");  // handled in the same wait: compared with "a" still, and lost
    Continue();
    EXPECT_EQ(st.intPos, 2);
    Tick();
    EXPECT_EQ(Caption(Label::Inpkey), u"b");
}

TEST_F(PracticeRun, AChangeOfTwoCharactersAtOnce_MatchesNothing) {
    Loaded(u"abc");
    Tick();
    Key(u"ab");
    Continue();
    EXPECT_EQ(st.intPos, 1);
    EXPECT_EQ(st.stepPhase, StepPhase::Waiting);
}

TEST_F(PracticeRun, KeystrokeBetweenTwoSteps_IsLost) {
    Loaded(u"aab");
    Type(u"a");
    Key(u"a");  // after the step returned, before the next tick
    Tick();
    Continue();
    EXPECT_EQ(st.intPos, 2);
    EXPECT_EQ(st.stepPhase, StepPhase::Waiting);
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
    st.intPos = 32767;
    Countdown();
    Type(u"a");
    EXPECT_EQ(st.blnTyping, Flag::False);
    EXPECT_EQ(st.intPos, 1);

    Loaded(u"a");
    st.intPos = 32767;  // far past the end outside a run
    Type(u"x");
    EXPECT_EQ(st.intPos, 32767);
    EXPECT_EQ(Caption(Label::Nokori), u"-32766");
}

}  // namespace
}  // namespace bellmora::test
