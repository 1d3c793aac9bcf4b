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
    BadCharacters,  // bytes that are no character
    TooLong,        // more characters or items than kMaxProblemLength
};

struct ProblemText {
    ProblemRead status = ProblemRead::Unreadable;
    std::u16string text;  // every item of the file, joined with nothing between them
};

// Reads a problem file item by item into one text; stops as soon as it is too long.
ProblemText ReadProblemText(TextFiles& files, const std::u16string& fileName);

// Click on the problem list (filMondai): loads the selected file as the current problem.
void OnFileListClick(WindowState& st, Platform& p);

}  // namespace bellmora
