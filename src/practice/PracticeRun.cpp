// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PracticeRun.h"

#include <algorithm>
#include <limits>

#include "PhraseReadings.h"
#include "ProblemLoad.h"
#include "RecordRun.h"
#include "SpokenText.h"
#include "Text.h"

namespace bellmora {

namespace {

constexpr int kMaxPos = std::numeric_limits<std::int16_t>::max();

// A key hits when it types the expected character. Past the end of the text (outside a
// timed run) any key hits; during the countdown none does, as the clock has not started.
bool KeyHits(const WindowState& st, std::u16string_view unit) {
    if (st.blnCountdown == Flag::True) return false;
    return st.strInpKey.empty() || TypedUnitMatches(unit, st.strInpKey);
}

void RefuseStart(Platform& p, const std::u16string& text) {
    p.dialogs.ShowMessage(text, u"問題未選択", MessageIcon::Warning, MessageButtons::Ok);
    p.ui.FocusFileList();
}

void EndTimedRun(WindowState& st, Platform& p) {
    st.blnTyping = Flag::False;
    st.sngEnd = p.clock.SecondsSinceMidnight();
    p.ui.SetCaption(Label::Mondai, st.strMondai);
    st.intPos = 1;
    st.strInpKey = TypingUnitAt(st.strMondai, st.intPos);
    p.ui.LockFileList(false);
    p.ui.SetStartEnabled(true);
    p.ui.FocusStart();
    RecordRun(st, p);
    p.ui.SetCaption(Label::Nokori, IntegerText(st.intMoji));
    p.ui.SetCountdownTimerEnabled(true);
}

// The next unit as a screen reader says it; at the start of a phrase holding kanji with its
// reading, so that the typist knows what to convert.
std::u16string SpokenNext(const WindowState& st) {
    const std::u16string reading = SpokenReading(st);
    return SpokenUnit(st.strInpKey) + (reading.empty() ? u"" : u"　" + reading);
}

// Where a change of the input box found the run, to tell afterwards what it did.
struct RunPoint {
    std::int16_t pos;
    Flag typing;
};

// Once per change of the input box, after all of it is handled: a word committed at once
// is followed by the character after it, not by each of its own.
void AnnounceNextUnit(const WindowState& st, Platform& p, RunPoint before) {
    if (st.intPos == before.pos || st.strInpKey.empty()) return;  // a wrong key stays silent
    if (before.typing == Flag::True && st.blnTyping != Flag::True) return;  // its figures are said
    p.speech.Announce(SpokenNext(st));
}

}  // namespace

void OnStartClick(WindowState& st, Platform& p) {
    const std::u16string name = p.ui.SelectedFileName();
    if (name.empty()) return RefuseStart(p, u"先に出題リストから問題を選択下さい");
    if (IsReadMeName(name)) return RefuseStart(p, u"問題を選択して下さい");
    // A selection that never loaded (or failed to) has no text to time and no record
    // file to write: treat it as no selection at all.
    if (st.strMondaiFile.empty() || name != st.strMondaiFile)
        return RefuseStart(p, u"先に出題リストから問題を選択下さい");

    st.blnCountdown = Flag::True;
    st.intCount = 0;
    // Every timed run types the whole text from the green light: what was typed before
    // counts for nothing.
    st.blnHit = Flag::False;
    ShowTextFromStart(st, p);
    // Into the input box before Start is disabled, or the focus would pass on to Clear,
    // where an impatient Space or Enter opens the clearing of the history. The input
    // method can be switched on there during the countdown.
    p.ui.FocusInput();
    p.ui.LockFileList(true);
    p.ui.SetStartEnabled(false);
    p.ui.SetCaption(Label::Djikan, u"");
    p.ui.SetCaption(Label::Dbyou, u"");
    p.ui.SetCaption(Label::Dbyou2, u"");
}

void OnCountdownTick(WindowState& st, Platform& p) {
    if (st.blnCountdown != Flag::True) return;
    for (int i = 1; i <= 3; ++i) p.ui.SetStartImageVisible(i, false);
    st.intCount += 1;
    p.sound.Beep();
    p.ui.SetStartImageVisible(st.intCount, true);
    std::u16string spoken(LightWord(st.intCount));
    if (st.intCount == 3) {
        p.ui.SetCountdownTimerEnabled(false);
        st.blnCountdown = Flag::False;
        st.intCount = 0;
        st.blnTyping = Flag::True;
        st.sngStart = p.clock.SecondsSinceMidnight();
        p.ui.FocusInput();
        spoken += u"　" + SpokenNext(st);  // what to type first
    }
    p.speech.Announce(spoken);
}

void OnInputChange(WindowState& st, Platform& p) {
    const std::u16string typed = p.ui.InputText();
    // The emptying below is a change too, handled nested: it types nothing.
    if (typed.empty()) return;
    const RunPoint before{st.intPos, st.blnTyping};
    p.ui.SetInputText(u"");
    // A converted word arrives as one commit: it counts as its characters typed one by one,
    // each checked in turn. A run that ends on one of them takes nothing after it, as the
    // focus would have left the box by then.
    for (int at = 1; at <= static_cast<int>(typed.size());) {
        const std::u16string unit = TypingUnitAt(typed, at);
        at += static_cast<int>(unit.size());
        if (!KeyHits(st, unit)) continue;
        const bool timed = st.blnTyping == Flag::True;
        st.blnHit = Flag::True;
        ContinueTypingStep(st, p);
        if (timed && st.blnTyping != Flag::True) break;
    }
    AnnounceNextUnit(st, p, before);
}

void OnInputEscape(WindowState& st, Platform& p) {
    if (!RunInProgress(st)) return;
    // Nothing of the run is kept: no line, no record, no totals.
    st.blnCountdown = Flag::False;
    st.intCount = 0;
    st.blnTyping = Flag::False;
    st.blnHit = Flag::False;
    for (int i = 1; i <= 3; ++i) p.ui.SetStartImageVisible(i, i == 3);  // as a run leaves them
    ShowTextFromStart(st, p);
    p.ui.LockFileList(false);
    p.ui.SetStartEnabled(true);
    p.ui.FocusStart();
    p.ui.SetCountdownTimerEnabled(true);
}

void OnTypingTick(WindowState& st, Platform& p) {
    if (st.stepPhase != StepPhase::Idle) return;  // a step is in progress
    st.blnHit = Flag::False;
    st.strInpKey = TypingUnitAt(st.strMondai, st.intPos);
    p.ui.SetCaption(Label::Inpkey, ShownUnit(st.strInpKey));
    ShowGuide(st, p);
    p.ui.SetInputKeepsTab(InputKeepsTab(st));
    st.stepPhase = StepPhase::Waiting;
}

void ContinueTypingStep(WindowState& st, Platform& p) {
    if (st.stepPhase != StepPhase::Waiting || st.blnHit != Flag::True) return;
    st.stepPhase = StepPhase::Finishing;

    // Read afresh: a problem loaded during the wait takes effect at once. A line end of
    // CR LF or a surrogate pair is typed with one key and counts as its two characters.
    const int length = static_cast<int>(st.strMondai.size());
    const int typed = std::max(1, static_cast<int>(TypingUnitAt(st.strMondai, st.intPos).size()));
    const int next = st.intPos + typed;
    p.ui.SetCaption(Label::Nokori, IntegerText(length - (next - 1)));
    // The position is a 16-bit count: at its limit it stops advancing, but the hit on
    // the last character of a full-length text still ends the run.
    if (next <= kMaxPos) st.intPos = static_cast<std::int16_t>(next);
    p.ui.SetCaption(Label::Mondai, RestFrom(st.strMondai, next));
    if (next > length && st.blnTyping == Flag::True) EndTimedRun(st, p);

    st.stepPhase = StepPhase::Idle;
    // The next step begins at once, not at the next tick, so that a key that follows a hit
    // within milliseconds is checked against the next character.
    OnTypingTick(st, p);
}

}  // namespace bellmora
