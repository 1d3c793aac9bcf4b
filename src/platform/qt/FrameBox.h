// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QGroupBox>
#include <QImage>
#include <QStyle>

namespace bellmora {

// A frame with an outline and a caption. The parts of it that show through behind
// controls that repaint again and again (the remaining count at every keystroke) are
// drawn by the style once, into a picture, and copied from it afterwards: the style's
// frame, its caption laid out and its outline looked up anew, cost as much as the count.
// A paint of the whole frame goes to the style directly.
class FrameBox final : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Everything the style's drawing depends on; a change forgets the picture.
    struct Look {
        QSize size;
        qreal ratio = 0;
        QString title;
        QStyle::State state;
        qint64 palette = 0;
        QFont font;
        const QStyle* style = nullptr;
        bool filled = false;
        bool operator==(const Look&) const = default;
    };

    void drawPicture(const QStyleOptionGroupBox& option, const QRect& part);

    QImage picture_;
    QRect pictureRect_;  // the part of the frame the picture holds
    Look look_;
};

}  // namespace bellmora
