// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Romaji.h"

#include <algorithm>
#include <array>

namespace bellmora {

namespace {

struct Spelling {
    std::u16string_view kana;
    std::u16string_view keys;
};

// Pairs first: a kana with a small one after it is one sound.
constexpr Spelling kPairs[] = {
    {u"きゃ", u"kya"}, {u"きゅ", u"kyu"}, {u"きょ", u"kyo"}, {u"ぎゃ", u"gya"}, {u"ぎゅ", u"gyu"},
    {u"ぎょ", u"gyo"}, {u"しゃ", u"sha"}, {u"しゅ", u"shu"}, {u"しょ", u"sho"}, {u"しぇ", u"she"},
    {u"じゃ", u"ja"},  {u"じゅ", u"ju"},  {u"じょ", u"jo"},  {u"じぇ", u"je"},  {u"ちゃ", u"cha"},
    {u"ちゅ", u"chu"}, {u"ちょ", u"cho"}, {u"ちぇ", u"che"}, {u"ぢゃ", u"dya"}, {u"ぢゅ", u"dyu"},
    {u"ぢょ", u"dyo"}, {u"にゃ", u"nya"}, {u"にゅ", u"nyu"}, {u"にょ", u"nyo"}, {u"ひゃ", u"hya"},
    {u"ひゅ", u"hyu"}, {u"ひょ", u"hyo"}, {u"びゃ", u"bya"}, {u"びゅ", u"byu"}, {u"びょ", u"byo"},
    {u"ぴゃ", u"pya"}, {u"ぴゅ", u"pyu"}, {u"ぴょ", u"pyo"}, {u"みゃ", u"mya"}, {u"みゅ", u"myu"},
    {u"みょ", u"myo"}, {u"りゃ", u"rya"}, {u"りゅ", u"ryu"}, {u"りょ", u"ryo"}, {u"てぃ", u"thi"},
    {u"てゅ", u"thu"}, {u"でぃ", u"dhi"}, {u"でゅ", u"dhu"}, {u"とぅ", u"twu"}, {u"どぅ", u"dwu"},
    {u"ふぁ", u"fa"},  {u"ふぃ", u"fi"},  {u"ふぇ", u"fe"},  {u"ふぉ", u"fo"},  {u"ふゅ", u"fyu"},
    {u"うぃ", u"wi"},  {u"うぇ", u"we"},  {u"うぉ", u"who"}, {u"ゔぁ", u"va"},  {u"ゔぃ", u"vi"},
    {u"ゔぇ", u"ve"},  {u"ゔぉ", u"vo"},  {u"つぁ", u"tsa"}, {u"つぃ", u"tsi"}, {u"つぇ", u"tse"},
    {u"つぉ", u"tso"}, {u"いぇ", u"ye"},
};

// From ぁ (U+3041) to ゖ (U+3096), in code order; ん and っ are spelled by what follows.
constexpr std::array<std::u16string_view, 0x3097 - 0x3041> kSingles = {
    u"xa",  u"a",   u"xi",  u"i",   u"xu",  u"u",  u"xe", u"e",   u"xo",  u"o",  u"ka",
    u"ga",  u"ki",  u"gi",  u"ku",  u"gu",  u"ke", u"ge", u"ko",  u"go",  u"sa", u"za",
    u"shi", u"ji",  u"su",  u"zu",  u"se",  u"ze", u"so", u"zo",  u"ta",  u"da", u"chi",
    u"di",  u"xtu", u"tsu", u"du",  u"te",  u"de", u"to", u"do",  u"na",  u"ni", u"nu",
    u"ne",  u"no",  u"ha",  u"ba",  u"pa",  u"hi", u"bi", u"pi",  u"fu",  u"bu", u"pu",
    u"he",  u"be",  u"pe",  u"ho",  u"bo",  u"po", u"ma", u"mi",  u"mu",  u"me", u"mo",
    u"xya", u"ya",  u"xyu", u"yu",  u"xyo", u"yo", u"ra", u"ri",  u"ru",  u"re", u"ro",
    u"xwa", u"wa",  u"wyi", u"wye", u"wo",  u"n",  u"vu", u"xka", u"xke",
};
static_assert(!kSingles.back().empty(), "one spelling for every kana");

constexpr char16_t kSmallTsu = u'っ';
constexpr char16_t kN = u'ん';

bool IsVowel(char16_t c) { return c == u'a' || c == u'i' || c == u'u' || c == u'e' || c == u'o'; }

RomajiPiece Spell(std::u16string_view reading, std::size_t at) {
    if (at + 1 < reading.size()) {
        const std::u16string_view two = reading.substr(at, 2);
        for (const Spelling& s : kPairs)
            if (s.kana == two) return {2, std::u16string(s.keys)};
    }
    const char16_t c = reading[at];
    if (c >= 0x3041 && c < 0x3097) return {1, std::u16string(kSingles[c - 0x3041])};
    if (c == u'ー') return {1, u"-"};
    return {1, KeyFor(reading.substr(at, 1))};
}

}  // namespace

bool IsKana(char16_t c) {
    return (c >= 0x3041 && c <= 0x309F) || (c >= 0x30A0 && c <= 0x30FF && c != 0x30FB);
}

bool IsKanji(char16_t c) {
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0xF900 && c <= 0xFAFF) || c == u'々' || c == u'〆' || (c >= 0xD800 && c <= 0xDFFF);
}

