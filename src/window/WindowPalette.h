// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPalette>

namespace bellmora {

// The light colours of a classic desktop, against which the window's fixed text colours
// (black, navy, teal, maroon) were chosen. The window and its message boxes keep them
// under any desktop theme, dark ones included.
QPalette WindowPalette();

}  // namespace bellmora
