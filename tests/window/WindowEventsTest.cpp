// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's events reaching the logic: a full-length problem, ending the program, and
// one whole practice run typed at the keyboard. (Hiding the problem text: ThemeTest.)

#include <QAccessible>
#include <QApplication>
#include <QInputMethodEvent>
#include <QListWidget>
#include <QTest>
#include <QTextCharFormat>
#include <QTimer>

#include "CaptionLabel.h"
#include "CompositionView.h"
#include "GuiTest.h"
#include "InputBox.h"
#include "MissMark.h"

namespace bellmora::test {
namespace {

using WindowEvents = GuiTest;

QColor TextColour(QWidget* label) { return label->palette().color(QPalette::WindowText); }

TEST_F(WindowEvents, FullLengthProblemKeepsTheWindowSizeAndIsReadBackWhole) {
    WriteFile("long.txt", QByteArray(32767, 'a'));
    frmMain& w = OpenWindow();
    const QRect before = Control("lblMondai")->geometry();
    ClickItem(*Control<QListWidget>("filMondai"), 0);
    ASSERT_EQ(Loads(u"long.txt"), 1);
    EXPECT_EQ(Caption("lblMondai"), std::u16string(32767, u'a'));
    EXPECT_EQ(Caption("lblNokori"), u"32767");
    EXPECT_EQ(Control("lblMondai")->geometry(), before);
    EXPECT_EQ(w.size(), QSize(631, 452));
}

TEST_F(WindowEvents, CountdownLightsChangeOnceASecond) {
    EXPECT_EQ(OpenWindow().countdownInterval(), 1000);
}

// Runs the program's event loop until it ends, or fails after five seconds.
int RunEventLoop() {
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    return QApplication::exec();
}

TEST_F(WindowEvents, EndEndsTheProgramAndNoLaterEventReachesTheLogic) {
    frmMain& w = OpenWindow();
    QTimer::singleShot(0, [&] { QTest::mouseClick(Control("cmdEnd"), Qt::LeftButton); });
    EXPECT_EQ(RunEventLoop(), 0);
    EXPECT_FALSE(w.isVisible());

    QTest::mouseClick(Control("lblMondai"), Qt::LeftButton);
    EXPECT_EQ(TextColour(Control("lblMondai")), Qt::black);
}

TEST_F(WindowEvents, ClosingTheWindowWithAMessageBoxOpenEndsTheProgram) {
    frmMain& w = OpenWindow();
    bool boxWasOpen = false;
    // Start with no problem chosen opens a message box, and waits in it.
    QTimer::singleShot(0, [&] { QTest::mouseClick(Control("cmdStart"), Qt::LeftButton); });
    QTimer::singleShot(300, [&] {
        boxWasOpen = QApplication::activeModalWidget() != nullptr;
        w.close();
    });
    EXPECT_EQ(RunEventLoop(), 0);
    EXPECT_TRUE(boxWasOpen);
    EXPECT_FALSE(w.isVisible());
}

// One timed run of "aBあい": typed keys and input-method commits, with a wrong key and an
// uncommitted composition on the way, neither of which advances, nor ends the run.
class PracticeRun : public GuiTest {
protected:
    void WaitForStep(int remaining, char16_t next) {
        EXPECT_TRUE(QTest::qWaitFor([&] {
            const WindowState& st = window().state();
            return Caption("lblNokori") == IntegerText(remaining) &&
                   st.stepPhase == StepPhase::Waiting && st.strInpKey == std::u16string(1, next);
        })) << "remaining "
            << remaining;
    }
    void Commit(const QString& text) {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(Control("txtInpKey"), &commit);
    }
    void Compose(const QString& text) {
        QInputMethodEvent compose(text, {});
        QCoreApplication::sendEvent(Control("txtInpKey"), &compose);
    }
    static std::u16string IntegerText(int n) { return QString::number(n).toStdU16String(); }
};

TEST_F(PracticeRun, TypedToTheEndLeavesTheWindowIdleWithStartFocused) {
    WriteFile(QStringLiteral(u"drill.txt"), QStringLiteral(u"aBあい").toUtf8());
    frmMain& w = OpenWindow(10);  // a quick countdown
    ClickItem(*Control<QListWidget>("filMondai"), 0);
    ASSERT_EQ(Caption("lblMondai"), u"aBあい");
    QTest::mouseClick(Control("cmdStart"), Qt::LeftButton);
    EXPECT_FALSE(Control("cmdStart")->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.state().blnTyping == Flag::True; }, 5000));
    QWidget* box = Control("txtInpKey");
    EXPECT_EQ(QApplication::focusWidget(), box);

