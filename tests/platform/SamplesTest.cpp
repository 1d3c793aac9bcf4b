// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ProblemLoad.h"
#include "QtTextFiles.h"
#include "Text.h"

namespace bellmora::test {
namespace {

namespace fs = std::filesystem;

// The practice texts shipped with the program, read as the program reads them.
class Samples : public testing::Test {
protected:
    void SetUp() override {
        previous_ = fs::current_path();
        fs::current_path(BELLMORA_SAMPLES_DIR);
    }
    void TearDown() override { fs::current_path(previous_); }

    static std::vector<std::u16string> ProblemNames() {
        std::vector<std::u16string> names;
        for (const auto& entry : fs::directory_iterator(".")) {
            const std::u16string name = entry.path().filename().u16string();
            if (entry.path().extension() == ".txt" && !IsReadMeName(name)) names.push_back(name);
        }
        return names;
    }

private:
    fs::path previous_;
};

TEST_F(Samples, EveryProblemLoadsCleanlyWithASensibleLength) {
    const std::vector<std::u16string> names = ProblemNames();
    EXPECT_GE(names.size(), 4u);
    QtTextFiles files;
    for (const std::u16string& name : names) {
        const ProblemText problem = ReadProblemText(files, name);
        const std::string shown = fs::path(name).string();
        EXPECT_EQ(problem.status, ProblemRead::Ok) << shown;
        EXPECT_GE(problem.text.size(), 50u) << shown;
        EXPECT_LE(problem.text.size(), 400u) << shown;
        for (std::size_t i = 0; i < problem.text.size(); ++i) {
            // Nothing that cannot be typed: no control character, mark or replacement.
            const char16_t c = problem.text[i];
            EXPECT_TRUE(c >= u' ' && c != u'\uFEFF' && c != u'\uFFFD') << shown;
            // Right after a full-width digit the input method types ，． for ［,］［.］.
            const bool afterDigit =
                i > 0 && problem.text[i - 1] >= u'０' && problem.text[i - 1] <= u'９';
            EXPECT_FALSE(afterDigit && (c == u'、' || c == u'。')) << shown << " at " << i;
        }
    }
}

TEST_F(Samples, ReadMeIsThereAndReadsCleanly) {
    const TextFileContent readMe = QtTextFiles().ReadText(u"読んでね.txt");
    EXPECT_EQ(readMe.status, ReadStatus::Ok);
    EXPECT_EQ(readMe.text.substr(0, 8), u"Bellmora");
}

TEST_F(Samples, EnglishDrillKeepsCommasAndSpacesBetweenSentences) {
    QtTextFiles files;
    EXPECT_EQ(
        ReadProblemText(files, u"英文練習.txt").text,
        u"The quick brown fox jumps over the lazy dog. Pack my box with five dozen liquor jugs. "
        u"How vexingly quick daft zebras jump! Sphinx of black quartz, judge my vow.");
}

TEST_F(Samples, Cp932ProblemJoinsItsLines) {
    QtTextFiles files;
    EXPECT_EQ(ReadProblemText(files, u"いろは歌.txt").text,
              u"いろはにほへと、ちりぬるを。わかよたれそ、つねならむ。"
              u"うゐのおくやま、けふこえて。あさきゆめみし、ゑひもせす。");
}

}  // namespace
}  // namespace bellmora::test
