#pragma once

#include <QPixmap>
#include <QString>

class QFont;
class QColor;
class QPainter;
class QPointF;

namespace bellmora {

// Draws a short text in large type from pictures of its characters, each made once and
// kept in Qt's pixmap cache. Qt draws glyphs over 64 pixels as outlines every time,
// which costs the next character and the remaining count most of a keystroke.
class CharacterPictures {
public:
    // Width of the text as the pictures place it.
    static qreal Width(const QFont& font, const QString& text);
    // Draws the text with its top left corner at `origin`.
    static void Draw(QPainter& painter, const QPointF& origin, const QFont& font,
                     const QColor& colour, const QString& text);
};

}  // namespace bellmora
