// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// What counts as one keystroke of a text, and which keystroke types it.
namespace bellmora {

// What one keystroke types at 1-based position pos: one character, or two that are typed
// as one (a CR LF line end, a surrogate pair outside the Basic Multilingual Plane); empty
// past either end.
std::u16string TypingUnitAt(std::u16string_view text, int pos);

// True when typed is what the keystroke for unit gives: the unit itself, for a line end
// (CR LF, CR or LF) any line end, as the Enter key types one, and for the few characters
// that code page 932 and the input methods map differently (～ U+FF5E and 〜 U+301C …)
// either of the two.
bool TypedUnitMatches(std::u16string_view typed, std::u16string_view unit);

// How many keystrokes type a text: a CR LF line end or a surrogate pair is one.
std::int64_t KeystrokeCount(std::u16string_view text);

// A unit as the next character to type shows it: a line end as "↵", a tab as "⇥".
std::u16string ShownUnit(std::u16string_view unit);

// Control characters cannot be typed as part of a text; tab, CR and LF can.
bool HasUntypableCharacter(std::u16string_view text);

}  // namespace bellmora
