// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "SpokenText.h"
#include "TempFolder.h"

namespace bellmora {
namespace {

struct DescriptionRow {
    const char* name;
    std::u16string_view unit, reading, said;
};
void PrintTo(const DescriptionRow& row, std::ostream* os) { *os << row.name; }

class SpokenUnits : public ::testing::TestWithParam<DescriptionRow> {};

TEST_P(SpokenUnits, TellEachCharacterApart) {
    EXPECT_EQ(SpokenUnit(GetParam().unit, GetParam().reading), GetParam().said);
}

constexpr DescriptionRow kRows[] = {
    {"Hiragana", u"あ", u"", u"あ"},
    {"Katakana", u"ア", u"", u"カタカナ ア"},
    {"SmallTsu", u"っ", u"", u"ちいさい つ"},
    {"SmallYa", u"ゃ", u"", u"ちいさい や"},
    {"SmallKatakanaE", u"ェ", u"", u"カタカナ ちいさい エ"},
    {"SmallKe", u"ヶ", u"", u"カタカナ ちいさい ケ"},
    {"Vu", u"ヴ", u"", u"カタカナ ヴ"},
    {"OldWi", u"ゐ", u"", u"わぎょうの い"},
    {"LongVowel", u"ー", u"", u"ながのばし"},
    {"Comma", u"、", u"", u"とうてん"},
    {"FullStop", u"。", u"", u"くてん"},
    {"Bracket", u"」", u"", u"かぎかっことじ"},
    {"MiddleDot", u"・", u"", u"なかぐろ"},
    {"FullWidthMark", u"！", u"", u"ぜんかく びっくりマーク"},
    {"AsciiMark", u"?", u"", u"はてな"},
    {"WaveDashFromCodePage932", u"\uFF5E", u"", u"なみせん"},
    {"WaveDash", u"\u301C", u"", u"なみせん"},
    {"FullWidthDigit", u"１", u"", u"ぜんかく いち"},
    {"Digit", u"7", u"", u"なな"},
    {"FullWidthCapital", u"Ａ", u"", u"ぜんかく おおもじ エー"},
    {"Lower", u"w", u"", u"ダブリュー"},
    {"Blank", u" ", u"", u"スペース"},
    {"IdeographicSpace", u"\u3000", u"", u"ぜんかく スペース"},
    {"LineEnd", u"\r\n", u"", u"かいぎょう"},
    {"LineEndSign", u"↵", u"", u"かいぎょう"},
    {"Tab", u"\t", u"", u"タブ"},
    {"KanjiWithReading", u"吾", u"わがはい", u"かんじ わがはい"},
    {"KanjiAlone", u"猫", u"", u"かんじ 猫"},
    {"IterationMark", u"々", u"", u"くりかえし"},
    {"ReadingOfAKana", u"は", u"わ", u"は"},
};
INSTANTIATE_TEST_SUITE_P(Rows, SpokenUnits, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

std::string Utf8(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {  // descriptions hold no surrogate pairs
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// Every description is heard in Debian's Japanese voice: espeak-ng gives phonemes for it
// ("-x"; none is silence) and does not switch to English for it, as it does to say
// "Chinese letter" for any kanji or "Japanese letter" for ー and ・.
TEST(SpokenUnitsInJapaneseVoice, EveryDescriptionIsSpokenAsWords) {
    if (std::system("command -v espeak-ng >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "espeak-ng is not installed; the descriptions are not heard";
    std::vector<std::u16string> units = {u" ", u"\u3000", u"\n", u"\t"};
    for (const SpokenName& n : SpokenNames()) units.emplace_back(1, n.character);
    for (char16_t c = u'!'; c <= u'~'; ++c) units.emplace_back(1, c);
    for (char16_t c = 0xFF01; c <= 0xFF5E; ++c) units.emplace_back(1, c);
    for (char16_t c = u'ぁ'; c <= u'\u3096'; ++c) units.emplace_back(1, c);
    for (char16_t c = u'ァ'; c <= u'ヺ'; ++c) units.emplace_back(1, c);
    std::vector<std::u16string> said;
    for (const std::u16string& unit : units) said.push_back(SpokenUnit(unit));
    said.push_back(SpokenUnit(u"吾", u"わがはい"));

    // Each description a paragraph of its own, followed by a word that ends it.
    test::TempFolder folder;
    const std::string lines = (folder.Path() / "lines").string();
    std::ofstream(lines) << [&] {
        std::string all;
        for (const std::u16string& s : said) all += Utf8(s) + "\n\nくぎり\n\n";
        return all;
    }();
    FILE* voice = ::popen(("espeak-ng -v ja -x -q -f '" + lines + "' 2>/dev/null").c_str(), "r");
    ASSERT_NE(voice, nullptr);
    std::vector<std::string> phonemes(1);
    char buffer[1024];
    while (std::fgets(buffer, sizeof buffer, voice)) {
        const std::string line(buffer);
        if (line == "kug'ir`i\n")
            phonemes.emplace_back();
        else
            phonemes.back() += line;
    }
    ::pclose(voice);
    phonemes.pop_back();  // after the last end
    ASSERT_EQ(phonemes.size(), said.size()) << "the phonemes of each description";
    for (std::size_t i = 0; i < said.size(); ++i) {
        EXPECT_NE(phonemes[i].find_first_not_of(" \n"), std::string::npos)
            << Utf8(said[i]) << " is silent";
        EXPECT_EQ(phonemes[i].find("(en)"), std::string::npos)
            << Utf8(said[i]) << " is said as " << phonemes[i];
    }
}

}  // namespace
}  // namespace bellmora
