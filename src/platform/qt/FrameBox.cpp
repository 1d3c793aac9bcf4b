#include "FrameBox.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionGroupBox>

namespace bellmora {

void FrameBox::paintEvent(QPaintEvent* event) {
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const Look look{size(),          devicePixelRatioF(), option.text, option.state,
                    palette().cacheKey(), font(),         style(),     autoFillBackground()};
    if (picture_.isNull() || !(look == look_)) {
        // Drawn on the background the widget fills, in an opaque picture like the window's
        // own, so that a copy matches a direct paint to the last bit.
        picture_ = QImage(size() * look.ratio,
                          look.filled ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
        picture_.setDevicePixelRatio(look.ratio);
        picture_.fill(look.filled ? palette().color(backgroundRole()) : QColor(Qt::transparent));
        QPainter painter(&picture_);
        painter.setFont(font());
        painter.setPen(palette().color(foregroundRole()));
        style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
        look_ = look;
    }
    QPainter painter(this);
    for (const QRect& part : event->region())
        painter.drawImage(part, picture_, QRectF(QPointF(part.topLeft()) * look.ratio,
                                                  QSizeF(part.size()) * look.ratio));
}

}  // namespace bellmora
