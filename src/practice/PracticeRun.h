// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

#include "Platform.h"
#include "WindowState.h"

namespace bellmora {

// Click on Start (cmdStart): checks the selection, returns the text to its first character
// and arms the countdown.
void OnStartClick(WindowState& st, Platform& p);

// Tick of the countdown timer (tmrStart, 1000 ms).
void OnCountdownTick(WindowState& st, Platform& p);

// What one key or input-method commit typed into the input box (txtInpKey), checked
// against the expected character, one character after another for a commit of several;
// each hit finishes the waiting step at once.
void OnInputChange(WindowState& st, Platform& p, std::u16string_view typed);

// Escape in the input box: abandons a countdown or a timed run, keeping nothing of it, and
// returns the text to its first character.
void OnInputEscape(WindowState& st, Platform& p);

// Tick of the typing timer (Timer2, 10 ms): starts a typing step, which shows the
// expected character and then waits for a hit. Ignored while a step waits.
void OnTypingTick(WindowState& st, Platform& p);

// The wait's test: when the step has its hit, finishes it (advances, and ends a timed run
// at the last character) and begins the next step.
void ContinueTypingStep(WindowState& st, Platform& p);

}  // namespace bellmora
