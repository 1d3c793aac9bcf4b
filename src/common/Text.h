// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace bellmora {

// The text from 1-based position pos to the end; empty past the end.
std::u16string RestFrom(std::u16string_view text, int pos);

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
