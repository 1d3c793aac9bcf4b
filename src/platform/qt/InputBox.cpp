#include "InputBox.h"

#include <QKeyEvent>

#include "CompositionView.h"

namespace bellmora {

InputBox::InputBox(QWidget* parent) : QLineEdit(parent) {
    // Japanese is typed through the input method: each committed character is a change.
    setAttribute(Qt::WA_InputMethodEnabled);
}

void InputBox::showCompositionBelow(const QWidget& anchor) {
    QWidget* window = anchor.window();
    const QPoint below = anchor.mapTo(window, QPoint(0, anchor.height() + 2));
    composition_ = new CompositionView(window, below);
}

bool InputBox::event(QEvent* event) {
    if (keepsTab_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            insert(QStringLiteral("\t"));
            return true;
        }
    }
    return QLineEdit::event(event);
}

void InputBox::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        insert(QStringLiteral("\n"));
        return event->accept();
    }
    QLineEdit::keyPressEvent(event);
}

// A release changes nothing in the box but its cursor, which a line edit would show anew:
// a repaint of its own after every keystroke. The input method has seen the release before
// the box would.
void InputBox::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
}

void InputBox::inputMethodEvent(QInputMethodEvent* event) {
    // Shown first: a commit may end the run and open a message box before it returns.
    if (composition_) composition_->setComposition(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(event);
}

void InputBox::focusOutEvent(QFocusEvent* event) {
    if (composition_) composition_->setComposition({}, {});
    QLineEdit::focusOutEvent(event);
}

QVariant InputBox::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (composition_ && query == Qt::ImCursorRectangle) {
        const QRect cursor = composition_->cursorRect();
        const QPoint topLeft = mapFrom(window(), composition_->mapTo(window(), cursor.topLeft()));
        return QRect(topLeft, cursor.size());
    }
    return QLineEdit::inputMethodQuery(query);
}

}  // namespace bellmora
