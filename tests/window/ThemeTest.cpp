// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's colours under any desktop theme: every text stays as readable as the
// design made it, and hidden problem text cannot be read.

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cmath>
#include <map>

#include "CaptionLabel.h"
#include "GuiTest.h"

namespace bellmora::test {
namespace {

// A dark desktop theme, as GTK's Adwaita dark hands it to Qt.
QPalette DarkDesktop() {
    QPalette dark(QColor(53, 53, 53), QColor(53, 53, 53));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(238, 238, 236));
    dark.setColor(QPalette::Base, QColor(45, 45, 45));
    dark.setColor(QPalette::Highlight, QColor(21, 83, 158));
    return dark;
}

double Luminance(QRgb c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double Contrast(QRgb a, QRgb b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of the text drawn in an area: between its commonest colour, the background,
// and the colour that stands out most from it, the core of the glyphs (their edges are
// blends of the two).
double TextContrast(const QImage& image, const QRect& area) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y) | 0xff000000];
    QRgb background = 0;
    int most = 0;
    for (const auto& [colour, count] : counts)
        if (count > most) std::tie(background, most) = std::pair(colour, count);
    double best = 1;
    for (const auto& entry : counts) best = std::max(best, Contrast(background, entry.first));
    return best;
}

struct Text {
    QString where;
    QWidget* widget;
    QRect area;  // in the widget
    bool large;  // 14 pt bold or 18 pt and more: 3 : 1 is enough
};

void ExpectReadable(const Text& text) {
    const QImage image = text.widget->grab().toImage();
    const QRect area = text.area.intersected(QRect(QPoint(0, 0), text.widget->size()));
    const double needed = text.large ? 3.0 : 4.5;
    EXPECT_GE(TextContrast(image, area), needed) << text.where.toStdString();
}

bool IsLarge(const QFont& font) {
    return font.pointSizeF() >= 18 || (font.pointSizeF() >= 14 && font.bold());
}

class Theme : public GuiTest {
protected:
    void TearDown() override {
        GuiTest::TearDown();
        QApplication::setPalette(QPalette());  // the desktop's own again
    }
};

TEST_F(Theme, EveryTextKeepsTheDesignsContrastUnderADarkDesktop) {
    QApplication::setPalette(DarkDesktop());
    WriteFile("drill.txt", "abc def");
    WriteFile("drill.REC", "\"24/01/15 10:20:30\",7,5.25,1.333,0.75\r\n");
    WriteFile("other.txt", "xyz");
    OpenWindow();

    // A message box of the window: Start with no problem chosen.
    QTimer::singleShot(300, [] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(qobject_cast<QMessageBox*>(box), nullptr);
        auto* message = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(message, nullptr);
        ExpectReadable({QStringLiteral("message box text"), message, message->rect(), false});
        for (QPushButton* button : box->findChildren<QPushButton*>())
            ExpectReadable({"message box button " + button->text(), button,
                            button->rect().adjusted(3, 3, -3, -3), false});
        box->close();
    });
    QTest::mouseClick(Control("cmdStart"), Qt::LeftButton);  // returns once the box is closed

    ClickItem(*Control<QListWidget>("filMondai"), 0);
    ASSERT_EQ(Caption("lblMondai"), u"abc def");
    std::vector<Text> texts;
    for (CaptionLabel* label : window().findChildren<CaptionLabel*>())
        if (!label->caption().trimmed().isEmpty())
            texts.push_back({label->objectName(), label, label->rect().adjusted(2, 2, -2, -2),
                             IsLarge(label->font())});
    for (QToolButton* button : window().findChildren<QToolButton*>()) {
        const int captionTop = button->iconSize().height() + 4;
        texts.push_back(
            {button->objectName(), button,
             QRect(3, captionTop, button->width() - 6, button->height() - captionTop - 3), false});
    }
    for (QGroupBox* frame : window().findChildren<QGroupBox*>())
        if (!frame->title().isEmpty())
            texts.push_back({frame->objectName(), frame,
                             QRect(0, 0, frame->width(), frame->fontMetrics().height()), false});
    for (QListWidget* list : window().findChildren<QListWidget*>())
        for (int row = 0; row < list->count(); ++row)
            texts.push_back({list->objectName() + " " + list->item(row)->text(), list->viewport(),
                             list->visualItemRect(list->item(row)), false});
    ASSERT_GE(texts.size(), 26u);
    for (const Text& text : texts) ExpectReadable(text);
}

class HiddenText : public Theme, public ::testing::WithParamInterface<bool> {};

TEST_P(HiddenText, IsDrawnInTheColourOfItsBackgroundAndShowsAgainInBlack) {
    if (GetParam()) QApplication::setPalette(DarkDesktop());
    WriteFile("drill.txt", "WWWWWWWWWW WWWWWWWWWW");
    OpenWindow();
    ClickItem(*Control<QListWidget>("filMondai"), 0);
    QWidget* text = Control("lblMondai");
    const QRect inside = text->rect().adjusted(2, 2, -2, -2);
    const auto pixelsOf = [&] {
        const QImage image = text->grab().toImage();
        std::map<QRgb, int> counts;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x) ++counts[image.pixel(x, y)];
        return counts;
    };
    const QRgb background = text->palette().color(text->backgroundRole()).rgb();

    QTest::mouseClick(text, Qt::LeftButton);
    EXPECT_EQ(pixelsOf(), (std::map<QRgb, int>{{background, inside.width() * inside.height()}}));
    QTest::mouseClick(text, Qt::LeftButton);
    EXPECT_GT(pixelsOf()[qRgb(0, 0, 0)], 100);
    QTest::mouseClick(text, Qt::LeftButton);
    EXPECT_EQ(pixelsOf().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(LightAndDarkDesktops, HiddenText, ::testing::Bool());

}  // namespace
}  // namespace bellmora::test
