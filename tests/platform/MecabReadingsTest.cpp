// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "MecabAnalyser.h"
#include "PhraseReadings.h"
#include "ProblemLoad.h"
#include "QtTextFiles.h"

namespace bellmora::test {
namespace {

// The phrases of a course text as MeCab and the IPA dictionary read them, as the guide
// shows them: the phrase, its reading.
TEST(MecabReadings, ReadsACourseTextPhraseByPhrase) {
    std::unique_ptr<Analyser> mecab = CreateMecabAnalyser();
    if (!mecab) GTEST_SKIP() << "MeCab has no dictionary here (install mecab-ipadic-utf8)";
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(BELLMORA_SAMPLES_DIR);
    QtTextFiles files;
    const ProblemText problem = ReadProblemText(files, u"25 吾輩は猫である.txt");
    std::filesystem::current_path(previous);
    ASSERT_EQ(problem.status, ProblemRead::Ok);

    std::u16string shown;
    for (const Phrase& phrase : GroupPhrases(problem.text, mecab->Analyse(problem.text))) {
        if (phrase.begin > 45) break;
        shown += problem.text.substr(phrase.begin, phrase.length) + u"=";
        for (const ReadingPart& part : phrase.parts) shown += part.reading;
        shown += u" ";
    }
    EXPECT_EQ(shown,
              u"吾輩は=わがはいは 猫である=ねこである 名前は=なまえは まだ=まだ 無い=ない "
              u"どこで=どこで 生れたか=うまれたか とんと=とんと 見当が=けんとうが つかぬ=つかぬ "
              u"何でも=なにでも 薄暗い=うすぐらい じめじめ=じめじめ した=した 所で=ところで ");
}

}  // namespace
}  // namespace bellmora::test
