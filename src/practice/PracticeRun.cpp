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
#include "TypingUnit.h"

namespace bellmora {

namespace {

constexpr int kMaxPos = std::numeric_limits<std::int16_t>::max();
// The miss mark shows the last few dropped characters: enough to recognise the commit.
constexpr std::size_t kShownMiss = 12;

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

// Forgets the misses of a run and hides their mark.
void ResetMisses(WindowState& st, Platform& p) {
    st.misses.clear();
    if (st.strMissShown.empty()) return;
    st.strMissShown.clear();
    p.ui.ShowMiss(u"");
}

// A character of a timed run's commit that was dropped. Dropped characters of one change
// against one expected character make one miss entry, as they were committed together.
void NoteMiss(WindowState& st, std::u16string_view unit, bool& open) {
    if (!open || st.misses.empty() || st.misses.back().expected != st.strInpKey)
        st.misses.push_back({st.strInpKey, {}});
    open = true;
    st.misses.back().typed += unit;
}

// The mark follows the latest change: its dropped characters, added to those of the
// changes before it that hit nothing. A hit alone clears it.
void ShowMisses(WindowState& st, Platform& p, const std::u16string& dropped, bool hit) {
    if (dropped.empty() && !hit) return;
    std::u16string shown = hit ? dropped : st.strMissShown + dropped;
    if (shown.size() > kShownMiss) {
        std::size_t cut = shown.size() - kShownMiss;
        if (shown[cut] >= 0xDC00 && shown[cut] < 0xE000) ++cut;  // not half a pair
        shown.erase(0, cut);
    }
    if (shown == st.strMissShown) return;
    st.strMissShown = std::move(shown);
    std::u16string mark;  // a dropped line end or tab as the next character shows one
    for (int at = 1; at <= static_cast<int>(st.strMissShown.size());) {
        const std::u16string unit = TypingUnitAt(st.strMissShown, at);
        at += static_cast<int>(unit.size());
        mark += ShownUnit(unit);
    }
    p.ui.ShowMiss(mark);
    // A short cue and the character that is still expected.
    if (!dropped.empty()) p.speech.Announce(u"ミス　" + SpokenUnit(st.strInpKey));
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
    ResetMisses(st, p);
    p.ui.SetCaption(Label::Nokori, IntegerText(st.intMoji));
    p.ui.SetCountdownTimerEnabled(true);
}

// The next unit as a screen reader says it; at the start of a phrase holding kanji with its
// reading, so that the typist knows what to convert.
std::u16string SpokenNext(const WindowState& st) {
    const std::u16string reading = SpokenReading(st);
    const std::u16string unit = SpokenUnit(st.strInpKey, reading);
    // A kanji is said by the reading; kana that open a phrase with kanji come before it.
    if (reading.empty() || unit.ends_with(reading)) return unit;
    return unit + u"　" + reading;
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
    ResetMisses(st, p);
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
    for (int i = 1; i <= kLights; ++i) p.ui.SetStartImageVisible(i, false);
    st.intCount += 1;
    p.sound.Beep();
    p.ui.SetStartImageVisible(st.intCount, true);
    std::u16string spoken(LightWord(st.intCount));
    if (st.intCount == kLights) {
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

void OnInputChange(WindowState& st, Platform& p, std::u16string_view typed) {
    const RunPoint before{st.intPos, st.blnTyping};
    // A converted word arrives as one commit: it counts as its characters typed one by one,
    // each checked in turn. A run that ends on one of them takes nothing after it, as the
    // focus would have left the box by then. Only the timed part counts misses.
    std::u16string dropped;
    bool hit = false;
    bool open = false;  // a miss entry of this change takes the next dropped character
    for (int at = 1; at <= static_cast<int>(typed.size());) {
        const std::u16string unit = TypingUnitAt(typed, at);
        at += static_cast<int>(unit.size());
        const bool timed = st.blnTyping == Flag::True;
        if (!KeyHits(st, unit)) {
            if (timed) {
                NoteMiss(st, unit, open);
                dropped += unit;
            }
            continue;
        }
        hit = true;
        open = false;
        st.blnHit = Flag::True;
        ContinueTypingStep(st, p);
        if (timed && st.blnTyping != Flag::True) break;
    }
    if (st.blnTyping == Flag::True) ShowMisses(st, p, dropped, hit);
    AnnounceNextUnit(st, p, before);
}

void OnInputEscape(WindowState& st, Platform& p) {
    if (!RunInProgress(st)) return;
    // Nothing of the run is kept: no line, no record, no totals.
    st.blnCountdown = Flag::False;
    st.intCount = 0;
    st.blnTyping = Flag::False;
    st.blnHit = Flag::False;
    ResetMisses(st, p);
    for (int i = 1; i <= kLights; ++i)
        p.ui.SetStartImageVisible(i, i == kLights);  // as a run leaves them
    ShowTextFromStart(st, p);
    p.ui.LockFileList(false);
    p.ui.SetStartEnabled(true);
    p.ui.FocusStart();
    p.ui.SetCountdownTimerEnabled(true);
    p.speech.Announce(u"ちゅうし　きろくは しません");
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