    auto* miss = w.findChild<MissMark*>(QStringLiteral("lblMiss"));
    ASSERT_NE(miss, nullptr);
    WaitForStep(4, u'a');
    QTest::keyClick(box, 'x');  // wrong: dropped, and shown as a miss until the next hit
    QTest::qWait(50);
    WaitForStep(4, u'a');
    EXPECT_TRUE(miss->isVisible());
    EXPECT_EQ(miss->accessibleName(), QStringLiteral(u"ミス x"));
    QTest::keyClick(box, 'a');
    WaitForStep(3, u'B');
    EXPECT_FALSE(miss->isVisible());
    Commit(QStringLiteral(u"位置"));  // a wrong word
    EXPECT_EQ(miss->accessibleName(), QStringLiteral(u"ミス 位置"));
    QTest::keyClick(box, 'B');
    WaitForStep(2, u'あ');
    EXPECT_FALSE(miss->isVisible());
    Commit(QStringLiteral(u"x"));
    Compose(QStringLiteral(u"あい"));      // still composing: no change of the box
    QTest::keyClick(box, Qt::Key_Escape);  // the input method's, to cancel a conversion
    ASSERT_EQ(w.state().blnTyping, Flag::True);
    QTest::qWait(50);
    WaitForStep(2, u'あ');
    // The composition keeps its place, in front of the miss below the next character.
    CompositionView* view = static_cast<InputBox*>(box)->compositionView();
    EXPECT_EQ(view->pos(), miss->pos());
    EXPECT_GT(w.children().indexOf(view), w.children().indexOf(miss));
    Commit(QStringLiteral(u"あい"));  // a word: both of its characters count

    ASSERT_TRUE(QTest::qWaitFor([&] { return w.state().blnTyping == Flag::False; }));
    EXPECT_TRUE(Control("cmdStart")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), Control("cmdStart"));
    EXPECT_EQ(Caption("lblNokori"), u"4");
    EXPECT_EQ(Caption("lblMondai"), u"aBあい");
    EXPECT_EQ(Control<QListWidget>("lstRireki")->count(), 1);
    EXPECT_FALSE(miss->isVisible());

    // Escape leaves the next countdown, and Start is ready again.
    QTest::keyClick(Control("cmdStart"), Qt::Key_Space);
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_EQ(w.state().blnCountdown, Flag::False);
    EXPECT_EQ(QApplication::focusWidget(), Control("cmdStart"));
}

// Started from the keyboard and typed at full speed, with keys of all kinds thrown at the
// window during the countdown, which must reach nothing but the input box.
TEST_F(PracticeRun, KeyboardRunKeepsTheCountdownsKeysInTheBoxAndCountsEveryFastKey) {
    WriteFile(QStringLiteral(u"drill.txt"), QStringLiteral(u"\"ab\r\ncd\te\U0001F600\"").toUtf8());
    WriteFile(QStringLiteral(u"other.txt"), "xyz");
    // A history that Clear would ask to empty, with a best no run can beat.
    WriteFile(QStringLiteral(u"drill.REC"), "\"24/01/15 10:20:30\",10,0.01,1000,0.001\r\n");
    frmMain& w = OpenWindow(300);
    int boxesOpened = 0;  // closed at once, so that a wrongly opened one cannot hang the test
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) ++boxesOpened, box->close();
    });
    watchdog.start(20);
    auto* list = Control<QListWidget>("filMondai");
    QTest::keyClick(list, Qt::Key_Down);
    Settle();
    ASSERT_EQ(Caption("lblNokori"), u"10");
    EXPECT_EQ(QApplication::focusWidget(), list);  // browsing by keyboard stays in the list
    QTest::keyClick(list, Qt::Key_Return);
    QWidget* box = Control("txtInpKey");
    QTest::keyClicks(box, "ab");  // untimed practice before Start
    ASSERT_EQ(QApplication::focusWidget(), Control("cmdStart"));
    QTest::keyClick(Control("cmdStart"), Qt::Key_Space);
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(Caption("lblNokori"), u"10");

    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_A})
        QTest::keyClick(QApplication::focusWidget(), key);
    ClickItem(*list, 1);
    QTest::keyClick(list, Qt::Key_Down);
    Settle();
    EXPECT_EQ(boxesOpened, 0);
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("drill.txt"));
    EXPECT_EQ(Loads(u"other.txt"), 0);
    EXPECT_EQ(w.state().blnCountdown, Flag::True);  // all of it within the countdown
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.state().blnTyping == Flag::True; }, 5000));
    EXPECT_EQ(w.state().intPos, 1);

    QTest::keyClicks(box, "ab", {}, 1);
    QTest::keyClick(box, Qt::Key_Return, {}, 1);
    QTest::keyClicks(box, "cd", {}, 1);
    QTest::keyClick(box, Qt::Key_Tab, {}, 1);
    QTest::keyClick(box, Qt::Key_E, {}, 1);
    EXPECT_EQ(Caption("lblInpkey"), QStringLiteral(u"\U0001F600").toStdU16String());
    // A key outside the Basic Multilingual Plane, as an X keysym for it sends: a pair.
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QStringLiteral(u"\U0001F600"), {});

    EXPECT_EQ(w.state().blnTyping, Flag::False);
    ASSERT_EQ(Control<QListWidget>("lstRireki")->count(), 2);
    EXPECT_TRUE(
        Control<QListWidget>("lstRireki")->item(1)->text().contains(QStringLiteral(u"  10問")));
    EXPECT_EQ(QApplication::focusWidget(), Control("cmdStart"));
}

