// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt controls and services under the logic, without the window.

#include <unistd.h>

#include <chrono>
#include <cstdio>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QImage>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>

#include "CaptionLabel.h"
#include "DesignFont.h"
#include "FontNames.h"
#include "GuiTest.h"
#include "InputBox.h"
#include "PictureButton.h"
#include "QtControls.h"
#include "QtSound.h"
#include "QtSpeech.h"

namespace bellmora::test {
namespace {

using PlatformWidgets = GuiTest;

// A face of the design not installed here is named by its stand-in, which Qt finds at
// once, rather than by a name Qt must search every font for.
TEST_F(PlatformWidgets, DesignFontNamesTheFaceThatStandsInForAMissingOne) {
    const struct {
        std::u16string_view face;
        const char* installed;
    } rows[] = {{kPGothicFace, "IPAPGothic"},
                {kGothicFace, "IPAGothic"},
                {kTimesFace, "Liberation Serif"},
                {u"DejaVu Sans", "DejaVu Sans"}};
    for (const auto& row : rows) {
        const QFont font = DesignFont(row.face, 9);
        EXPECT_EQ(font.families(), QStringList(QLatin1String(row.installed)));
        EXPECT_EQ(font.pointSizeF(), 9);
    }
}

TEST_F(PlatformWidgets, CaptionLabelShowsOnlyWhatFitsItsWidth) {
    CaptionLabel label;
    label.resize(100, 20);
    label.setCaption(QStringLiteral("abc"));
    EXPECT_EQ(label.visiblePart(), QStringLiteral("abc"));

    label.setCaption(QString(32767, u'm'));
    const QString visible = label.visiblePart();
    const QFontMetrics metrics(label.font());
    EXPECT_GT(visible.size(), 1);
    EXPECT_LT(metrics.horizontalAdvance(visible.chopped(1)), 98);  // nothing after the edge
    EXPECT_EQ(label.caption().size(), 32767);

    label.setCaption(QString(2, u'm') + QStringLiteral(u"😀") + QString(200, u'm'));
    EXPECT_FALSE(label.visiblePart().back().isHighSurrogate());
}

struct Ink {
    int pixels = 0;
    double centreX = 0;  // of the inked pixels
};

Ink InkOf(QWidget& widget) {
    const QImage image = widget.grab().toImage();
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 100) {
                ++ink.pixels;
                ink.centreX += x;
            }
    if (ink.pixels) ink.centreX /= ink.pixels;
    return ink;
}

int InkPixels(QWidget& widget) { return InkOf(widget).pixels; }

TEST_F(PlatformWidgets, CaptionLabelDrawsItsCaptionLeftOrCentred) {
    for (const bool centred : {false, true}) {
        CaptionLabel label;
        label.setCentred(centred);
        label.setFont(QFont(QStringLiteral("Times New Roman"), 72, QFont::Bold));
        label.resize(232, 88);
        const int empty = InkPixels(label);
        label.setCaption(QStringLiteral("33"));
        EXPECT_EQ(label.visiblePart(), QStringLiteral("33")) << "centred " << centred;
        EXPECT_GT(InkPixels(label), empty + 100) << "centred " << centred;
        label.setCaption(QStringLiteral(u"吾"));
        const Ink ink = InkOf(label);
        EXPECT_GT(ink.pixels, empty + 100) << "centred " << centred;
        if (centred)
            EXPECT_NEAR(ink.centreX, 116, 10);
        else
            EXPECT_LT(ink.centreX, 80);
    }
}

// While a text is typed, each caption is the rest of the one before, drawn from the same
// layout: it must show exactly what a label given that caption afresh shows.
TEST_F(PlatformWidgets, CaptionLabelShowsTheRestOfATextAsAFreshLabelDoes) {
    QString text;
    while (text.size() < 3000)
        text += QStringLiteral(u"吾輩は猫である。名前はまだ無い。 iii mmm 😀 ");
    CaptionLabel typed;
    typed.resize(489, 36);
    for (int i = 0; i < 600; i += 1 + (text.at(i).isHighSurrogate() ? 1 : 0)) {
        typed.setCaption(text.mid(i));
        CaptionLabel fresh;
        fresh.resize(489, 36);
        fresh.setCaption(text.mid(i));
        ASSERT_EQ(typed.visiblePart(), fresh.visiblePart()) << "after " << i << " characters";
    }
}

// A quoted item may hold line ends, which must be typed: each shows as one mark.
TEST_F(PlatformWidgets, CaptionLabelShowsEachLineEndAsAMark) {
    const auto image = [](const QString& caption) {
        CaptionLabel label;
        label.resize(200, 36);
        label.setCaption(caption);
        return label.grab().toImage();
    };
    const QImage marked = image(QStringLiteral(u"ab↵c↵d↵e"));
    EXPECT_EQ(image(QStringLiteral("ab\r\nc\nd\re")), marked);
    EXPECT_NE(image(QStringLiteral("ab c d e")), marked);
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
    InputBox box_;
    QListWidget history_;
    QtControls controls_{[this] {
        QtControlSet set;
        set.txtInpKey = &box_;
        set.lstRireki = &history_;
        return set;
    }()};
};

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

// A reader speaks a notification as it appears: past the ring's eight notices, a reused one
// must appear again with its new name, or the typist hears nothing more.
TEST_F(PlatformWidgets, SpeechShowsEveryAnnouncementPastItsEightNotices) {
    static QStringList shown;
    QWidget window;
    window.show();
    QtSpeech speech(&window);
    QPlatformAccessibility* bridge = QGuiApplicationPrivate::platformIntegration()->accessibility();
    ASSERT_NE(bridge, nullptr);
    bridge->setActive(true);  // as when a screen reader listens
    const auto saved = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (event->type() == QAccessible::Announcement)
            shown << static_cast<QAccessibleAnnouncementEvent*>(event)->message();
#endif
        QAccessibleInterface* shownOne = QAccessible::queryAccessibleInterface(event->object());
        if (event->type() == QAccessible::ObjectShow && shownOne &&
            shownOne->role() == QAccessible::Notification)  // not the status bar they sit in
            shown << shownOne->text(QAccessible::Name);
    });
    QStringList said;
    for (int i = 1; i <= 20; ++i) {
        speech.Announce(said.emplace_back(QString::number(i)).toStdU16String());
        speech.Flush();
    }
    QAccessible::installUpdateHandler(saved);
    bridge->setActive(false);
    EXPECT_EQ(shown, said);
}

}  // namespace
}  // namespace bellmora::test
