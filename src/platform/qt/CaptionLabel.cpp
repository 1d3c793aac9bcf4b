// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CaptionLabel.h"

#include "CaptionLabelAccessible.h"
#include "CharacterPictures.h"

#include <algorithm>

#include <QGlyphRun>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace bellmora {

CaptionLabel::CaptionLabel(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

namespace {
// Enough characters for many widths of the label: the narrowest glyphs of its fonts are
// several pixels wide.
constexpr qsizetype kLaidOutCharacters = 400;
constexpr QChar kLineEndMark = u'↵';
constexpr QChar kZeroWidthSpace = u'\u200B';
}  // namespace

void CaptionLabel::setCaption(const QString& caption) {
    if (caption == caption_) return;
    NotifyCaptionChanged(this);
    if (!centred_) {
        caption_ = caption;
        return update(textArea());
    }
    const QRect before = centredBounds(caption_);
    caption_ = caption;
    update(before.united(centredBounds(caption_)));
}

void CaptionLabel::setBorder(bool border) {
    border_ = border;
    update();
}

void CaptionLabel::setCentred(bool centred) {
    centred_ = centred;
    update();
}

QRect CaptionLabel::textArea() const {
    const int inset = border_ ? 1 : 0;
    return rect().adjusted(inset + 1, inset, -inset - 1, -inset);
}

QRect CaptionLabel::centredBounds(const QString& caption) {
    const QRect area = textArea();
    const qreal indent = (area.width() - pictures_.Width(font(), caption)) / 2;
    const QPointF origin(area.left() + indent, area.top());
    return pictures_.Bounds(origin, font(), caption).toAlignedRect() & area;
}

bool CaptionLabel::layoutCovers(qsizetype skip) const {
    if (layout_.lineCount() == 0 || skip < 0) return false;
    const QTextLine line = layout_.lineAt(0);
    const qsizetype laidOut = layout_.text().size();
    if (skip > laidOut) return false;
    const bool reachesEnd = laidOut == layoutSource_.size();
    const bool fillsWidth = line.cursorToX(laidOut) - line.cursorToX(skip) > textArea().width();
    if (!reachesEnd && !fillsWidth) return false;
    return QStringView(layoutSource_).mid(skip) == caption_;
}

qsizetype CaptionLabel::prepareLayout() {
    const qsizetype skip = layoutSource_.size() - caption_.size();
    if (layoutSource_.size() >= caption_.size() && layoutCovers(skip)) return skip;

    layoutSource_ = caption_;
    QString start = caption_.left(kLaidOutCharacters);
    if (start.size() < caption_.size() && start.back().isHighSurrogate()) start.chop(1);
    // One line, whatever the text holds: a quoted item may run across line ends, which
    // show as a mark to type (one for CR LF), each character keeping its place.
    for (qsizetype i = 0; i < start.size(); ++i) {
        QChar& c = start[i];
        if (c == u'\n' && i > 0 && caption_.at(i - 1) == u'\r')
            c = kZeroWidthSpace;
        else if (c == u'\n' || c == u'\r')
            c = kLineEndMark;
        else if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    layout_.setText(start);
    layout_.setFont(font());
    QTextOption option(Qt::AlignLeft);  // a centred caption is placed when drawn
    option.setWrapMode(QTextOption::NoWrap);
    layout_.setTextOption(option);
    layout_.beginLayout();
    QTextLine line = layout_.createLine();
    if (line.isValid()) line.setLineWidth(textArea().width());
    layout_.endLayout();
    return 0;
}

qsizetype CaptionLabel::visibleEnd(qsizetype skip, qreal shift) const {
    const QTextLine line = layout_.lineAt(0);
    const qsizetype end = line.xToCursor(shift + textArea().width(), QTextLine::CursorOnCharacter);
    return std::max(skip, std::min<qsizetype>(layout_.text().size(), end + 1));
}

QString CaptionLabel::visiblePart() {
    if (centred_) return caption_;  // short, drawn whole
    const qsizetype skip = prepareLayout();
    if (layout_.lineCount() == 0) return {};
    const qreal shift = layout_.lineAt(0).cursorToX(skip);
    return caption_.left(visibleEnd(skip, shift) - skip);
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = textArea();
    if (border_ && !area.contains(event->rect())) {
        // One-pixel lines filled, not stroked: the same pixels for less work.
        const QRect r = rect();
        painter.fillRect(r.left(), r.top(), r.width(), 1, Qt::black);
        painter.fillRect(r.left(), r.bottom(), r.width(), 1, Qt::black);
        painter.fillRect(r.left(), r.top(), 1, r.height(), Qt::black);
        painter.fillRect(r.right(), r.top(), 1, r.height(), Qt::black);
    }
    // Nothing to draw: the large faces of the empty labels at start are not even loaded.
    if (caption_.isEmpty()) return;
    painter.setClipRect(area);
    painter.setPen(palette().color(QPalette::WindowText));
    if (centred_) {
        // Short and large: the next character, the remaining count.
        const qreal indent = (area.width() - pictures_.Width(font(), caption_)) / 2;
        return pictures_.Draw(painter, QPointF(area.left() + indent, area.top()), font(),
                              palette().color(QPalette::WindowText), caption_);
    }
    const qsizetype skip = prepareLayout();
    if (layout_.lineCount() == 0) return;
    const QTextLine line = layout_.lineAt(0);
    const qreal shift = line.cursorToX(skip);
    const QPointF origin(area.left() - shift, area.top());
    // Only the glyphs that can show: the layout of a long caption holds hundreds more.
    for (const QGlyphRun& run : line.glyphRuns(skip, visibleEnd(skip, shift) - skip))
        painter.drawGlyphRun(origin, run);
}

void CaptionLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) layout_.clearLayout();
    QWidget::changeEvent(event);
}

void CaptionLabel::resizeEvent(QResizeEvent* event) {
    layout_.clearLayout();
    QWidget::resizeEvent(event);
}

void CaptionLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}

}  // namespace bellmora