// While no assistive technology listens, a whole run asks Qt for no accessible object
// and makes no notification to speak through.
int accessibleQueries = 0;
QAccessibleInterface* CountQuery(const QString&, QObject*) {
    ++accessibleQueries;
    return nullptr;
}

TEST_F(PracticeRun, WithoutAssistiveTechnologyARunDoesNoWorkForIt) {
    WriteFile(QStringLiteral(u"drill.txt"), "ab");
    frmMain& w = OpenWindow(10);
    const auto widgets = w.findChildren<QWidget*>().size();
    ASSERT_FALSE(QAccessible::isActive());
    QAccessible::installFactory(CountQuery);
    QTest::keyClick(Control("filMondai"), Qt::Key_Down);
    Settle();
    QTest::keyClick(Control("cmdStart"), Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.state().blnTyping == Flag::True; }, 5000));
    QTest::keyClicks(Control("txtInpKey"), "ab", {}, 20);  // a run timed as 0.00 s is not scored
    Settle();
    QAccessible::removeFactory(CountQuery);
    EXPECT_EQ(Control<QListWidget>("lstRireki")->count(), 1);
    EXPECT_EQ(accessibleQueries, 0);
    EXPECT_EQ(w.findChildren<QWidget*>().size(), widgets);
}

// The box is seven pixels wide: what the input method composes shows below the next
// character instead, and its candidate window is asked to open there.
TEST_F(WindowEvents, CompositionShowsBelowTheNextCharacterUntilCommitted) {
    WriteFile(QStringLiteral(u"drill.txt"), QStringLiteral(u"今日").toUtf8());
    frmMain& w = OpenWindow();
    ClickItem(*Control<QListWidget>("filMondai"), 0);
    auto* box = Control<InputBox>("txtInpKey");
    box->setFocus();
    CompositionView* view = box->compositionView();
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->isVisible());

    QTextCharFormat converting;
    converting.setBackground(Qt::darkBlue);
    converting.setForeground(Qt::white);
    QInputMethodEvent compose(
        QStringLiteral(u"今日は"),
        {{QInputMethodEvent::TextFormat, 0, 2, converting}, {QInputMethodEvent::Cursor, 2, 1}});
    QCoreApplication::sendEvent(box, &compose);
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->composition(), QStringLiteral(u"今日は"));
    const QRect next = Control("lblInpkey")->geometry().translated(Control("Frame1")->pos());
    EXPECT_GE(view->y(), next.bottom());
    EXPECT_EQ(view->x(), next.x());
    EXPECT_GE(view->width(),
              QFontMetrics(view->font()).horizontalAdvance(QStringLiteral(u"今日は")));

    // Painted: the segment being converted in white on dark blue, the rest dark on white.
    const QImage shown = view->grab().toImage();
    const auto pixels = [&](QRgb rgb) {
        int n = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) n += shown.pixel(x, y) == rgb;
        return n;
    };
    EXPECT_GT(pixels(QColor(Qt::darkBlue).rgb()), 100);
    EXPECT_GT(pixels(QColor(Qt::white).rgb()), 100);

    QInputMethodQueryEvent query(Qt::ImCursorRectangle);
    QCoreApplication::sendEvent(box, &query);
    const QRect cursor =
        query.value(Qt::ImCursorRectangle).toRect().translated(box->mapTo(&w, QPoint()));
    EXPECT_TRUE(view->geometry().contains(cursor.center())) << cursor.x() << "," << cursor.y();
    EXPECT_GT(cursor.x(), view->x() + view->width() / 2);  // after the second of three characters
    EXPECT_EQ(w.state().intPos, 1);

    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral(u"今"));
    QCoreApplication::sendEvent(box, &commit);
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(w.state().intPos, 2);
}

}  // namespace
}  // namespace bellmora::test
