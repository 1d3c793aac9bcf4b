// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FrameBox.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionGroupBox>

namespace bellmora {

void FrameBox::paintEvent(QPaintEvent* event) {
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const Look look{size(),       devicePixelRatioF(),  option.text,
                    option.state, palette().cacheKey(), font(),
                    style(),      autoFillBackground()};
    if (!(look == look_)) {
        picture_ = QImage();
        pictureRect_ = QRect();
        look_ = look;
    }
    const QRect asked = event->rect();
    if (!pictureRect_.contains(asked)) {
        if (asked == rect()) return QGroupBox::paintEvent(event);
        drawPicture(option, pictureRect_.united(asked));
    }
    QPainter painter(this);
    for (const QRect& part : event->region())
        painter.drawImage(part, picture_,
                          QRectF(QPointF(part.topLeft() - pictureRect_.topLeft()) * look.ratio,
                                 QSizeF(part.size()) * look.ratio));
}

void FrameBox::drawPicture(const QStyleOptionGroupBox& option, const QRect& part) {
    // On the background the widget fills, in an opaque picture like the window's own.
    picture_ = QImage(part.size() * look_.ratio,
                      look_.filled ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    picture_.setDevicePixelRatio(look_.ratio);
    picture_.fill(look_.filled ? palette().color(backgroundRole()) : QColor(Qt::transparent));
    pictureRect_ = part;
    QPainter painter(&picture_);
    painter.translate(-part.topLeft());
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
}

}  // namespace bellmora
