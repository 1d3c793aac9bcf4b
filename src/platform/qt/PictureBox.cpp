// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureBox.h"

#include <QPainter>

#include "Pictures.h"

namespace bellmora {

PictureBox::PictureBox(QString picture, QWidget* parent)
    : QWidget(parent), picture_(std::move(picture)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureBox::paintEvent(QPaintEvent*) {
    const qreal scale = devicePixelRatioF();
    if (drawn_.isNull() || drawn_.devicePixelRatio() != scale) drawn_ = Picture(picture_, scale);
    QPainter(this).drawImage(QPointF(0, 0), drawn_);
}

}  // namespace bellmora
