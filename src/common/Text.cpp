// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Text.h"

#include <charconv>

namespace bellmora {

namespace {

template <class Char>
std::basic_string<Char> Lowered(std::basic_string_view<Char> text) {
    std::basic_string<Char> lower(text);
    for (Char& c : lower)
        if (c >= Char('A') && c <= Char('Z')) c = static_cast<Char>(c - Char('A') + Char('a'));
    return lower;
}

}  // namespace

std::u16string RestFrom(std::u16string_view text, int pos) {
    if (pos < 1) pos = 1;
    if (static_cast<std::size_t>(pos) > text.size()) return {};
    return std::u16string(text.substr(static_cast<std::size_t>(pos) - 1));
}

std::u16string_view Left(std::u16string_view text, std::size_t n) { return text.substr(0, n); }

std::u16string Widen(std::string_view ascii) {
    std::u16string out;
    out.reserve(ascii.size());
    for (char c : ascii) out.push_back(static_cast<unsigned char>(c));
    return out;
}

std::string AsciiLower(std::string_view text) { return Lowered(text); }

std::u16string AsciiLower(std::u16string_view text) { return Lowered(text); }

std::u16string IntegerText(std::int64_t value) {
    char buf[24];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    (void)ec;  // 24 characters always hold a 64-bit integer
    return Widen(std::string_view(buf, static_cast<std::size_t>(end - buf)));
}

bool IsReadMeName(std::u16string_view fileName) {
    return Left(fileName, kReadMePrefix.size()) == kReadMePrefix;
}

}  // namespace bellmora
