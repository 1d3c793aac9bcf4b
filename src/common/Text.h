// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace bellmora {

// The text from 1-based position pos to the end; empty past the end.
std::u16string RestFrom(std::u16string_view text, int pos);

// What one keystroke types at 1-based position pos: one character, or two that are typed
// as one (a CR LF line end, a surrogate pair outside the Basic Multilingual Plane); empty
// past either end.
std::u16string TypingUnitAt(std::u16string_view text, int pos);

// True when typed is what the keystroke for unit gives: the unit itself, for a line end
// (CR LF, CR or LF) any line end, as the Enter key types one, and for the few characters
// that code page 932 and the input methods map differently (～ U+FF5E and 〜 U+301C …)
// either of the two.
bool TypedUnitMatches(std::u16string_view typed, std::u16string_view unit);

// A unit as the next character to type shows it: a line end as "↵", a tab as "⇥".
std::u16string ShownUnit(std::u16string_view unit);

// Control characters cannot be typed as part of a text; tab, CR and LF can.
bool HasUntypableCharacter(std::u16string_view text);

// The first n characters (the whole text when it is shorter).
std::u16string_view Left(std::u16string_view text, std::size_t n);

// Widens ASCII (or Latin-1) text, as used for numbers and dates.
std::u16string Widen(std::string_view ascii);

// The text with the ASCII letters A to Z in lower case; every other character as it is.
std::string AsciiLower(std::string_view text);
std::u16string AsciiLower(std::u16string_view text);

// Decimal digits with a leading minus sign when negative; no blank, no grouping.
std::u16string IntegerText(std::int64_t value);

// A file name begins with this when it is a read-me file rather than a problem.
inline constexpr std::u16string_view kReadMePrefix = u"読んでね";
bool IsReadMeName(std::u16string_view fileName);

}  // namespace bellmora
