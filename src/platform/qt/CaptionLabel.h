#pragma once

#include <QString>
#include <QWidget>

namespace bellmora {

// A label that shows plain text on one line, cut off at its edges. It keeps its whole
// caption but lays out only the part that can be seen, so a caption of thousands of
// characters costs no more to set and paint than a short one, and never resizes the label.
class CaptionLabel final : public QWidget {
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }

    void setBorder(bool border);
    void setCentred(bool centred);

    // The part of the caption that can reach the label's width: no character is narrower
    // than a pixel.
    QString visiblePart() const;

signals:
    // A mouse button pressed and released on the label.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString caption_;
    bool border_ = false;
    bool centred_ = false;
    bool pressed_ = false;
};

}  // namespace bellmora
