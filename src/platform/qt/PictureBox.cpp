// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PictureBox.h"

#include <QPainter>

namespace bellmora {

PictureBox::PictureBox(const QString& picture, QWidget* parent)
    : QWidget(parent), renderer_(picture) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QSize size = renderer_.defaultSize().isEmpty() ? this->size() : renderer_.defaultSize();
    renderer_.render(&painter, QRectF(QPointF(0, 0), size));
}

}  // namespace bellmora
