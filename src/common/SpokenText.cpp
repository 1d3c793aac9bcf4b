// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SpokenText.h"

#include <algorithm>
#include <array>

namespace bellmora {

namespace {

// Symbols and marks a voice would pass over in silence, or say alike ("Japanese letter").
// ～ and 〜 are one key to the key check, and so are ― and —.
constexpr std::array kNames = std::to_array<SpokenName>({
    {u' ', u"スペース"},
    {u'!', u"びっくりマーク"},
    {u'"', u"ダブルクォーテーション"},
    {u'#', u"シャープ"},
    {u'$', u"ドル"},
    {u'%', u"パーセント"},
    {u'&', u"アンド"},
    {u'\'', u"シングルクォーテーション"},
    {u'(', u"かっこ"},
    {u')', u"かっことじ"},
    {u'*', u"アスタリスク"},
    {u'+', u"プラス"},
    {u',', u"コンマ"},
    {u'-', u"ハイフン"},
    {u'.', u"ピリオド"},
    {u'/', u"スラッシュ"},
    {u':', u"コロン"},
    {u';', u"セミコロン"},
    {u'<', u"しょうなり"},
    {u'=', u"イコール"},
    {u'>', u"だいなり"},
    {u'?', u"はてな"},
    {u'@', u"アットマーク"},
    {u'[', u"だいかっこ"},
    {u'\\', u"バックスラッシュ"},
    {u']', u"だいかっことじ"},
    {u'^', u"キャレット"},
    {u'_', u"アンダーバー"},
    {u'`', u"バッククォート"},
    {u'{', u"ちゅうかっこ"},
    {u'|', u"たてせん"},
    {u'}', u"ちゅうかっことじ"},
    {u'~', u"チルダ"},
    {u'\u00A5', u"えん"},
    {u'\u00B0', u"ど"},
    {u'\u00D7', u"かける"},
    {u'\u00F7', u"わる"},
    {u'\u2010', u"ハイフン"},
    {u'\u2014', u"ダッシュ"},
    {u'\u2015', u"ダッシュ"},
    {u'\u2018', u"ひらく シングルクォーテーション"},
    {u'\u2019', u"とじる シングルクォーテーション"},
    {u'\u201C', u"ひらく ダブルクォーテーション"},
    {u'\u201D', u"とじる ダブルクォーテーション"},
    {u'\u2025', u"にてんリーダー"},
    {u'\u2026', u"さんてんリーダー"},
    {u'\u203B', u"こめじるし"},
    {u'\u2103', u"せっしど"},
    {u'\u2190', u"ひだりやじるし"},
    {u'\u2191', u"うえやじるし"},
    {u'\u2192', u"みぎやじるし"},
    {u'\u2193', u"したやじるし"},
    {u'\u2212', u"マイナス"},
    {u'\u25A0', u"くろしかく"},
    {u'\u25A1', u"しかく"},
    {u'\u25B2', u"くろさんかく"},
    {u'\u25B3', u"さんかく"},
    {u'\u25C6', u"くろひしがた"},
    {u'\u25C7', u"ひしがた"},
    {u'\u25CB', u"まる"},
    {u'\u25CE', u"にじゅうまる"},
    {u'\u25CF', u"くろまる"},
    {u'\u2605', u"くろぼし"},
    {u'\u2606', u"ほし"},
    {u'\u266A', u"おんぷ"},
    {u'\u3000', u"ぜんかく スペース"},
    {u'\u3001', u"とうてん"},
    {u'\u3002', u"くてん"},
    {u'\u3003', u"おなじく"},
    {u'\u3005', u"くりかえし"},
    {u'\u3006', u"しめ"},
    {u'\u3007', u"かんすうじの ゼロ"},
    {u'\u3008', u"やまかっこ"},
    {u'\u3009', u"やまかっことじ"},
    {u'\u300A', u"にじゅうやまかっこ"},
    {u'\u300B', u"にじゅうやまかっことじ"},
    {u'\u300C', u"かぎかっこ"},
    {u'\u300D', u"かぎかっことじ"},
    {u'\u300E', u"にじゅうかぎかっこ"},
    {u'\u300F', u"にじゅうかぎかっことじ"},
    {u'\u3010', u"すみつきかっこ"},
    {u'\u3011', u"すみつきかっことじ"},
    {u'\u3012', u"ゆうびん"},
    {u'\u3014', u"きっこうかっこ"},
    {u'\u3015', u"きっこうかっことじ"},
    {u'\u301C', u"なみせん"},
    {u'\u309B', u"だくてん"},
    {u'\u309C', u"はんだくてん"},
    {u'\u309D', u"ひらがなの くりかえし"},
    {u'\u309E', u"ひらがなの にごりくりかえし"},
    {u'\u3090', u"わぎょうの い"},
    {u'\u3091', u"わぎょうの え"},
    {u'\u30FB', u"なかぐろ"},
    {u'\u30FC', u"ながのばし"},
    {u'\u30FD', u"カタカナの くりかえし"},
    {u'\u30FE', u"カタカナの にごりくりかえし"},
    {u'\uFF5E', u"なみせん"},
    {u'\uFFE5', u"ぜんかく えん"},
});

constexpr std::array<std::u16string_view, 26> kLetters = {
    u"エー",   u"ビー",       u"シー",     u"ディー", u"イー",  u"エフ",   u"ジー",
    u"エイチ", u"アイ",       u"ジェー",   u"ケー",   u"エル",  u"エム",   u"エヌ",
    u"オー",   u"ピー",       u"キュー",   u"アール", u"エス",  u"ティー", u"ユー",
    u"ブイ",   u"ダブリュー", u"エックス", u"ワイ",   u"ゼット"};
constexpr std::array<std::u16string_view, 10> kDigits = {
    u"ぜろ", u"いち", u"に", u"さん", u"よん", u"ご", u"ろく", u"なな", u"はち", u"きゅう"};

constexpr char16_t kKatakanaOffset = u'ア' - u'あ';

bool IsKanji(char16_t c) {
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0xF900 && c <= 0xFAFF);
}

// The full-size kana of a small one (ぁ → あ, っ → つ, ゕ → か), or 0.
char16_t FullSizeOf(char16_t hiragana) {
    switch (hiragana) {
        case u'ぁ':
        case u'ぃ':
        case u'ぅ':
        case u'ぇ':
        case u'ぉ':
        case u'っ':
        case u'ゃ':
        case u'ゅ':
        case u'ょ':
        case u'ゎ':
            return static_cast<char16_t>(hiragana + 1);
        case u'\u3095':
            return u'か';
        case u'\u3096':
            return u'け';
        default:
            return 0;
    }
}

// A kana is said as itself; katakana gets "カタカナ" in front, a small kana "ちいさい"
// and its full-size form, which a voice says as it is.
std::u16string KanaDescription(char16_t hiragana, bool katakana) {
    const char16_t full = FullSizeOf(hiragana);
    const char16_t offset = katakana ? kKatakanaOffset : 0;
    std::u16string said = katakana ? u"カタカナ " : u"";
    if (full) said += u"ちいさい ";
    said += static_cast<char16_t>((full ? full : hiragana) + offset);
    return said;
}

std::u16string CharacterDescription(char16_t c) {
    const auto named = std::find_if(kNames.begin(), kNames.end(),
                                    [c](const SpokenName& n) { return n.character == c; });
    if (named != kNames.end()) return std::u16string(named->name);
    if (c >= u'A' && c <= u'Z') return u"おおもじ " + std::u16string(kLetters[c - u'A']);
    if (c >= u'a' && c <= u'z') return std::u16string(kLetters[c - u'a']);
    if (c >= u'0' && c <= u'9') return std::u16string(kDigits[c - u'0']);
    // Full-width Latin, digits and signs: "ぜんかく" and the name of their ASCII twin.
    if (c >= 0xFF01 && c <= 0xFF5E)
        return u"ぜんかく " + CharacterDescription(static_cast<char16_t>(c - 0xFEE0));
    if (c >= u'ぁ' && c <= u'\u3096') return KanaDescription(c, false);
    if (c >= u'ァ' && c <= u'ヶ') return KanaDescription(c - kKatakanaOffset, true);
    if (c >= u'ヷ' && c <= u'ヺ') return u"カタカナ " + std::u16string(1, c);
    return std::u16string(1, c);
}

}  // namespace

std::u16string SpokenUnit(std::u16string_view unit, std::u16string_view reading) {
    if (unit == u"\r\n" || unit == u"\r" || unit == u"\n" || unit == u"↵") return u"かいぎょう";
    if (unit == u"\t" || unit == u"⇥") return u"タブ";
    if (unit.size() != 1) return std::u16string(unit);  // a pair, or nothing at all
    if (IsKanji(unit[0])) return u"かんじ " + std::u16string(reading.empty() ? unit : reading);
    return CharacterDescription(unit[0]);
}

std::span<const SpokenName> SpokenNames() { return kNames; }

std::u16string_view LightWord(int index) {
    // A Japanese traffic light's go lamp is called blue. Kana, which every voice says.
    static constexpr std::u16string_view kWords[] = {u"あか", u"きいろ", u"あお"};
    return index >= 1 && index <= 3 ? kWords[index - 1] : std::u16string_view();
}

}  // namespace bellmora