std::u16string Hiragana(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out)
        if (c >= 0x30A1 && c <= 0x30F6) c = static_cast<char16_t>(c - 0x60);
    return out;
}

std::vector<RomajiPiece> RomajiPieces(std::u16string_view reading) {
    std::vector<RomajiPiece> pieces;
    std::vector<char16_t> firstKana;
    for (std::size_t at = 0; at < reading.size(); at += pieces.back().kana) {
        firstKana.push_back(reading[at]);
        pieces.push_back(Spell(reading, at));
    }
    // っ and ん take their keys from the sound after them.
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const std::u16string& next = i + 1 < pieces.size() ? pieces[i + 1].keys : u"";
        const char16_t first = next.empty() ? u'\0' : next.front();
        const bool consonant = first >= u'a' && first <= u'z' && !IsVowel(first);
        if (firstKana[i] == kSmallTsu && consonant && first != u'n')
            pieces[i].keys = std::u16string(1, first);
        else if (firstKana[i] == kN)
            pieces[i].keys = consonant && first != u'y' && first != u'n' ? u"n" : u"nn";
    }
    return pieces;
}

std::u16string Romaji(std::u16string_view reading) {
    std::u16string keys;
    for (const RomajiPiece& piece : RomajiPieces(reading)) keys += piece.keys;
    return keys;
}

std::u16string KeyFor(std::u16string_view unit) {
    if (unit.empty()) return {};
    if (unit == u"\r\n" || unit == u"\r" || unit == u"\n") return u"Enter";
    if (unit == u"\t") return u"Tab";
    if (unit.size() != 1) return {};
    const char16_t c = unit.front();
    if (c == u' ' || c == u'\u3000') return u"Space";
    if (c > u' ' && c < 0x7F) return std::u16string(1, c);
    // Full-width letters, digits and signs come from their ASCII keys.
    if (c >= 0xFF01 && c <= 0xFF5E) return std::u16string(1, static_cast<char16_t>(c - 0xFEE0));
    static constexpr std::array<Spelling, 8> kMarks = {{
        {u"、", u","},
        {u"。", u"."},
        {u"「", u"["},
        {u"」", u"]"},
        {u"・", u"/"},
        {u"〜", u"~"},
        {u"ー", u"-"},
        {u"－", u"-"},
    }};
    const auto it = std::find_if(kMarks.begin(), kMarks.end(),
                                 [&](const Spelling& s) { return s.kana == unit; });
    return it == kMarks.end() ? std::u16string() : std::u16string(it->keys);
}

}  // namespace bellmora
