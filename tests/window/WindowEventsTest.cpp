// The window's events reaching the logic: the problem text's colour, a full-length
// problem, ending the program, and one whole practice run typed at the keyboard.

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include "CaptionLabel.h"
#include "GuiTest.h"

namespace bellmora::test {
namespace {

using WindowEvents = GuiTest;

QColor TextColour(QWidget* label) {
    return label->palette().color(QPalette::WindowText);
}

TEST_F(WindowEvents, EachClickOnTheProblemTextSwitchesItsColour) {
    OpenWindow();
    QWidget* text = Control("lblMondai");
    const QColor expected[] = {QColor(192, 192, 192), Qt::black, QColor(192, 192, 192)};
    for (const QColor& colour : expected) {
        QTest::mouseClick(text, Qt::LeftButton);
        EXPECT_EQ(TextColour(text), colour);
    }
}

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
// uncommitted composition on the way, neither of which advances.
class PracticeRun : public GuiTest {
protected:
    void WaitForStep(int remaining, char16_t next) {
        EXPECT_TRUE(QTest::qWaitFor([&] {
            const WindowState& st = window().state();
            return Caption("lblNokori") == IntegerText(remaining) &&
                   st.stepPhase == StepPhase::Waiting && st.strInpKey == std::u16string(1, next);
        })) << "remaining " << remaining;
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

    WaitForStep(4, u'a');
    QTest::keyClick(box, 'x');  // wrong: dropped
    QTest::qWait(50);
    WaitForStep(4, u'a');
    QTest::keyClick(box, 'a');
    WaitForStep(3, u'B');
    QTest::keyClick(box, 'B');
    WaitForStep(2, u'あ');
    Compose(QStringLiteral(u"あ"));  // still composing: no change of the box
    QTest::qWait(50);
    WaitForStep(2, u'あ');
    Commit(QStringLiteral(u"あ"));
    WaitForStep(1, u'い');
    Commit(QStringLiteral(u"い"));

    ASSERT_TRUE(QTest::qWaitFor([&] { return w.state().blnTyping == Flag::False; }));
    EXPECT_TRUE(Control("cmdStart")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), Control("cmdStart"));
    EXPECT_EQ(Caption("lblNokori"), u"4");
    EXPECT_EQ(Caption("lblMondai"), u"aBあい");
    EXPECT_EQ(Control<QLineEdit>("txtInpKey")->text(), QString());
    EXPECT_EQ(Control<QListWidget>("lstRireki")->count(), 1);
}

}  // namespace
}  // namespace bellmora::test
