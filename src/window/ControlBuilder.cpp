#include "ControlBuilder.h"

#include <algorithm>
#include <vector>

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>

#include "CaptionLabel.h"
#include "FileListBox.h"
#include "PictureBox.h"
#include "PictureButton.h"

namespace bellmora {

namespace {

QString ToQt(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QColor ToQt(Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

void ApplyFont(QWidget& widget, const FontSpec& spec) {
    if (spec.face.empty()) return;  // keeps the window's default font
    QFont font(ToQt(spec.face));
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    widget.setFont(font);
}

void ApplyColours(QWidget& widget, const ControlSpec& spec) {
    if (!spec.foreColour && !spec.backColour) return;
    QPalette palette = widget.palette();
    if (spec.foreColour) palette.setColor(QPalette::WindowText, ToQt(*spec.foreColour));
    if (spec.backColour) {
        palette.setColor(QPalette::Window, ToQt(*spec.backColour));
        widget.setAutoFillBackground(true);
    }
    widget.setPalette(palette);
}

QWidget* MakeLabel(const ControlSpec& spec, QWidget* parent) {
    auto* label = new CaptionLabel(parent);
    label->setCaption(ToQt(spec.caption));
    label->setBorder(spec.border);
    label->setCentred(spec.align == TextAlign::Centre);
    return label;
}

QWidget* MakeButton(const ControlSpec& spec, QWidget* parent) {
    auto* button = new PictureButton(parent);
    button->setText(ToQt(spec.caption));
    button->setIcon(QIcon(QString::fromUtf8(spec.picture)));
    return button;
}

// Frames are opaque: a frame in front hides what lies behind it.
QWidget* MakeFrame(const ControlSpec& spec, QWidget* parent) {
    QWidget* frame = spec.border ? new QGroupBox(ToQt(spec.caption), parent) : new QWidget(parent);
    frame->setAutoFillBackground(true);
    return frame;
}

QWidget* MakeLine(const ControlSpec& spec, QWidget* parent) {
    auto* line = new QWidget(parent);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, ToQt(spec.foreColour.value_or(kBlack)));
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    return line;
}

// Japanese is typed through the input method: each committed character is a change.
QWidget* MakeTextBox(QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setAttribute(Qt::WA_InputMethodEnabled);
    return box;
}

void MakeListLike(QListWidget& list) {
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.setUniformItemSizes(true);
    list.setTextElideMode(Qt::ElideNone);  // a long line is cut off, not shortened
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QWidget* MakeWidget(const ControlSpec& spec, QWidget* parent) {
    switch (spec.kind) {
        case ControlKind::Image: return new PictureBox(QString::fromUtf8(spec.picture), parent);
        case ControlKind::CommandButton: return MakeButton(spec, parent);
        case ControlKind::Line: return MakeLine(spec, parent);
        case ControlKind::Frame: return MakeFrame(spec, parent);
        case ControlKind::Label: return MakeLabel(spec, parent);
        case ControlKind::TextBox: return MakeTextBox(parent);
        case ControlKind::ListBox: {
            auto* list = new QListWidget(parent);
            MakeListLike(*list);
            return list;
        }
        case ControlKind::FileListBox: {
            auto* list = new FileListBox(parent);
            MakeListLike(*list);
            return list;
        }
    }
    return nullptr;
}

QWidget* Create(const ControlSpec& spec, QWidget* parent) {
    QWidget* widget = MakeWidget(spec, parent);
    widget->setObjectName(QString::fromUtf8(spec.name));
    const PixelRect r = ToPixels(spec.rect);
    // A line is one pixel high whatever its length in twips rounds to.
    widget->setGeometry(r.x, r.y, r.width, spec.kind == ControlKind::Line ? 1 : r.height);
    ApplyFont(*widget, spec.font);
    if (spec.kind != ControlKind::Line) ApplyColours(*widget, spec);
    if (!spec.toolTip.empty()) widget->setToolTip(ToQt(spec.toolTip));
    if (!TakesFocus(spec.kind)) widget->setFocusPolicy(Qt::NoFocus);
    return widget;
}

void LinkTabOrder(std::span<const ControlSpec> specs, const ControlMap& controls) {
    std::vector<const ControlSpec*> focusable;
    for (const ControlSpec& spec : specs)
        if (TakesFocus(spec.kind)) focusable.push_back(&spec);
    std::ranges::sort(focusable, {}, &ControlSpec::tabIndex);
    for (std::size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(controls.find(focusable[i - 1]->name)->second,
                             controls.find(focusable[i]->name)->second);
}

}  // namespace

ControlMap BuildControls(QWidget& window, std::span<const ControlSpec> specs) {
    ControlMap controls;
    for (const ControlSpec& spec : specs) {
        QWidget* parent = &window;
        if (!spec.container.empty()) parent = controls.find(spec.container)->second;
        controls.emplace(std::string(spec.name), Create(spec, parent));
    }
    LinkTabOrder(specs, controls);
    return controls;
}

}  // namespace bellmora
