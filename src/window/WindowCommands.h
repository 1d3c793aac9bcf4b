// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Platform.h"
#include "WindowState.h"

namespace bellmora {

inline constexpr char16_t kHelpFileName[] = u"QorvHelp.chm";

// Load of the main window: prepares the state, shows the window, focuses the file list.
void OnLoad(WindowState& st, Platform& p);

// Click on Help (cmdHelp).
void OnHelpClick(WindowState& st, Platform& p);

// Click on End (cmdEnd); closing the main window does the same.
void OnEndClick(WindowState& st, Platform& p);

// Click on the problem text (lblMondai): hides or shows it.
void OnMondaiClick(WindowState& st, Platform& p);

}  // namespace bellmora
