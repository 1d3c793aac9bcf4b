// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GuideView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <algorithm>

namespace bellmora {

namespace {

constexpr int kPadding = 3;
const QColor kTyped(150, 150, 150);
const QColor kToType(0, 0, 128);

QString ToQString(const std::u16string& s) {
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

// Draws a line whose first `done` characters are typed already.
void DrawLine(QPainter& painter, const QFont& font, int y, const std::u16string& line,
              std::size_t done) {
    const QString all = ToQString(line);
    const QString typed = all.left(static_cast<qsizetype>(done));
    const QFontMetrics metrics(font);
    painter.setFont(font);
    painter.setPen(kTyped);
    painter.drawText(kPadding, y + metrics.ascent(), typed);
    painter.setPen(kToType);
    painter.drawText(kPadding + metrics.horizontalAdvance(typed), y + metrics.ascent(),
                     all.mid(typed.size()));
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
    readingFont_ = QFont(QStringLiteral(u"ＭＳ Ｐゴシック"));
    readingFont_.setPointSizeF(12);
    readingFont_.setBold(true);
    keysFont_ = QFont(QStringLiteral(u"ＭＳ ゴシック"));
    keysFont_.setPointSizeF(10.5);
    noteFont_ = QFont(QStringLiteral(u"ＭＳ Ｐゴシック"));
    noteFont_.setPointSizeF(9);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 255, 240));
    setPalette(colours);
    setAutoFillBackground(true);
    hide();
}

void GuideView::setGuide(const ReadingGuide& guide) {
    if (guide == guide_) return;  // most keystrokes inside a phrase of kanji change nothing
    guide_ = guide;
    place();
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

void GuideView::place() {
    if (!wanted_) return hide();
    // Nothing to show folds it away instead of hiding it: showing a widget asks for its
    // accessibility, which a keystroke should not cost while no assistive technology listens.
    setVisible(true);
    if (guide_.note.empty() && guide_.reading.empty() && guide_.keys.empty())
        return setGeometry(QRect(bottomLeft_, QSize(0, 0)));
    const QFontMetrics reading(readingFont_);
    const QFontMetrics keys(keysFont_);
    int width = 0;
    int height = 0;
    if (!guide_.note.empty()) {
        const QFontMetrics note(noteFont_);
        width = note.horizontalAdvance(ToQString(guide_.note));
        height = note.height();
    } else {
        if (!guide_.reading.empty()) {
            width = reading.horizontalAdvance(ToQString(guide_.reading));
            height = reading.height();
        }
        width = std::max(width, keys.horizontalAdvance(ToQString(guide_.keys)));
        height += keys.height();
    }
    // Within the window; a longer line is cut at its edge.
    const int room = parentWidget()->width() - bottomLeft_.x() - kPadding;
    const QSize size(std::min(width + 2 * kPadding + 2, room), height + 2 * kPadding);
    setGeometry(QRect(QPoint(bottomLeft_.x(), bottomLeft_.y() - size.height() + 1), size));
}

void GuideView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    int y = kPadding;
    if (!guide_.note.empty()) return DrawLine(painter, noteFont_, y, guide_.note, 0);
    if (!guide_.reading.empty()) {
        DrawLine(painter, readingFont_, y, guide_.reading, guide_.readingDone);
        y += QFontMetrics(readingFont_).height();
    }
    DrawLine(painter, keysFont_, y, guide_.keys, guide_.keysDone);
}

void InstallGuideViewAccessibility() {
    static const bool installed = (QAccessible::installFactory(CreateInterface), true);
    (void)installed;
}

}  // namespace bellmora
