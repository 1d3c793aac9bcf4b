// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window on a high-resolution screen (QT_SCALE_FACTOR, one scale per run of this
// program): it keeps its proportions, no caption is wider than its control, the labels'
// borders are whole, and the large next character and remaining count stay centred.

#include <cmath>

#include <QBackingStore>
#include <QFile>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QListWidget>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QToolButton>

#include "CaptionLabel.h"
#include "GuiTest.h"
#include "Pictures.h"

namespace bellmora::test {
namespace {

// Offscreen, set before the application starts (ctest gives each test one variable).
const bool kOffscreen = qputenv("QT_QPA_PLATFORM", "offscreen");

using Scale = GuiTest;

double Width(const QWidget& control, const QString& text) {
    return QFontMetricsF(control.font(), &control).horizontalAdvance(text);
}

// The width of the ink of a text: a large glyph's bearings may reach past the label.
double InkWidth(const QWidget& control, const QString& text) {
    return QFontMetricsF(control.font(), &control).tightBoundingRect(text).width();
}

// Blanks at the end of a caption cannot be seen cut off.
QString WithoutTrailingBlanks(QString text) {
    while (!text.isEmpty() && text.back().isSpace()) text.chop(1);
    return text;
}

// The horizontal centre of the dark pixels inside a label's border, in its coordinates.
double InkCentre(QWidget& label) {
    const QImage image = label.grab().toImage();
    const double ratio = image.devicePixelRatio();
    const int inset = int(std::ceil(3 * ratio));
    double sum = 0;
    int count = 0;
    for (int y = inset; y < image.height() - inset; ++y)
        for (int x = inset; x < image.width() - inset; ++x)
            if (qGray(image.pixel(x, y)) < 128) sum += x, ++count;
    return count ? sum / count / ratio : -1;
}

// Whether each edge of a rectangle (window coordinates) of the window's picture is drawn:
// some device-pixel row or column in its outermost pixel is dark from end to end.
bool HasWholeBorder(const QImage& window, const QRectF& r) {
    const double s = window.devicePixelRatio();
    const int left = int(std::ceil(r.left() * s)), right = int(std::ceil(r.right() * s)) - 1;
    const int top = int(std::ceil(r.top() * s)), bottom = int(std::ceil(r.bottom() * s)) - 1;
    const int band = int(std::ceil(s));
    const auto dark = [&](int x, int y) { return qGray(window.pixel(x, y)) < 100; };
    const auto row = [&](int y) {
        for (int x = left + band; x <= right - band; ++x)
            if (!dark(x, y)) return false;
        return true;
    };
    const auto column = [&](int x) {
        for (int y = top + band; y <= bottom - band; ++y)
            if (!dark(x, y)) return false;
        return true;
    };
    const auto any = [&](int from, int step, auto line) {
        for (int i = 0; i < band; ++i)
            if (line(from + i * step)) return true;
        return false;
    };
    return any(top, 1, row) && any(bottom, -1, row) && any(left, 1, column) &&
           any(right, -1, column);
}

TEST_F(Scale, CaptionsFitBordersAreWholeAndTheLargeFiguresStayCentred) {
    ASSERT_TRUE(qEnvironmentVariableIsSet("QT_SCALE_FACTOR"));
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    // The figures of a keen typist's long practice.
    WriteFile("drill.txt", QString(1234, u'あ').toUtf8());
    QByteArray runs;
    for (int i = 0; i < 120; ++i) runs += "\"24/01/15 10:20:30\",333,300,1.11,0.901\r\n";
    WriteFile("drill.REC", runs);
    frmMain& w = OpenWindow();
    ClickItem(*Control<QListWidget>("filMondai"), 0);
    ASSERT_EQ(Caption("lblNokori"), u"1234");
    ASSERT_EQ(Caption("lblToJikan"), u" 10時間 0分 0秒");

    EXPECT_DOUBLE_EQ(w.devicePixelRatioF(), scale);
    EXPECT_EQ(w.size(), QSize(631, 452));  // in device pixels: 631 x 452 times the scale

    for (CaptionLabel* label : w.findChildren<CaptionLabel*>()) {
        const QString& name = label->objectName();
        if (name == QLatin1String("lblMondai"))
            continue;  // one line of a long text: cut off by design
        const bool centred =
            name == QLatin1String("lblInpkey") || name == QLatin1String("lblNokori");
        const QString text = WithoutTrailingBlanks(label->caption());
        const double room = label->width() - 4;  // border and margin
        EXPECT_LE(centred ? InkWidth(*label, text) : Width(*label, text), room)
            << name.toStdString();
    }
    for (QToolButton* button : w.findChildren<QToolButton*>())
        EXPECT_LE(Width(*button, button->text()), button->width() - 4)
            << button->objectName().toStdString();
    for (QGroupBox* frame : w.findChildren<QGroupBox*>()) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const int left =
            frame->style()
                ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame)
                .left();
        EXPECT_LE(left + Width(*frame, WithoutTrailingBlanks(frame->title())), frame->width())
            << frame->objectName().toStdString();
    }

    // What the window shows after the labels' own repaints, in device pixels; a fresh
    // picture of the whole window would hide a line lost between two controls' repaints.
    QTest::qWait(50);
    QPaintDevice* shown = w.backingStore()->paintDevice();
    ASSERT_EQ(shown->devType(), QInternal::Image);
    QImage picture = static_cast<QImage*>(shown)->copy();
    picture.setDevicePixelRatio(scale);
    for (const char* name :
         {"lblInpkey", "lblMidashi(0)", "lblToKaisu", "lblMidashi(4)", "lblMinByou"}) {
        QWidget* label = Control(name);
        EXPECT_TRUE(HasWholeBorder(picture, QRectF(label->mapTo(&w, QPoint(0, 0)), label->size())))
            << name;
    }

    // Centred by their advance: the italic count's ink leans a few pixels right of it.
    for (const char* name : {"lblInpkey", "lblNokori"}) {
        QWidget* label = Control(name);
        EXPECT_NEAR(InkCentre(*label), label->width() / 2.0, label->width() * 0.04) << name;
    }
}

// The pictures come from their drawings for this scale, and the first paint opens no
// image-format plugin and not Qt's SVG module: that cost each start time and memory.
TEST_F(Scale, PicturesAreReadWithoutImagePlugins) {
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    frmMain& w = OpenWindow();
    w.grab();
    const QImage banner = Picture(QStringLiteral("banner"), scale);
    EXPECT_EQ(banner.size(), QSize(int(std::ceil(348 * scale)), int(std::ceil(70 * scale))));
    EXPECT_DOUBLE_EQ(banner.devicePixelRatio(), scale);
    QFile maps(QStringLiteral("/proc/self/maps"));
    ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
    const QByteArray mapped = maps.readAll();
    EXPECT_FALSE(mapped.contains("/imageformats/"));
    EXPECT_FALSE(mapped.contains("libQt6Svg"));
    // A scale drawn for no screen is drawn from the SVG, whole.
    const QImage odd = Picture(QStringLiteral("start"), 1.1);
    EXPECT_EQ(odd.size(), QSize(36, 36));
    EXPECT_GT(qAlpha(odd.pixel(18, 18)), 0);
}

}  // namespace
}  // namespace bellmora::test
