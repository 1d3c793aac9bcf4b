// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window as it stands after start-up: size, places, stacking, captions, fonts,
// colours and the keyboard focus.

#include <cstdlib>

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include "CaptionLabel.h"
#include "GuiTest.h"

namespace bellmora::test {
namespace {

using WindowLayout = GuiTest;

TEST_F(WindowLayout, ClientAreaIs631By452AndCannotBeResizedOrMaximised) {
    frmMain& w = OpenWindow();
    EXPECT_EQ(w.size(), QSize(631, 452));
    EXPECT_EQ(w.minimumSize(), QSize(631, 452));
    EXPECT_EQ(w.maximumSize(), QSize(631, 452));
    w.resize(800, 600);
    EXPECT_EQ(w.size(), QSize(631, 452));
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Bellmora"));
    EXPECT_FALSE(w.windowIcon().isNull());
    // Centred on the screen, give or take the window frame's few pixels.
    const QPoint offCentre = w.geometry().center() - w.screen()->availableGeometry().center();
    EXPECT_LE(std::abs(offCentre.x()), 3);
    EXPECT_LE(std::abs(offCentre.y()), 3);
}

struct Place {
    const char* name;
    QRect pixels;  // in the container
};

// Twips ÷ 15, with the edges rounded where a figure is not a whole pixel.
const Place kPlaces[] = {
    {"Image1", {15, 10, 348, 70}},       {"cmdStart", {400, 10, 56, 61}},
    {"cmdEnd", {565, 10, 56, 61}},       {"Line1(0)", {7, 85, 613, 1}},
    {"Line1(1)", {7, 86, 613, 1}},       {"Frame1", {9, 93, 611, 178}},
    {"imgStart(3)", {39, 15, 32, 32}},   {"lblInpkey", {10, 51, 91, 116}},
    {"lblMondai", {106, 132, 489, 36}},  {"txtInpKey", {594, 132, 7, 35}},
    {"Frame2", {105, 12, 250, 118}},     {"lblDbyou2", {174, 81, 73, 31}},
    {"lblMinByou", {477, 102, 126, 21}}, {"Frame4", {117, 105, 244, 112}},
    {"lblNokori", {6, -8, 232, 88}},  // lifted clear of the reading guide
    {"fraMondai", {10, 276, 169, 166}},  {"filMondai", {9, 18, 152, 141}},
    {"Frame3", {186, 276, 436, 166}},    {"lstRireki", {9, 18, 419, 134}},
};

TEST_F(WindowLayout, ControlsStandWhereTheDesignPutsThem) {
    OpenWindow();
    for (const Place& place : kPlaces) {
        QWidget* control = Control(place.name);
        if (!control) continue;
        EXPECT_EQ(control->geometry(), place.pixels) << place.name;
    }
}

struct Look {
    const char* name;
    std::u16string caption;
    const char* family;
    double points;
    bool bold;
    QColor text;
};

const QColor kNavy(0, 0, 128);

const Look kLooks[] = {
    {"lblMidashi(0)", u" トータル回数", "IPAPGothic", 11.25, false, kNavy},
    {"lblMidashi(1)", u" トータルタイプ数", "IPAPGothic", 11.25, false, kNavy},
    {"lblMidashi(4)", u" 最速時間", "IPAPGothic", 11.25, false, kNavy},
    {"lblMidashi(5)", u"終了までの秒数", "IPAPGothic", 14.25, false, kNavy},
    {"lblMidashi(6)", u"１秒当たりタイプ数", "IPAPGothic", 14.25, false, kNavy},
    {"lblMidashi(7)", u"１タイプ当たり秒数", "IPAPGothic", 14.25, false, kNavy},
    {"lblInpkey", u"", "Liberation Serif", 72, true, QColor(0, 128, 128)},
    {"lblMondai", u"", "Liberation Serif", 20.25, true, Qt::black},
    {"lblNokori", u"", "Liberation Serif", 65.25, true, QColor(128, 0, 0)},
};

TEST_F(WindowLayout, LabelsHaveTheirCaptionsFontsAndColours) {
    OpenWindow();
    for (const Look& look : kLooks) {
        auto* label = Control<CaptionLabel>(look.name);
        if (!label) continue;
        EXPECT_EQ(label->caption().toStdU16String(), look.caption) << look.name;
        EXPECT_EQ(QFontInfo(label->font()).family(), QString::fromUtf8(look.family)) << look.name;
        EXPECT_EQ(label->font().pointSizeF(), look.points) << look.name;
        EXPECT_EQ(label->font().bold(), look.bold) << look.name;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), look.text) << look.name;
    }
    EXPECT_TRUE(Control("lblNokori")->font().italic());
    EXPECT_EQ(QFontInfo(Control("lstRireki")->font()).family(), QStringLiteral("IPAGothic"));
    EXPECT_EQ(Control<QGroupBox>("Frame3")->title(),
              QStringLiteral(u"履歴\u3000プレイ日時 \u3000問題数\u3000\u3000時間\u3000\u3000"
                             u"秒当タイプ数\u3000キー当秒数\u3000"));
    EXPECT_EQ(Control<QGroupBox>("Frame4")->title(), QStringLiteral(u"残り文字数"));
    EXPECT_EQ(Control("lblMondai")->toolTip(),
              QStringLiteral(u"クリックで表示／非表示を切り替えます"));
}

