// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CharacterPictures.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPixmapCache>
#include <QRectF>
#include <QStringView>
#include <cmath>

namespace bellmora {

namespace {

// The characters of a text, surrogate pairs kept whole.
template <class Each>
void ForEachCharacter(const QString& text, Each each) {
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        each(text.mid(i, n));
        i += n;
    }
}

}  // namespace

void CharacterPictures::Use(const QFont& font) {
    if (measured_ && font == font_) return;
    font_ = font;
    fontKey_ = font.key();
    const QFontMetricsF metrics(font);
    margin_ = std::ceil(metrics.height() / 3);
    ascent_ = metrics.ascent();
    height_ = metrics.height();
    glyphs_.clear();
    measured_ = true;
}

const CharacterPictures::Glyph& CharacterPictures::Measure(const QString& character) {
    auto it = glyphs_.constFind(character);
    if (it == glyphs_.constEnd()) {
        const QFontMetricsF metrics(font_);
        it = glyphs_.insert(
            character, {metrics.horizontalAdvance(character), metrics.boundingRect(character)});
    }
    return *it;
}

QPixmap CharacterPictures::Picture(const QString& prefix, const QColor& colour,
                                   const QString& character, qreal ratio) {
    const QString key = prefix + character;
    QPixmap picture;
    if (QPixmapCache::find(key, &picture)) return picture;

    const QSizeF size(Advance(character) + 2 * margin_, height_);
    picture = QPixmap((size * ratio).toSize());
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setFont(font_);
    painter.setPen(colour);
    painter.drawText(QPointF(margin_, ascent_), character);
    painter.end();
    QPixmapCache::insert(key, picture);
    return picture;
}

qreal CharacterPictures::Width(const QFont& font, const QString& text) {
    Use(font);
    qreal width = 0;
    ForEachCharacter(text, [&](const QString& c) { width += Advance(c); });
    return width;
}

QRectF CharacterPictures::Bounds(const QPointF& origin, const QFont& font, const QString& text) {
    Use(font);
    QRectF bounds;
    qreal x = origin.x();
    ForEachCharacter(text, [&](const QString& c) {
        const Glyph& glyph = Measure(c);
        const QRectF picture(std::round(x - margin_), std::round(origin.y()),
                             glyph.advance + 2 * margin_ + 1, height_ + 1);
        // Antialiasing and whole pixels reach two pixels beyond the outline at most.
        const QRectF ink = glyph.ink.translated(x, origin.y() + ascent_).adjusted(-2, -2, 2, 2);
        bounds |= ink & picture;
        x += glyph.advance;
    });
    return bounds;
}

void CharacterPictures::Draw(QPainter& painter, const QPointF& origin, const QFont& font,
                             const QColor& colour, const QString& text) {
    Use(font);
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QString prefix = QStringLiteral("bellmora-char:%1:%2:%3:")
                               .arg(fontKey_, colour.name(QColor::HexArgb))
                               .arg(ratio);
    qreal x = origin.x();
    ForEachCharacter(text, [&](const QString& c) {
        // On whole pixels, where Qt copies a picture as it is: between them it would blend
        // it, and differently when only a part of the label is repainted.
        const QPointF at(std::round(x - margin_), std::round(origin.y()));
        painter.drawPixmap(at, Picture(prefix, colour, c, ratio));
        x += Advance(c);
    });
}

}  // namespace bellmora
