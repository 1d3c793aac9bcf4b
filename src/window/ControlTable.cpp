// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ControlTable.h"

#include <array>

#include "FontNames.h"

namespace bellmora {

namespace {

using K = ControlKind;

constexpr Rgb kNavy{0, 0, 128};
constexpr Rgb kTeal{0, 128, 128};
constexpr Rgb kMaroon{128, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kLightYellow{255, 255, 192};
constexpr Rgb kLightGreen{192, 255, 192};

constexpr FontDesign kFrameFont{kPGothicFace, 11.25};
constexpr FontDesign kSummaryFont{kPGothicFace, 11.25};
constexpr FontDesign kLastRunHeadingFont{kPGothicFace, 14.25};
constexpr FontDesign kLastRunValueFont{kPGothicFace, 18};

// One row of the design table: Row(kind, name, container, rect) followed by the
// properties that differ from the defaults.
class Row {
public:
    constexpr Row(ControlKind kind, std::string_view name, std::string_view container,
                  TwipsRect rect) {
        s_.kind = kind;
        s_.name = name;
        s_.container = container;
        s_.rect = rect;
    }
    constexpr Row& Caption(std::u16string_view v) { return s_.caption = v, *this; }
    constexpr Row& Font(FontDesign v) { return s_.font = v, *this; }
    constexpr Row& Fore(Rgb v) { return s_.foreColour = v, *this; }
    constexpr Row& Back(Rgb v) { return s_.backColour = v, *this; }
    constexpr Row& Border() { return s_.border = true, *this; }
    constexpr Row& Centred() { return s_.align = TextAlign::Centre, *this; }
    constexpr Row& ToolTip(std::u16string_view v) { return s_.toolTip = v, *this; }
    constexpr Row& Picture(std::string_view v) { return s_.picture = v, *this; }
    constexpr Row& Tab(int v) { return s_.tabIndex = v, *this; }
    constexpr operator ControlDesign() const { return s_; }

private:
    ControlDesign s_;
};

constexpr std::string_view kWindowItself;

// Summary table inside Frame1: heading and value of each row.
constexpr ControlDesign SummaryHeading(std::string_view name, int top, std::u16string_view caption,
                                       int tab) {
    return Row(K::Label, name, "Frame1", {5400, top, 1755, 315})
        .Caption(caption)
        .Font(kSummaryFont)
        .Fore(kNavy)
        .Back(kLightYellow)
        .Border()
        .Tab(tab);
}

constexpr ControlDesign SummaryValue(std::string_view name, int top, int tab) {
    return Row(K::Label, name, "Frame1", {7155, top, 1890, 315})
        .Font(kSummaryFont)
        .Fore(kNavy)
        .Back(kLightYellow)
        .Border()
        .Tab(tab);
}

// Last-run panel Frame2: heading and value of each row.
constexpr ControlDesign LastRunHeading(std::string_view name, int top, std::u16string_view caption,
                                       int tab) {
    return Row(K::Label, name, "Frame2", {90, top, 2475, 450})
        .Caption(caption)
        .Font(kLastRunHeadingFont)
        .Fore(kNavy)
        .Back(kLightGreen)
        .Border()
        .Tab(tab);
}

constexpr ControlDesign LastRunValue(std::string_view name, int top, std::u16string_view caption,
                                     int tab) {
    return Row(K::Label, name, "Frame2", {2610, top, 1095, 465})
        .Caption(caption)
        .Font(kLastRunValueFont)
        .Fore(kNavy)
        .Back(kLightGreen)
        .Border()
        .Tab(tab);
}

constexpr ControlDesign PictureButton(std::string_view name, int left, std::u16string_view caption,
                                      std::string_view picture, std::u16string_view toolTip,
                                      int tab) {
    return Row(K::CommandButton, name, kWindowItself, {left, 150, 840, 915})
        .Caption(caption)
        .Picture(picture)
        .ToolTip(toolTip)
        .Tab(tab);
}

constexpr ControlDesign TrafficLight(std::string_view name, std::string_view picture) {
    return Row(K::Image, name, "Frame1", {585, 225, 480, 480}).Picture(picture);
}

constexpr ControlDesign Frame(std::string_view name, std::string_view container, TwipsRect rect,
                              std::u16string_view caption, int tab) {
    return Row(K::Frame, name, container, rect).Caption(caption).Font(kFrameFont).Border().Tab(tab);
}

const std::array<ControlDesign, 37> kControls{
    // The window: banner and separator behind everything, then the frames and buttons.
    Row(K::Image, "Image1", kWindowItself, {225, 150, 5220, 1050}).Picture("banner"),
    Row(K::Line, "Line1(0)", kWindowItself, {100, 1275, 9200, 15}).Fore(kBlack),
    Row(K::Line, "Line1(1)", kWindowItself, {100, 1290, 9200, 15}).Fore(kWhite),
    Row(K::Frame, "Frame1", kWindowItself, {135, 1395, 9165, 2670}).Border().Tab(4),
    Frame("fraMondai", kWindowItself, {150, 4140, 2535, 2490}, u"出題リスト", 7),
    Frame("Frame3", kWindowItself, {2790, 4140, 6540, 2490},
          u"履歴\u3000プレイ日時 "
          u"\u3000問題数\u3000\u3000時間\u3000\u3000秒当タイプ数\u3000キー当秒数\u3000",
          9),
    Frame("Frame4", kWindowItself, {1755, 1575, 3660, 1680}, u"残り文字数", 28),
    PictureButton("cmdStart", 6000, u"スタート", "start", u"タイプを開始します", 0),
    PictureButton("cmdClear", 6825, u"クリア", "clear", u"履歴データをクリアします", 1),
    PictureButton("cmdHelp", 7650, u"ヘルプ", "help", u"ヘルプファイルを開きます", 2),
    PictureButton("cmdEnd", 8475, u"終了", "end", u"プログラムを終了します", 3),

    // Practice panel: the green light lies in front of the other two.
    TrafficLight("imgStart(1)", "light-red"),
    TrafficLight("imgStart(2)", "light-yellow"),
    TrafficLight("imgStart(3)", "light-green"),
    Row(K::Label, "lblInpkey", "Frame1", {150, 765, 1365, 1740})
        .Font({kTimesFace, 72, true})
        .Fore(kTeal)
        .Border()
        .Centred()
        .Tab(6),
    Row(K::Label, "lblMondai", "Frame1", {1590, 1980, 7335, 540})
        .Font({kTimesFace, 20.25, true})
        .Border()
        .ToolTip(u"クリックで表示／非表示を切り替えます")
        .Tab(5),
    Row(K::TextBox, "txtInpKey", "Frame1", {8910, 1980, 105, 530})
        .Font({kPGothicFace, 8.25})
        .Tab(30),
    Row(K::Frame, "Frame2", "Frame1", {1575, 180, 3750, 1770}).Tab(11),  // no outline
    SummaryHeading("lblMidashi(0)", 270, u" トータル回数", 17),
    SummaryValue("lblToKaisu", 270, 14),
    SummaryHeading("lblMidashi(1)", 585, u" トータルタイプ数", 18),
    SummaryValue("lblToMoji", 585, 12),
    SummaryHeading("lblMidashi(2)", 900, u" トータル時間", 19),
    SummaryValue("lblToJikan", 900, 13),
    SummaryHeading("lblMidashi(3)", 1215, u" 最速タイプ数", 20),
    SummaryValue("lblMaxByou", 1215, 15),
    SummaryHeading("lblMidashi(4)", 1530, u" 最速時間", 21),
    SummaryValue("lblMinByou", 1530, 16),

    // Last-run panel, hidden behind Frame4.
    LastRunHeading("lblMidashi(5)", 135, u"終了までの秒数", 25),
    LastRunValue("lblDjikan", 135, u"15", 22),
    LastRunHeading("lblMidashi(6)", 675, u"１秒当たりタイプ数", 26),
    LastRunValue("lblDbyou", 675, u"15", 23),
    LastRunHeading("lblMidashi(7)", 1215, u"１タイプ当たり秒数", 27),
    LastRunValue("lblDbyou2", 1215, u"100.0%", 24),

    // Remaining characters, problem list and history.
    Row(K::Label, "lblNokori", "Frame4", {90, 180, 3480, 1320})
        .Font({kTimesFace, 65.25, true, true})
        .Fore(kMaroon)
        .Centred()
        .Tab(29),
    Row(K::FileListBox, "filMondai", "fraMondai", {135, 270, 2280, 2115})
        .Font(kFrameFont)
        .ToolTip(u"クリックで問題を選択して下さい")
        .Tab(8),
    Row(K::ListBox, "lstRireki", "Frame3", {135, 270, 6285, 2010})
        .Font({kGothicFace, 9.75})
        .Tab(10),
};

constexpr WindowDesign kWindow{u"Bellmora", 9465, 6780, "icon"};

int RoundTwips(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

}  // namespace

PixelRect ToPixels(TwipsRect twips) {
    const int x = RoundTwips(twips.left);
    const int y = RoundTwips(twips.top);
    return {x, y, RoundTwips(twips.left + twips.width) - x,
            RoundTwips(twips.top + twips.height) - y};
}

const WindowDesign& MainWindowDesign() { return kWindow; }

std::span<const ControlDesign> MainWindowControls() { return kControls; }

bool TakesFocus(ControlKind kind) {
    return kind == K::CommandButton || kind == K::TextBox || kind == K::ListBox ||
           kind == K::FileListBox;
}

}  // namespace bellmora
