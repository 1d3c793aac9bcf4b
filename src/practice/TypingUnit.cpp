// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TypingUnit.h"

#include <utility>

namespace bellmora {

namespace {

bool IsLineEnd(std::u16string_view s) { return s == u"\r\n" || s == u"\r" || s == u"\n"; }
bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

std::u16string TypingUnitAt(std::u16string_view text, int pos) {
    if (pos < 1 || static_cast<std::size_t>(pos) > text.size()) return {};
    const std::u16string_view rest = text.substr(static_cast<std::size_t>(pos) - 1);
    const bool pair = rest.size() >= 2 && ((rest[0] == u'\r' && rest[1] == u'\n') ||
                                           (IsHighSurrogate(rest[0]) && IsLowSurrogate(rest[1])));
    return std::u16string(rest.substr(0, pair ? 2 : 1));
}

namespace {

// Characters that code page 932 files and today's input methods give differently for one
// key: a file's wave dash (0x8160) is U+FF5E, while the input method commits U+301C.
constexpr std::pair<char16_t, char16_t> kSameKey[] = {
    {u'\uFF5E', u'\u301C'},  // ～ 〜
    {u'\uFF0D', u'\u2212'},  // － −
    {u'\u2225', u'\u2016'},  // ∥ ‖
    {u'\uFFE0', u'\u00A2'},  // ￠ ¢
    {u'\uFFE1', u'\u00A3'},  // ￡ £
    {u'\uFFE2', u'\u00AC'},  // ￢ ¬
    {u'\u2015', u'\u2014'},  // ― —
};

bool SameKey(std::u16string_view typed, std::u16string_view unit) {
    if (typed.size() != 1 || unit.size() != 1) return false;
    for (const auto& [a, b] : kSameKey)
        if ((typed[0] == a && unit[0] == b) || (typed[0] == b && unit[0] == a)) return true;
    return false;
}

}  // namespace

bool TypedUnitMatches(std::u16string_view typed, std::u16string_view unit) {
    return typed == unit || (IsLineEnd(typed) && IsLineEnd(unit)) || SameKey(typed, unit);
}

std::int64_t KeystrokeCount(std::u16string_view text) {
    std::int64_t count = 0;
    for (int at = 1; at <= static_cast<int>(text.size()); ++count)
        at += static_cast<int>(TypingUnitAt(text, at).size());
    return count;
}

std::u16string ShownUnit(std::u16string_view unit) {
    if (IsLineEnd(unit)) return u"↵";
    if (unit == u"\t") return u"⇥";
    return std::u16string(unit);
}

bool HasUntypableCharacter(std::u16string_view text) {
    for (const char16_t c : text) {
        if (c == u'\t' || c == u'\r' || c == u'\n') continue;
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return true;
    }
    return false;
}

}  // namespace bellmora
