// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>

#include "Romaji.h"

namespace bellmora::test {
namespace {

// The spellings that trip beginners, as the input methods take them.
TEST(Romaji, SpellsReadingsAsInputMethodsTakeThem) {
    const struct {
        std::u16string_view reading;
        std::u16string_view keys;
    } rows[] = {
        {u"きゃく", u"kyaku"},     {u"しゃしん", u"shashinn"}, {u"じゃま", u"jama"},
        {u"きって", u"kitte"},     {u"まっちゃ", u"maccha"},   {u"あっ", u"axtu"},
        {u"きんえん", u"kinnenn"}, {u"ほんや", u"honnya"},     {u"こんにちは", u"konnnichiha"},
        {u"せんせい", u"sensei"},  {u"らーめん", u"ra-menn"},  {u"はなぢ", u"hanadi"},
        {u"つづく", u"tsuduku"},   {u"ゐゑ", u"wyiwye"},       {u"ふぁいる", u"fairu"},
        {u"ぁゃ", u"xaxya"},
    };
    for (const auto& row : rows) EXPECT_EQ(Romaji(row.reading), row.keys) << row.keys.size();
    EXPECT_EQ(Romaji(Hiragana(u"コーヒー")), u"ko-hi-");
}

TEST(Romaji, KeysOfCharactersTypedAsTheyStand) {
    const struct {
        std::u16string_view unit;
        std::u16string_view key;
    } rows[] = {
        {u"、", u","}, {u"。", u"."},       {u"「", u"["},     {u"１", u"1"}, {u"？", u"?"},
        {u"a", u"a"},  {u"\r\n", u"Enter"}, {u"　", u"Space"}, {u"猫", u""},
    };
    for (const auto& row : rows) EXPECT_EQ(KeyFor(row.unit), row.key) << row.key.size();
}

}  // namespace
}  // namespace bellmora::test
