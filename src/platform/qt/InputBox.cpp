// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InputBox.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace bellmora {

namespace {

bool WithControlOrAlt(const QKeyEvent& key) {
    return key.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
}

// Whether a key's text starts with a printable character; one outside the Basic
// Multilingual Plane comes as a surrogate pair, which QChar alone cannot judge.
bool StartsPrintable(const QString& text) {
    if (text.isEmpty()) return false;
    const QChar first = text.at(0);
    if (first.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate())
        return QChar::isPrint(QChar::surrogateToUcs4(first, text.at(1)));
    return first.isPrint();
}

}  // namespace

InputBox::InputBox(QWidget* parent) : QWidget(parent) {
    // Japanese is typed through the input method: each committed character is a change.
    setAttribute(Qt::WA_InputMethodEnabled);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
    setBackgroundRole(QPalette::Base);
}

void InputBox::type(const QString& text) {
    if (!text.isEmpty()) emit typed(text);
}

void InputBox::showCompositionBelow(const QWidget& anchor) {
    QWidget* window = anchor.window();
    const QPoint below = anchor.mapTo(window, QPoint(0, anchor.height() + 2));
    composition_ = new CompositionView(window, below);
}

QSize InputBox::sizeHint() const { return {7, fontMetrics().height() + 6}; }

bool InputBox::event(QEvent* event) {
    if (keepsTab_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && !WithControlOrAlt(*key)) {
            type(QStringLiteral("\t"));
            return true;
        }
    }
    return QWidget::event(event);
}

void InputBox::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !WithControlOrAlt(*event)) return type(QStringLiteral("\n"));
    const bool composing = composition_ && !composition_->composition().isEmpty();
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && !composing)
        return emit escapePressed();
    // What a text box would insert: printable text without a shortcut modifier.
    const QString typed = event->text();
    if (StartsPrintable(typed) && !(event->modifiers() & Qt::ControlModifier)) return type(typed);
    event->ignore();
}

// A release types nothing.
void InputBox::keyReleaseEvent(QKeyEvent* event) { event->accept(); }

void InputBox::inputMethodEvent(QInputMethodEvent* event) {
    // Shown first: a commit may end the run and open a message box before it returns.
    if (composition_) composition_->setComposition(event->preeditString(), event->attributes());
    if (!event->commitString().isEmpty()) type(event->commitString());
    event->accept();
}

QVariant InputBox::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
        case Qt::ImEnabled:
            return isEnabled();
        case Qt::ImCursorRectangle: {
            if (!composition_) return QRect(2, 2, 1, height() - 4);
            const QRect cursor = composition_->cursorRect();
            const QPoint topLeft =
                mapFrom(window(), composition_->mapTo(window(), cursor.topLeft()));
            return QRect(topLeft, cursor.size());
        }
        case Qt::ImFont:
            return composition_ ? composition_->font() : font();
        case Qt::ImCursorPosition:
        case Qt::ImAnchorPosition:
            return 0;
        case Qt::ImSurroundingText:
        case Qt::ImCurrentSelection:
        case Qt::ImTextBeforeCursor:
        case Qt::ImTextAfterCursor:
            return QString();
        default:
            return QWidget::inputMethodQuery(query);
    }
}

void InputBox::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void InputBox::focusOutEvent(QFocusEvent* event) {
    if (composition_) composition_->setComposition({}, {});
    update();
    QWidget::focusOutEvent(event);
}

// A text box's panel, with a steady caret while it has the focus.
void InputBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionFrame panel;
    panel.initFrom(this);
    panel.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, this);
    panel.midLineWidth = 0;
    panel.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    if (!hasFocus()) return;
    painter.setPen(palette().color(QPalette::Text));
    const int top = panel.lineWidth + 2;
    painter.drawLine(QPoint(panel.lineWidth + 1, top),
                     QPoint(panel.lineWidth + 1, height() - top - 1));
}

}  // namespace bellmora
