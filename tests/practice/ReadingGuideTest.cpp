// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "FakePlatform.h"
#include "PhraseReadings.h"
#include "PracticeRun.h"
#include "ProblemLoad.h"

namespace bellmora::test {
namespace {

// Words as MeCab gives them ("吾輩 名詞 代名詞 ワガハイ", "* " for no reading), placed
// in the text one after another.
AnalysedText Analysed(const std::u16string& text, const std::vector<std::u16string>& words) {
    AnalysedText analysed{text, true, {}};
    std::size_t from = 0;
    for (const std::u16string& line : words) {
        std::vector<std::u16string> f;
        for (std::size_t at = 0, end = 0; end != std::u16string::npos; at = end + 1)
            f.push_back(line.substr(at, (end = line.find(u' ', at)) - at));
        Morpheme w{text.find(f[0], from), f[0].size(), f[1], f[2], f[3] == u"*" ? u"" : f[3]};
        from = w.begin + w.length;
        analysed.morphemes.push_back(w);
    }
    return analysed;
}

std::u16string Shown(const std::u16string& text, const std::vector<Phrase>& phrases) {
    std::u16string shown;
    for (const Phrase& phrase : phrases) {
        shown += text.substr(phrase.begin, phrase.length) + u"=";
        for (const ReadingPart& part : phrase.parts) shown += part.reading;
        shown += u" ";
    }
    return shown;
}

struct GroupingRow {
    std::u16string text;
    std::vector<std::u16string> words;
    std::u16string phrases;
};

TEST(PhraseReadings, GroupsWordsIntoThePhrasesAnInputMethodConverts) {
    const GroupingRow rows[] = {
        {u"吾輩は猫である。",
         {u"吾輩 名詞 代名詞 ワガハイ", u"は 助詞 係助詞 ハ", u"猫 名詞 一般 ネコ",
          u"で 助動詞 * デ", u"ある 助動詞 * アル", u"。 記号 句点 。"},
         u"吾輩は=わがはいは 猫である=ねこである "},
        {u"生れたかとんと見当がつかぬ",
         {u"生れ 動詞 自立 ウマレ", u"た 助動詞 * タ", u"か 助詞 副助詞 カ",
          u"とんと 副詞 一般 トント", u"見当 名詞 サ変接続 ケントウ", u"が 助詞 格助詞 ガ",
          u"つか 動詞 自立 ツカ", u"ぬ 助動詞 * ヌ"},
         u"生れたか=うまれたか とんと=とんと 見当が=けんとうが つかぬ=つかぬ "},
        // A prefix takes the word after it; a dependent verb and a suffix go with the one before.
        {u"お茶を飲んでいる山田さん",
         {u"お 接頭詞 名詞接続 オ", u"茶 名詞 一般 チャ", u"を 助詞 格助詞 ヲ",
          u"飲ん 動詞 自立 ノン", u"で 助詞 接続助詞 デ", u"いる 動詞 非自立 イル",
          u"山田 名詞 固有名詞 ヤマダ", u"さん 名詞 接尾 サン"},
         u"お茶を=おちゃを 飲んでいる=のんでいる 山田さん=やまださん "},
        // Latin and digits are typed key by key, and a word without a reading is left out.
        {u"ＡＢＣの本１冊と檸檬",
         {u"ＡＢＣ 名詞 固有名詞 *", u"の 助詞 連体化 ノ", u"本 名詞 一般 ホン", u"１ 名詞 数 イチ",
          u"冊 名詞 接尾 サツ", u"と 助詞 並立助詞 ト", u"檸檬 名詞 一般 *"},
         u"の=の 本=ほん 冊と=さつと "},
    };
    for (const GroupingRow& row : rows) {
        const AnalysedText analysed = Analysed(row.text, row.words);
        EXPECT_EQ(Shown(row.text, GroupPhrases(row.text, analysed.morphemes)), row.phrases)
            << std::string(row.text.begin(), row.text.begin() + 1);
    }
}

// The guide follows the typist through a phrase, character by character and by a word
// committed at once, and says the reading of the next phrase holding kanji.
TEST(PhraseReadings, GuideFollowsTheTypistThroughPhrasesAndCommits) {
    FakeWindow w;
    w.Load();
    const std::u16string text = u"吾輩は猫である。";
    w.files.files[u"猫.txt"] = text;
    w.ui.selectedFileName = u"猫.txt";
    OnFileListClick(w.st, w.platform);
    ASSERT_EQ(w.readings.requested, std::vector<std::u16string>{text});
    OnReadingsReady(
        w.st, w.platform,
        Analysed(text, {u"吾輩 名詞 代名詞 ワガハイ", u"は 助詞 係助詞 ハ", u"猫 名詞 一般 ネコ",
                        u"で 助動詞 * デ", u"ある 助動詞 * アル", u"。 記号 句点 。"}));
    OnTypingTick(w.st, w.platform);

    struct Step {
        std::u16string typed;
        ReadingGuide guide;
    };
    const Step steps[] = {
        {u"", {u"わがはいは", 0, u"wagahaiha", 0, u""}},
        {u"吾", {u"わがはいは", 0, u"wagahaiha", 0, u""}},  // 吾輩 reads as one
        {u"輩", {u"わがはいは", 4, u"wagahaiha", 7, u""}},
        {u"は", {u"ねこである", 0, u"nekodearu", 0, u""}},
        {u"猫である", {u"", 0, u".", 0, u""}},
    };
    for (const Step& step : steps) {
        if (!step.typed.empty()) OnInputChange(w.st, w.platform, step.typed);
        EXPECT_EQ(w.ui.guide, step.guide) << w.st.intPos;
    }
    EXPECT_EQ(w.speech.said[w.speech.said.size() - 2], u"かんじ ねこである");
}

// Without a dictionary the guide says once where readings come from, then shows keys.
TEST(PhraseReadings, MissingReadingsAreToldOnce) {
    FakeWindow w;
    w.Load();
    const ReadingGuide note{u"", 0, u"", 0, u"読みには mecab-ipadic-utf8 が必要です"};
    const std::pair<std::u16string, ReadingGuide> loads[] = {
        {u"一.txt", note}, {u"二.txt", {u"", 0, u"ka", 0, u""}},  // kana still show their keys
    };
    for (const auto& [name, guide] : loads) {
        w.files.files[name] = u"かな";
        w.ui.selectedFileName = name;
        OnFileListClick(w.st, w.platform);
        OnReadingsReady(w.st, w.platform, {w.st.strMondai, false, {}});
        EXPECT_EQ(w.ui.guide, guide);
    }
}

}  // namespace
}  // namespace bellmora::test
