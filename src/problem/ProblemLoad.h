// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "Platform.h"
#include "WindowState.h"

namespace bellmora {

// The largest problem a 16-bit counter holds, in characters and in items.
inline constexpr int kMaxProblemLength = 32767;

enum class ProblemRead {
    Ok,
    Unreadable,     // cannot be opened or read
    BadCharacters,  // bytes that are no character, or a control character that cannot be typed
    TooLong,        // more characters or items than kMaxProblemLength
};

struct ProblemText {
    ProblemRead status = ProblemRead::Unreadable;
    std::u16string text;  // every item of the file, joined with nothing between them
};

// Reads a problem file item by item into one text; stops as soon as it is too long.
ProblemText ReadProblemText(TextFiles& files, const std::u16string& fileName);

// Shows the current text ready to be typed from its first character: the whole text, its
// character count and its first character, as a load leaves them.
void ShowTextFromStart(WindowState& st, Platform& p);

// Click on the problem list (filMondai): loads the selected file as the current problem
// and moves the focus to Start.
void OnFileListClick(WindowState& st, Platform& p);

// The list's selection moved by keyboard: loads the selected file as a click does but
// leaves the focus in the list, so that the user can go on browsing it.
void OnFileListKeyMove(WindowState& st, Platform& p);

// Enter in the problem list: on to Start, to begin a run of the loaded problem.
void OnFileListEnter(WindowState& st, Platform& p);

}  // namespace bellmora
