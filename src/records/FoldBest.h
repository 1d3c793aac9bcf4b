// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "WindowState.h"

namespace bellmora {

// The best seconds per character while no run has set one. It is also the threshold:
// a run of 999 seconds per character or more never becomes the best pace.
inline constexpr float kNoRunMinByou = 999.0f;

// Folds a run's speeds into the best records, compared in single precision. True when
// the run lowered the best seconds per character (a new best pace).
bool FoldBest(WindowState& st, float byou, float byou2);

}  // namespace bellmora
