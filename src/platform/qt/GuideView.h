// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTextLayout>
#include <QWidget>

#include "Reading.h"

namespace bellmora {

// The reading guide beside the next character: the reading of the phrase being typed,
// with what is typed of it in grey, and under it the keys that type it (or one line when
// readings cannot be had). It stands with its bottom left corner at an anchor, above the
// problem text, and grows to the right; nothing to show, or switched off, it hides.
class GuideView final : public QWidget {
    Q_OBJECT
public:
    GuideView(QWidget* parent, QPoint bottomLeft);

    void setGuide(const ReadingGuide& guide);
    const ReadingGuide& guide() const { return guide_; }

    // The typist's choice to see the guide or not.
    void setWanted(bool wanted);
    bool wanted() const { return wanted_; }

    // What it shows, as one line, for assistive technology.
    QString text() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place();
    // Lays out a line once for the phrase; each keystroke only moves where grey ends.
    void layLine(QTextLayout& layout, const std::u16string& text, const QFont& font);
    void drawLine(QPainter& painter, const QTextLayout& layout, qreal y, std::size_t done) const;

    ReadingGuide guide_;
    QPoint bottomLeft_;
    bool wanted_ = true;
    QFont readingFont_;
    QFont keysFont_;
    QFont noteFont_;
    QTextLayout first_;   // the reading, or the note
    QTextLayout second_;  // the keys
};

// Makes the guide readable by assistive technology as a static text named by what it shows.
void InstallGuideViewAccessibility();

}  // namespace bellmora
