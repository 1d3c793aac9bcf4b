// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GuideView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "DesignFont.h"
#include "FontNames.h"

namespace bellmora {

namespace {

constexpr int kPadding = 3;
const QColor kTyped(150, 150, 150);
const QColor kToType(0, 0, 128);

QString ToQString(const std::u16string& s) {
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

class GuideViewAccessible final : public QAccessibleWidget {
public:
    explicit GuideViewAccessible(GuideView* view)
        : QAccessibleWidget(view, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        return static_cast<const GuideView*>(widget())->text();
    }
};

QAccessibleInterface* CreateInterface(const QString& className, QObject* object) {
    if (className != QLatin1String(GuideView::staticMetaObject.className())) return nullptr;
    return new GuideViewAccessible(static_cast<GuideView*>(object));
}

}  // namespace

GuideView::GuideView(QWidget* parent, QPoint bottomLeft)
    : QWidget(parent), bottomLeft_(bottomLeft) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    readingFont_ = DesignFont(kPGothicFace, 12);
    readingFont_.setBold(true);
    keysFont_ = DesignFont(kGothicFace, 10.5);
    noteFont_ = DesignFont(kPGothicFace, 9);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 255, 240));
    setPalette(colours);
    setAutoFillBackground(true);
    hide();
}

void GuideView::setGuide(const ReadingGuide& guide) {
    if (guide == guide_) return;  // most keystrokes inside a phrase of kanji change nothing
    const bool sameText =
        guide.reading == guide_.reading && guide.keys == guide_.keys && guide.note == guide_.note;
    guide_ = guide;
    if (!sameText) place();
    update();
}

void GuideView::setWanted(bool wanted) {
    wanted_ = wanted;
    place();
}

QString GuideView::text() const {
    if (!guide_.note.empty()) return ToQString(guide_.note);
    if (guide_.reading.empty()) return ToQString(guide_.keys);
    return ToQString(guide_.reading) + QLatin1Char(' ') + ToQString(guide_.keys);
}

void GuideView::layLine(QTextLayout& layout, const std::u16string& text, const QFont& font) {
    layout.setText(ToQString(text));
    layout.setFont(font);
    layout.beginLayout();
    if (!text.empty()) layout.createLine().setLineWidth(1e6);
    layout.endLayout();
}

void GuideView::place() {
    if (!wanted_) return hide();
    // Nothing to show folds it away instead of hiding it: showing a widget asks for its
    // accessibility, which a keystroke should not cost while no assistive technology listens.
    setVisible(true);
    const bool note = !guide_.note.empty();
    layLine(first_, note ? guide_.note : guide_.reading, note ? noteFont_ : readingFont_);
    layLine(second_, note ? std::u16string() : guide_.keys, keysFont_);
    qreal width = 0;
    qreal height = 0;
    for (const QTextLayout* layout : {&first_, &second_}) {
        if (layout->lineCount() == 0) continue;
        width = std::max(width, layout->lineAt(0).naturalTextWidth());
        height += layout->lineAt(0).height();
    }
    if (height == 0) return setGeometry(QRect(bottomLeft_, QSize(0, 0)));
    // Within the window; a longer line is cut at its edge.
    const int room = parentWidget()->width() - bottomLeft_.x() - kPadding;
    const QSize size(std::min(static_cast<int>(std::ceil(width)) + 2 * kPadding + 2, room),
                     static_cast<int>(std::ceil(height)) + 2 * kPadding);
    setGeometry(QRect(QPoint(bottomLeft_.x(), bottomLeft_.y() - size.height() + 1), size));
}

void GuideView::drawLine(QPainter& painter, const QTextLayout& layout, qreal y,
                         std::size_t done) const {
    if (layout.lineCount() == 0) return;
    const QTextLine line = layout.lineAt(0);
    const qreal split = kPadding + line.cursorToX(static_cast<int>(done));
    const QPointF origin(kPadding, y);
    painter.save();
    painter.setPen(kTyped);
    painter.setClipRect(QRectF(0, y, split, line.height()));
    layout.draw(&painter, origin);
    painter.setPen(kToType);
    painter.setClipRect(QRectF(split, y, width() - split, line.height()));
    layout.draw(&painter, origin);
    painter.restore();
}

void GuideView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const bool note = !guide_.note.empty();
    drawLine(painter, first_, kPadding, note ? 0 : guide_.readingDone);
    const qreal below = first_.lineCount() ? first_.lineAt(0).height() : 0;
    drawLine(painter, second_, kPadding + below, guide_.keysDone);
}

void InstallGuideViewAccessibility() {
    static const bool installed = (QAccessible::installFactory(CreateInterface), true);
    (void)installed;
}

}  // namespace bellmora
