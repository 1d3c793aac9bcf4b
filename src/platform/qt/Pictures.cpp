// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Pictures.h"

#include <QImageReader>
#include <cmath>

namespace bellmora {

namespace {

constexpr int kLargestPercent = 300;  // the largest scale drawn when the program is built

QString Drawing(const QString& name, int percent) {
    return QStringLiteral(":/pictures/%1/%2.png").arg(percent).arg(name);
}

}  // namespace

QImage ReadPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QSize PictureSize(const QString& name) {
    QImageReader reader(Drawing(name, 100), "png");
    reader.setAutoDetectImageFormat(false);
    return reader.size();
}

QImage Picture(const QString& name, qreal scale) {
    const int percent = static_cast<int>(std::lround(scale * 100));
    QImage image;
    if (std::abs(percent - scale * 100) < 1e-6) image = ReadPng(Drawing(name, percent));
    if (image.isNull()) {
        const QSizeF exact = QSizeF(PictureSize(name)) * scale;
        const QSize pixels(static_cast<int>(std::ceil(exact.width())),
                           static_cast<int>(std::ceil(exact.height())));
        QImageReader svg(QStringLiteral(":/pictures/%1.svg").arg(name), "svg");
        svg.setAutoDetectImageFormat(false);
        svg.setScaledSize(pixels);
        image = svg.read();
        if (image.isNull())
            image = ReadPng(Drawing(name, kLargestPercent))
                        .scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    image.setDevicePixelRatio(scale);
    return image;
}

QImage WindowIconDrawing(int side) {
    return ReadPng(QStringLiteral(":/pictures/window-icon/%1.png").arg(side));
}

}  // namespace bellmora
