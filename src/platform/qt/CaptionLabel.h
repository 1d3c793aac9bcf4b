// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QTextLayout>
#include <QWidget>

#include "CharacterPictures.h"

namespace bellmora {

// A label that shows plain text on one line, cut off at its edges. It keeps its whole
// caption but lays out only a bounded start of it, so a caption of thousands of
// characters costs no more to set and paint than a short one, and never resizes the label.
//
// While a text is typed, each new caption is the rest of the previous one. The layout of
// the previous caption then serves again, drawn shifted to the left, so a keystroke costs
// no new text shaping until the layout runs out. A centred caption (a single character, a
// count) is drawn from pictures of its characters. A new caption repaints only the text:
// the border stays, and around a centred caption only the old and the new text's place.
class CaptionLabel final : public QWidget {
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }

    void setBorder(bool border);
    void setCentred(bool centred);

    // The characters of the caption that show, whole or in part (all of a centred one).
    QString visiblePart();

signals:
    // A mouse button pressed and released on the label.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect textArea() const;
    // Where a centred caption draws: the label's part that a change of it repaints.
    QRect centredBounds(const QString& caption);
    // Lays out the start of the caption unless the current layout still covers it; gives
    // the caption's first character's place in the layout.
    qsizetype prepareLayout();
    bool layoutCovers(qsizetype skip) const;
    // One past the last character that shows, whole or in part.
    qsizetype visibleEnd(qsizetype skip, qreal shift) const;

    QString caption_;
    bool border_ = false;
    bool centred_ = false;
    bool pressed_ = false;

    CharacterPictures pictures_;
    QTextLayout layout_;
    QString layoutSource_;  // the caption the layout was made from
};

}  // namespace bellmora
