// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders an SVG picture into a PNG at a scale of its own size, as the window would draw
// it on a screen of that scale: the picture's size times the scale, rounded up, with the
// picture drawn through a painter scaled by it. The window's pictures and the desktop
// icons are made with it when the program is built.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: svg2png INPUT.svg SCALE OUTPUT.png\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    const double scale = QString::fromLatin1(argv[2]).toDouble();
    const QSize size = renderer.defaultSize();
    if (!renderer.isValid() || size.isEmpty() || scale <= 0) return 1;
    QImage image(static_cast<int>(std::ceil(size.width() * scale)),
                 static_cast<int>(std::ceil(size.height() * scale)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(scale, scale);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[3]), "png") ? 0 : 1;
}
