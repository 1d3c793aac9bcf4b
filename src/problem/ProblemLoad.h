#pragma once

#include "Platform.h"
#include "WindowState.h"

namespace bellmora {

// The largest problem a 16-bit counter holds, in characters and in items.
inline constexpr int kMaxProblemLength = 32767;

// Click on the problem list (filMondai): loads the selected file as the current problem.
void OnFileListClick(WindowState& st, Platform& p);

}  // namespace bellmora
