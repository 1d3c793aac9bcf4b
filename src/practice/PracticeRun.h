#pragma once

#include "Platform.h"
#include "WindowState.h"

namespace bellmora {

// Click on Start (cmdStart): checks the selection and arms the countdown.
void OnStartClick(WindowState& st, Platform& p);

// Tick of the countdown timer (tmrStart, 1000 ms).
void OnCountdownTick(WindowState& st, Platform& p);

// Change of the input box (txtInpKey).
void OnInputChange(WindowState& st, Platform& p);

// Tick of the typing timer (Timer2, 10 ms): starts a typing step, which shows the
// expected character and then waits for a hit. Ignored while a step waits.
void OnTypingTick(WindowState& st, Platform& p);

// The wait's test, run after the window has handled its pending events: when the step
// has its hit, finishes it (advances, and ends a timed run at the last character).
void ContinueTypingStep(WindowState& st, Platform& p);

}  // namespace bellmora
