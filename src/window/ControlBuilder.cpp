// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ControlBuilder.h"

#include <algorithm>
#include <vector>

#include <QGroupBox>
#include <QListWidget>

#include "CaptionLabel.h"
#include "DesignFont.h"
#include "FileListBox.h"
#include "FrameBox.h"
#include "InputBox.h"
#include "PictureBox.h"
#include "PictureButton.h"
#include "StartUp.h"

namespace bellmora {

namespace {

QString ToQt(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QColor ToQt(Rgb rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

void ApplyFont(QWidget& widget, const FontDesign& design) {
    if (design.face.empty()) return;  // keeps the window's default font
    QFont font = DesignFont(design.face, design.points);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    widget.setFont(font);
}

void ApplyColours(QWidget& widget, const ControlDesign& design) {
    if (!design.foreColour && !design.backColour) return;
    QPalette palette = widget.palette();
    if (design.foreColour) palette.setColor(QPalette::WindowText, ToQt(*design.foreColour));
    if (design.backColour) {
        palette.setColor(QPalette::Window, ToQt(*design.backColour));
        widget.setAutoFillBackground(true);
    }
    widget.setPalette(palette);
}

QWidget* MakeLabel(const ControlDesign& design, QWidget* parent) {
    auto* label = new CaptionLabel(parent);
    label->setCaption(ToQt(design.caption));
    label->setBorder(design.border);
    label->setCentred(design.align == TextAlign::Centre);
    // A label fills its own background, as a Windows label does, so that a new caption
    // repaints the label alone and not the frames behind it; but not under a frame's
    // caption, which it would cover.
    const auto* frame = qobject_cast<QGroupBox*>(parent);
    if (!frame || frame->title().isEmpty()) label->setAutoFillBackground(true);
    return label;
}

QWidget* MakeButton(const ControlDesign& design, QWidget* parent) {
    auto* button = new PictureButton(parent);
    button->setText(ToQt(design.caption));
    button->setIcon(ButtonIcon(QString::fromUtf8(design.picture)));
    return button;
}

// Frames are opaque: a frame in front hides what lies behind it.
QWidget* MakeFrame(const ControlDesign& design, QWidget* parent) {
    QWidget* frame =
        design.border ? new FrameBox(ToQt(design.caption), parent) : new QWidget(parent);
    frame->setAutoFillBackground(true);
    return frame;
}

QWidget* MakeLine(const ControlDesign& design, QWidget* parent) {
    auto* line = new QWidget(parent);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, ToQt(design.foreColour.value_or(kBlack)));
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    return line;
}

template <class List>
QWidget* MakeList(QWidget* parent) {
    auto* list = new List(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    list->setTextElideMode(Qt::ElideNone);  // a long line is cut off, not shortened
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

QWidget* MakeWidget(const ControlDesign& design, QWidget* parent) {
    switch (design.kind) {
        case ControlKind::Image:
            return new PictureBox(QString::fromUtf8(design.picture), parent);
        case ControlKind::CommandButton:
            return MakeButton(design, parent);
        case ControlKind::Line:
            return MakeLine(design, parent);
        case ControlKind::Frame:
            return MakeFrame(design, parent);
        case ControlKind::Label:
            return MakeLabel(design, parent);
        case ControlKind::TextBox:
            return new InputBox(parent);
        case ControlKind::ListBox:
            return MakeList<ListBox>(parent);
        case ControlKind::FileListBox:
            return MakeList<FileListBox>(parent);
    }
    return nullptr;
}

QWidget* Create(const ControlDesign& design, QWidget* parent) {
    QWidget* widget = MakeWidget(design, parent);
    widget->setObjectName(QString::fromUtf8(design.name));
    const PixelRect r = ToPixels(design.rect);
    // A line is one pixel high whatever its length in twips rounds to.
    widget->setGeometry(r.x, r.y, r.width, design.kind == ControlKind::Line ? 1 : r.height);
    ApplyFont(*widget, design.font);
    if (design.kind != ControlKind::Line) ApplyColours(*widget, design);
    if (!design.toolTip.empty()) widget->setToolTip(ToQt(design.toolTip));
    if (!TakesFocus(design.kind)) widget->setFocusPolicy(Qt::NoFocus);
    // Assistive technology knows a list by its frame's caption, as the eye does.
    const auto* frame = qobject_cast<QGroupBox*>(parent);
    if (frame && qobject_cast<QListWidget*>(widget)) widget->setAccessibleName(frame->title());
    return widget;
}

void LinkTabOrder(std::span<const ControlDesign> designs, const ControlMap& controls) {
    std::vector<const ControlDesign*> focusable;
    for (const ControlDesign& design : designs)
        if (TakesFocus(design.kind)) focusable.push_back(&design);
    std::ranges::sort(focusable, {}, &ControlDesign::tabIndex);
    for (std::size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(controls.find(focusable[i - 1]->name)->second,
                             controls.find(focusable[i]->name)->second);
}

}  // namespace

ControlMap BuildControls(QWidget& window, std::span<const ControlDesign> designs) {
    ControlMap controls;
    for (const ControlDesign& design : designs) {
        QWidget* parent = &window;
        if (!design.container.empty()) parent = controls.find(design.container)->second;
        controls.emplace(std::string(design.name), Create(design, parent));
    }
    LinkTabOrder(designs, controls);
    return controls;
}

}  // namespace bellmora
