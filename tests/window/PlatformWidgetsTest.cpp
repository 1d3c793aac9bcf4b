// The Qt controls and services under the logic, without the window.

#include <unistd.h>

#include <chrono>
#include <cstdio>

#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>

#include "CaptionLabel.h"
#include "GuiTest.h"
#include "PictureButton.h"
#include "QtControls.h"
#include "QtSound.h"

namespace bellmora::test {
namespace {

using PlatformWidgets = GuiTest;

struct Cut {
    const char* name;
    int width;
    QString caption;
    QString visible;
};

const Cut kCuts[] = {
    {"short caption shown whole", 100, QStringLiteral("abc"), QStringLiteral("abc")},
    {"long caption cut at one character a pixel", 5, QStringLiteral("abcdefgh"), QStringLiteral("abcde")},
    {"surrogate pair kept whole", 3, QStringLiteral(u"ab😀c"), QStringLiteral(u"ab😀")},
};

TEST_F(PlatformWidgets, CaptionLabelLaysOutOnlyWhatItsWidthCanShow) {
    for (const Cut& cut : kCuts) {
        CaptionLabel label;
        label.resize(cut.width, 20);
        label.setCaption(cut.caption);
        EXPECT_EQ(label.visiblePart(), cut.visible) << cut.name;
        EXPECT_EQ(label.caption(), cut.caption) << cut.name;
    }
}

TEST_F(PlatformWidgets, CaptionLabelKeepsItsSizeForAFullLengthCaption) {
    CaptionLabel label;
    label.setGeometry(0, 0, 489, 36);
    label.setCaption(QString(32767, u'あ'));
    label.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&label));
    EXPECT_EQ(label.size(), QSize(489, 36));
    EXPECT_EQ(label.caption().size(), 32767);
}

TEST_F(PlatformWidgets, CaptionLabelClickIsPressAndReleaseOnIt) {
    CaptionLabel label;
    label.resize(100, 20);
    QSignalSpy clicks(&label, &CaptionLabel::clicked);
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(150, 5));  // let go outside
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(PlatformWidgets, EnterPressesTheFocusedButtonOnce) {
    PictureButton button;
    QSignalSpy clicks(&button, &QAbstractButton::clicked);
    QTest::keyClick(&button, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicks.count() == 1; }));
    QTest::keyClick(&button, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicks.count() == 2; }));
    QTest::qWait(200);
    EXPECT_EQ(clicks.count(), 2);
}

// The controls over a bare input box and history list.
class ControlsOverWidgets : public GuiTest {
protected:
    QLineEdit box_;
    QListWidget history_;
    QtControls controls_{[this] {
        QtControlSet set;
        set.txtInpKey = &box_;
        set.lstRireki = &history_;
        return set;
    }()};
};

TEST_F(ControlsOverWidgets, SettingTheInputTextRaisesTheChangeAtOnceOnlyWhenItChanges) {
    QSignalSpy changes(&box_, &QLineEdit::textChanged);
    controls_.SetInputText(u"あ");
    EXPECT_EQ(changes.count(), 1);
    controls_.SetInputText(u"あ");
    EXPECT_EQ(changes.count(), 1);
    controls_.SetInputText(u"");
    EXPECT_EQ(changes.count(), 2);
    controls_.SetInputText(u"");
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(ControlsOverWidgets, HistoryTakesTensOfThousandsOfLinesAtOnceAndScrollsToARow) {
    history_.setUniformItemSizes(true);
    history_.setGeometry(0, 0, 419, 134);
    history_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&history_));
    std::vector<std::u16string> lines;
    for (int i = 0; i < 30000; ++i) lines.push_back(u"line " + QString::number(i).toStdU16String());

    const auto start = std::chrono::steady_clock::now();
    controls_.AppendHistory(lines);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    EXPECT_EQ(controls_.HistoryCount(), 30000);

    const auto topRow = [this] { return history_.indexAt(QPoint(1, 1)).row(); };
    controls_.SetHistoryTopIndex(100);
    EXPECT_EQ(topRow(), 100);
    controls_.SetHistoryTopIndex(29999);  // only as far as the list scrolls
    EXPECT_EQ(history_.verticalScrollBar()->value(), history_.verticalScrollBar()->maximum());
    EXPECT_GT(topRow(), 29980);

    controls_.ClearHistory();
    EXPECT_EQ(controls_.HistoryCount(), 0);
}

// Reads what the process writes to stderr while it runs.
class StderrCapture {
public:
    StderrCapture() {
        file_.open();
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        dup2(file_.handle(), STDERR_FILENO);
    }
    QByteArray Finish() {
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        file_.seek(0);
        return file_.readAll();
    }

private:
    QTemporaryFile file_;
    int saved_ = -1;
};

TEST_F(PlatformWidgets, BeepReturnsAtOnceAndWritesNothingEvenWithoutASoundDevice) {
    StderrCapture capture;
    {
        QtSound sound;
        std::chrono::steady_clock::duration spent{};
        for (int i = 0; i < 3; ++i) {
            const auto start = std::chrono::steady_clock::now();
            sound.Beep();
            spent += std::chrono::steady_clock::now() - start;
            QTest::qWait(300);  // a countdown's beeps, a little closer together
        }
        EXPECT_LT(spent, std::chrono::milliseconds(30));
    }
    EXPECT_EQ(capture.Finish(), QByteArray());
}

}  // namespace
}  // namespace bellmora::test
