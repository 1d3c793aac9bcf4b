// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string>
#include <string_view>

namespace bellmora {

// A unit to type as a screen reader should say it, so that a listener tells every
// character apart, in the manner of Japanese screen readers' character descriptions:
// "カタカナ ア" for ア, "ちいさい つ" for っ, "とうてん" for 、, "ぜんかく いち" for １,
// "スペース" and "ぜんかく スペース", "かいぎょう" for a line end (or its sign "↵"),
// "タブ" for a tab (or "⇥"). A kanji is "かんじ" and the reading of its phrase when one
// is given, else "かんじ" and the kanji itself, which a voice with a dictionary reads.
// Descriptions are kana: Debian's Japanese voice (espeak-ng) says any kanji alike.
std::u16string SpokenUnit(std::u16string_view unit, std::u16string_view reading = {});

// One named character of the description table.
struct SpokenName {
    char16_t character;
    std::u16string_view name;
};
// The named symbols and marks, for checking each against a voice.
std::span<const SpokenName> SpokenNames();

// The lamp that a countdown light shows, index 1 (red) to 3 (green); empty otherwise.
std::u16string_view LightWord(int index);

}  // namespace bellmora
