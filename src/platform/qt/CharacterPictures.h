// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QRectF>
#include <QString>

class QColor;
class QPainter;
class QPointF;

namespace bellmora {

// Draws a short text in large type from pictures of its characters, each made once and
// kept in Qt's pixmap cache. Qt draws glyphs over 64 pixels as outlines every time,
// which costs the next character and the remaining count most of a keystroke. The
// advance and the outline's bounds of each character are kept too: measuring one shapes
// it anew every time.
class CharacterPictures {
public:
    // Width of the text as the pictures place it.
    qreal Width(const QFont& font, const QString& text);
    // What drawing the text with its top left corner at `origin` may cover.
    QRectF Bounds(const QPointF& origin, const QFont& font, const QString& text);
    // Draws the text with its top left corner at `origin`.
    void Draw(QPainter& painter, const QPointF& origin, const QFont& font, const QColor& colour,
              const QString& text);

private:
    // Forgets the advances of another font.
    void Use(const QFont& font);
    struct Glyph {
        qreal advance = 0;
        QRectF ink;  // the outline's bounds, from the pen position on the baseline
    };
    const Glyph& Measure(const QString& character);
    qreal Advance(const QString& character) { return Measure(character).advance; }
    QPixmap Picture(const QString& prefix, const QColor& colour, const QString& character,
                    qreal ratio);

    QFont font_;
    QString fontKey_;
    bool measured_ = false;
    qreal margin_ = 0;  // room beside a character's advance for italic overhang
    qreal ascent_ = 0;
    qreal height_ = 0;
    QHash<QString, Glyph> glyphs_;
};

}  // namespace bellmora