struct Button {
    const char* name;
    QString caption;
    QString toolTip;
};

const Button kButtons[] = {
    {"cmdStart", QStringLiteral(u"スタート"), QStringLiteral(u"タイプを開始します")},
    {"cmdClear", QStringLiteral(u"クリア"), QStringLiteral(u"履歴データをクリアします")},
    {"cmdHelp", QStringLiteral(u"ヘルプ"), QStringLiteral(u"ヘルプファイルを開きます")},
    {"cmdEnd", QStringLiteral(u"終了"), QStringLiteral(u"プログラムを終了します")},
};

TEST_F(WindowLayout, ButtonsShowTheirPictureAboveTheCaptionAndExplainThemselves) {
    OpenWindow();
    for (const Button& button : kButtons) {
        auto* control = Control<QToolButton>(button.name);
        if (!control) continue;
        EXPECT_EQ(control->text(), button.caption) << button.name;
        EXPECT_EQ(control->toolTip(), button.toolTip) << button.name;
        EXPECT_EQ(control->toolButtonStyle(), Qt::ToolButtonTextUnderIcon) << button.name;
        EXPECT_FALSE(control->icon().isNull()) << button.name;
    }
}

TEST_F(WindowLayout, QtsOwnTextsReadInJapanese) {
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral(u"キャンセル"));
    QLineEdit edit;
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList items;
    for (const QAction* action : menu->actions()) items.append(action->text());
    EXPECT_TRUE(items.join(' ').contains(QStringLiteral(u"元に戻す")))
        << items.join(' ').toStdString();
}

TEST_F(WindowLayout, RemainingCountPanelHidesTheLastRunPanel) {
    OpenWindow();
    QWidget* frame4 = Control("Frame4");
    const QRect cover(frame4->mapTo(&window(), QPoint(0, 0)), frame4->size());
    for (const char* name : {"lblMidashi(5)", "lblDjikan", "lblMidashi(6)", "lblDbyou",
                             "lblMidashi(7)", "lblDbyou2"}) {
        QWidget* label = Control(name);
        EXPECT_TRUE(cover.contains(QRect(label->mapTo(&window(), QPoint(0, 0)), label->size())))
            << name;
    }
    // Not one pixel of the panel's light green reaches the screen; the summary's yellow does.
    const QImage shot = window().grab().toImage();
    int green = 0;
    int yellow = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            green += c == QColor(192, 255, 192);
            yellow += c == QColor(255, 255, 192);
        }
    }
    EXPECT_EQ(green, 0);
    EXPECT_GT(yellow, 0);
}

TEST_F(WindowLayout, GreenLightStandsInFrontAtStart) {
    OpenWindow();
    const QObjectList backToFront = Control("Frame1")->children();
    const auto depth = [&](const char* name) { return backToFront.indexOf(Control(name)); };
    EXPECT_LT(depth("imgStart(1)"), depth("imgStart(2)"));
    EXPECT_LT(depth("imgStart(2)"), depth("imgStart(3)"));
    for (const char* light : {"imgStart(1)", "imgStart(2)", "imgStart(3)"})
        EXPECT_TRUE(Control(light)->isVisible()) << light;
}

TEST_F(WindowLayout, StartUpEmptiesTheLastRunFiguresAndFocusesTheProblemList) {
    OpenWindow();
    EXPECT_EQ(Caption("lblDjikan"), u"");
    EXPECT_EQ(Caption("lblDbyou"), u"");
    EXPECT_EQ(Caption("lblDbyou2"), u"");
    EXPECT_EQ(QApplication::focusWidget(), Control("filMondai"));
    EXPECT_EQ(window().state().strMondai, u" ");
    EXPECT_EQ(window().state().intPos, 1);
}

// The input box, which has nothing to take outside a run, is passed over then.
TEST_F(WindowLayout, OutsideARun_TabVisitsTheFocusableControlsButTheInputBox) {
    OpenWindow();
    Control("cmdStart")->setFocus();
    std::vector<QString> visited;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(visited, (std::vector<QString>{"cmdClear", "cmdHelp", "cmdEnd", "filMondai",
                                             "lstRireki", "cmdStart"}));
}

}  // namespace
}  // namespace bellmora::test
