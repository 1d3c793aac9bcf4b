// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Every practice text shipped in samples/ loads with its length and can be typed to a record
// as Japanese is typed: through the input method, a converted word committed at a time.

#include <QFile>
#include <QInputMethodEvent>
#include <QListWidget>
#include <QTest>

#include "GuiTest.h"
#include "ProblemLoad.h"

namespace bellmora::test {
namespace {

struct Shipped {
    const char* name;  // without ".txt"
    int count;
};
void PrintTo(const Shipped& s, std::ostream* out) { *out << s.name; }

const Shipped kShipped[] = {
    {"01 あ行とか行", 84},
    {"02 さ行とた行", 94},
    {"03 な行とは行", 95},
    {"04 ま行とや行", 72},
    {"05 ら行とわ行", 85},
    {"06 濁音と半濁音", 91},
    {"07 んと小さい字", 107},
    {"08 のばす音と小さいっ", 113},
    {"09 ひらがなのまとめ", 127},
    {"10 拗音", 133},
    {"11 カタカナ ア行からナ行", 80},
    {"12 カタカナ ハ行からン", 110},
    {"13 カタカナの拗音とのばす音", 137},
    {"14 外来語", 133},
    {"15 カタカナのまとめ", 120},
    {"16 ことば（名詞）", 120},
    {"17 ことば（動詞と形容詞）", 130},
    {"18 一年生の漢字", 98},
    {"19 二年生の漢字", 86},
    {"20 数と日づけと時こく", 124},
    {"21 くぎり記号", 97},
    {"22 記号と数字", 106},
    {"23 ていねいなあいさつ", 121},
    {"24 ていねいな文", 126},
    {"25 吾輩は猫である", 154},
    {"26 坊っちゃん", 161},
    {"27 走れメロス", 101},
    {"28 羅生門", 87},
    {"29 銀河鉄道の夜", 131},
    {"30 まとめの練習", 138},
    {"いろは歌", 55},
    {"英文練習", 160},
};

// The pieces a user commits: a word or phrase up to a punctuation mark or a blank, at most
// six characters.
QStringList Words(const QString& text) {
    QStringList words{QString()};
    for (QChar c : text) {
        words.back() += c;
        if (words.back().size() == 6 || QStringLiteral(u"、。！？」 ").contains(c))
            words.append(QString());
    }
    words.removeAll(QString());
    return words;
}

class Course : public GuiTest, public testing::WithParamInterface<Shipped> {};

TEST_P(Course, LoadsWithItsLengthAndIsTypedToARecordWordByWord) {
    const QString name = QString::fromUtf8(GetParam().name);
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(BELLMORA_SAMPLES_DIR "/") + name + ".txt", name + ".txt"));
    QtTextFiles files;
    const ProblemText problem = ReadProblemText(files, (name + ".txt").toStdU16String());
    ASSERT_EQ(problem.status, ProblemRead::Ok);
    EXPECT_EQ(problem.text.size(), std::size_t(GetParam().count));

    frmMain& w = OpenWindow(10);
    ClickItem(*Control<QListWidget>("filMondai"), 0);
    ASSERT_EQ(Caption("lblMondai"), problem.text);
    QTest::mouseClick(Control("cmdStart"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.state().blnTyping == Flag::True; }, 5000));
    QTest::qWait(20);  // a run timed at 0.00 s would not be recorded
    for (const QString& word : Words(QString::fromStdU16String(problem.text))) {
        const int next = w.state().intPos + word.size();
        QInputMethodEvent commit;
        commit.setCommitString(QString(word).replace(u'～', u'〜'));  // the wave dash Mozc gives
        QCoreApplication::sendEvent(Control("txtInpKey"), &commit);
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return w.state().intPos == next || w.state().blnTyping == Flag::False;
        })) << "at "
            << next - word.size();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.state().blnTyping == Flag::False; }));
    EXPECT_EQ(Control<QListWidget>("lstRireki")->count(), 1);
    EXPECT_TRUE(QFile::exists(name + ".REC"));
}

INSTANTIATE_TEST_SUITE_P(Samples, Course, testing::ValuesIn(kShipped));

}  // namespace
}  // namespace bellmora::test
