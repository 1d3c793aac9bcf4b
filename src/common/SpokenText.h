// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace bellmora {

// A unit to type as a screen reader should say it: a line end (or its sign "↵") as
// "改行", a tab (or "⇥") as "タブ", a blank as "空白" and a full-width one as "全角空白",
// anything else as itself.
std::u16string SpokenUnit(std::u16string_view unit);

// The lamp that a countdown light shows, index 1 (red) to 3 (green); empty otherwise.
std::u16string_view LightWord(int index);

}  // namespace bellmora
