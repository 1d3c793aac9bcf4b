#include "CharacterPictures.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPixmapCache>
#include <QStringView>
#include <cmath>

namespace bellmora {

namespace {

// Room beside a character's advance for italic overhang.
qreal Margin(const QFontMetricsF& metrics) { return std::ceil(metrics.height() / 3); }

// The characters of a text, surrogate pairs kept whole.
template <class Each>
void ForEachCharacter(const QString& text, Each each) {
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        each(QStringView(text).mid(i, n).toString());
        i += n;
    }
}

QPixmap Picture(const QFont& font, const QColor& colour, const QString& character, qreal ratio) {
    const QString key = QStringLiteral("bellmora-char:%1:%2:%3:%4")
                            .arg(font.key(), colour.name(QColor::HexArgb))
                            .arg(ratio)
                            .arg(character);
    QPixmap picture;
    if (QPixmapCache::find(key, &picture)) return picture;

    const QFontMetricsF metrics(font);
    const qreal margin = Margin(metrics);
    const QSizeF size(metrics.horizontalAdvance(character) + 2 * margin, metrics.height());
    picture = QPixmap((size * ratio).toSize());
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPointF(margin, metrics.ascent()), character);
    painter.end();
    QPixmapCache::insert(key, picture);
    return picture;
}

}  // namespace

qreal CharacterPictures::Width(const QFont& font, const QString& text) {
    const QFontMetricsF metrics(font);
    qreal width = 0;
    ForEachCharacter(text, [&](const QString& c) { width += metrics.horizontalAdvance(c); });
    return width;
}

void CharacterPictures::Draw(QPainter& painter, const QPointF& origin, const QFont& font,
                             const QColor& colour, const QString& text) {
    const QFontMetricsF metrics(font);
    const qreal margin = Margin(metrics);
    const qreal ratio = painter.device()->devicePixelRatioF();
    qreal x = origin.x();
    ForEachCharacter(text, [&](const QString& c) {
        painter.drawPixmap(QPointF(x - margin, origin.y()), Picture(font, colour, c, ratio));
        x += metrics.horizontalAdvance(c);
    });
}

}  // namespace bellmora
