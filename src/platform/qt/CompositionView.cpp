// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CompositionView.h"

#include <QPainter>
#include <QTextCharFormat>
#include <algorithm>
#include <cmath>

#include "DesignFont.h"
#include "FontNames.h"

namespace bellmora {

namespace {
constexpr int kPadding = 6;  // pixels between the frame and the text
}  // namespace

CompositionView::CompositionView(QWidget* parent, QPoint anchor) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setFont(DesignFont(kPGothicFace, 20));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    colours.setColor(QPalette::Highlight, QColor(0, 0, 128));
    colours.setColor(QPalette::HighlightedText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
    move(anchor);
    hide();
}

void CompositionView::setComposition(const QString& text,
                                     const QList<QInputMethodEvent::Attribute>& attributes) {
    text_ = text;
    cursor_ = static_cast<int>(text.size());
    cursorShown_ = true;
    QList<QTextLayout::FormatRange> formats;
    for (const QInputMethodEvent::Attribute& a : attributes) {
        if (a.type == QInputMethodEvent::Cursor) {
            cursor_ = std::clamp(a.start, 0, static_cast<int>(text.size()));
            cursorShown_ = a.length != 0;
        } else if (a.type == QInputMethodEvent::TextFormat) {
            const QTextCharFormat format = a.value.value<QTextFormat>().toCharFormat();
            if (format.isValid()) formats.append({a.start, a.length, format});
        }
    }
    if (text.isEmpty()) return hide();

    layout_.setText(text);
    layout_.setFont(font());
    layout_.setFormats(formats);
    layout_.beginLayout();
    QTextLine line = layout_.createLine();
    line.setLineWidth(1e6);
    layout_.endLayout();

    // As wide as the composition, within the window.
    const int room = parentWidget()->width() - x() - kPadding;
    const int wanted = static_cast<int>(std::ceil(line.naturalTextWidth())) + 2 * kPadding + 2;
    resize(std::clamp(wanted, 2 * kPadding, std::max(room, 2 * kPadding)),
           static_cast<int>(std::ceil(line.height())) + 2 * kPadding);
    show();
    raise();
    update();
}

QPointF CompositionView::textOrigin() const {
    const qreal width = layout_.lineCount() ? layout_.lineAt(0).naturalTextWidth() : 0;
    // A composition wider than the view keeps its cursor in sight.
    const qreal cursorX = layout_.lineCount() ? layout_.lineAt(0).cursorToX(cursor_) : 0;
    const qreal inner = this->width() - 2 * kPadding;
    const qreal shift = width <= inner ? 0 : std::clamp(cursorX - inner + 2, 0.0, width - inner);
    return {kPadding - shift, static_cast<qreal>(kPadding)};
}

QRect CompositionView::cursorRect() const {
    const qreal height = fontMetrics().height();
    if (layout_.lineCount() == 0 || text_.isEmpty())
        return QRect(kPadding, kPadding, 1, static_cast<int>(height));
    const qreal x = textOrigin().x() + layout_.lineAt(0).cursorToX(cursor_);
    return QRectF(x, kPadding, 1, layout_.lineAt(0).height()).toAlignedRect();
}

void CompositionView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QColor(0, 0, 128));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setClipRect(rect().adjusted(1, 1, -1, -1));
    painter.setPen(palette().color(QPalette::WindowText));
    const QPointF origin = textOrigin();
    layout_.draw(&painter, origin);
    // An input method that sends no formats still marks its text as not yet typed.
    if (layout_.formats().isEmpty()) {
        const QTextLine line = layout_.lineAt(0);
        const qreal y = origin.y() + line.ascent() + 2;
        painter.drawLine(QPointF(origin.x(), y), QPointF(origin.x() + line.naturalTextWidth(), y));
    }
    if (cursorShown_) layout_.drawCursor(&painter, origin, cursor_, 2);
}

}  // namespace bellmora
