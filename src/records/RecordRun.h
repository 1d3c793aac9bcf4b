// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Platform.h"
#include "WindowState.h"

namespace bellmora {

// Scores the run that just finished, lists it, appends its record and folds it into the
// totals and best records.
void RecordRun(WindowState& st, Platform& p);

}  // namespace bellmora
