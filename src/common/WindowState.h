// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Reading.h"

namespace bellmora {

// A flag keeps the window's 16-bit truth values: true is -1, false is 0.
enum class Flag : std::int16_t { False = 0, True = -1 };

// Where the typing loop stands between two ticks of its timer.
enum class StepPhase : std::uint8_t {
    Idle,       // the next tick starts a step
    Waiting,    // a step shows its character and waits for the matching keystroke
    Finishing,  // the step has its hit and is advancing (and may be recording the run)
};

// Characters a timed run dropped in one change of the input box while one character was
// expected: that character, and the dropped characters as they were committed.
struct Miss {
    std::u16string expected;
    std::u16string typed;
    friend bool operator==(const Miss&, const Miss&) = default;
};

// Everything the main window remembers, for its whole life. Never saved: what outlives a
// run is in the record files.
struct WindowState {
    std::u16string strHelpFile;
    Flag blnCountdown = Flag::False;
    std::int16_t intCount = 0;
    Flag blnHit = Flag::False;
    std::u16string strInpKey;
    std::u16string strMondai;
    std::int16_t intPos = 0;
    std::int16_t intMoji = 0;
    float sngStart = 0;
    float sngEnd = 0;
    std::u16string strMondaiName;
    Flag blnTyping = Flag::False;
    std::int32_t lngToMoji = 0;
    double dblToJikan = 0;
    std::int32_t lngToJikan = 0;
    float sngMaxByou = 0;
    float sngMinByou = 0;

    // The file the current problem was read from; empty until a load succeeds. Start
    // refuses to time a run of a problem that was never loaded.
    std::u16string strMondaiFile;
    StepPhase stepPhase = StepPhase::Idle;

    // The misses of the timed run in progress (or of the last one), kept beside its record.
    std::vector<Miss> misses;
    // The dropped characters shown near the next character since the last hit.
    std::u16string strMissShown;
    // The current text's phrases with their readings, made once when it is loaded, for the
    // guide beside the next character.
    std::vector<Phrase> phrases;
    ReadingsState readings = ReadingsState::None;
    // Missing readings are told once, with the first text that lacks them.
    bool readingsNoteTold = false;
};

// A countdown is armed or a timed run is on: Start is disabled and the problem stays.
inline bool RunInProgress(const WindowState& st) {
    return st.blnCountdown == Flag::True || st.blnTyping == Flag::True;
}

// Tab is typed into the input box, instead of moving the focus on, while a run is in
// progress (no key may reach another control then) and while a tab is the next character.
inline bool InputKeepsTab(const WindowState& st) {
    return RunInProgress(st) || st.strInpKey == u"\t";
}

}  // namespace bellmora
