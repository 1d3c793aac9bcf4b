#pragma once

#include <QFont>
#include <QGroupBox>
#include <QImage>
#include <QStyle>

namespace bellmora {

// A frame with an outline and a caption. The style draws it once into a picture, and
// every later paint copies the part asked for: the remaining count changes with each
// keystroke and shows through to the frame behind it, and the style's frame (its
// caption laid out, its outline looked up) cost as much as the count itself.
class FrameBox final : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Everything the style's drawing depends on; a change draws the picture anew.
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

    QImage picture_;
    Look look_;
};

}  // namespace bellmora
