// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <span>
#include <string>

#include "ControlTable.h"

class QWidget;

namespace bellmora {

using ControlMap = std::map<std::string, QWidget*, std::less<>>;

// Creates the controls of the table inside the window, each at its place, in the stacking
// order of the table, and links the focusable ones in the order of their tab index.
ControlMap BuildControls(QWidget& window, std::span<const ControlDesign> designs);

}  // namespace bellmora
