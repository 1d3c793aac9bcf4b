#include "CaptionLabel.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPainter>

namespace bellmora {

CaptionLabel::CaptionLabel(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void CaptionLabel::setCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    update();
}

void CaptionLabel::setBorder(bool border) {
    border_ = border;
    update();
}

void CaptionLabel::setCentred(bool centred) {
    centred_ = centred;
    update();
}

QString CaptionLabel::visiblePart() const {
    qsizetype n = std::min<qsizetype>(caption_.size(), std::max(width(), 1));
    // Never split a surrogate pair.
    if (n < caption_.size() && caption_.at(n - 1).isHighSurrogate()) ++n;
    return caption_.left(n);
}

void CaptionLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int inset = border_ ? 1 : 0;
    if (border_) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    const QRect textArea = rect().adjusted(inset + 1, inset, -inset - 1, -inset);
    painter.setClipRect(textArea);
    painter.setPen(palette().color(QPalette::WindowText));
    const int align = Qt::AlignTop | (centred_ ? Qt::AlignHCenter : Qt::AlignLeft);
    painter.drawText(textArea, align | Qt::TextSingleLine, visiblePart());
}

void CaptionLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}

}  // namespace bellmora
