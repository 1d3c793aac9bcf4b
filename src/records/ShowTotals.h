// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "Platform.h"
#include "WindowState.h"

namespace bellmora {

// Writes the five summary labels from the history list and the totals.
void ShowTotals(WindowState& st, Platform& p);

// Whole seconds as "H時間 M分 S秒"; the hours do not wrap at a day. A negative total
// shows a minus sign in front of the parts of its magnitude.
std::u16string FormatJikan(std::int32_t seconds);

}  // namespace bellmora
