// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bellmora {

// Hiragana and katakana, with the prolonged sound mark ー (not the middle dot ・).
bool IsKana(char16_t c);
// Kanji, with the repeat mark 々 and half of a surrogate pair (the rarer kanji).
bool IsKanji(char16_t c);

// The text with its katakana as hiragana; everything else as it is.
std::u16string Hiragana(std::u16string_view text);

// The keys for a stretch of a hiragana reading: `kana` characters of it (two for きゃ).
struct RomajiPiece {
    std::size_t kana = 0;
    std::u16string keys;
};

// The romaji that type a hiragana reading through an input method (Mozc, Anthy and the
// Windows IMEs alike), kana by kana: Hepburn (shi, chi, tsu, fu, ja), っ as the doubled
// consonant (kitte, macchi), ん as "nn" before a vowel, the y and n rows and at the end,
// ー as "-", and ぢ づ ゐ ゑ as those input methods spell them (di, du, wyi, wye).
std::vector<RomajiPiece> RomajiPieces(std::u16string_view reading);
std::u16string Romaji(std::u16string_view reading);

// The key that types a unit the input method passes through as it is (a digit, a
// punctuation mark, a Latin letter, a blank, a line end); empty for any other.
std::u16string KeyFor(std::u16string_view unit);

}  // namespace bellmora
