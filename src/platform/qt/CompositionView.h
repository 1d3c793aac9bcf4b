// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QInputMethodEvent>
#include <QTextLayout>
#include <QWidget>

namespace bellmora {

// What the input method is composing for the input box (the romaji typed so far, the
// conversion being chosen), shown large where the typist looks: the input box itself is
// too narrow to read. Hidden while nothing is composed. Nothing shown here counts as typed
// until the input method commits it.
class CompositionView final : public QWidget {
    Q_OBJECT
public:
    // Placed with its top left corner at `anchor`, in the coordinates of `parent`.
    CompositionView(QWidget* parent, QPoint anchor);

    // The composition as the input method sends it: its text, and its cursor and the
    // formats of its segments among the attributes.
    void setComposition(const QString& text, const QList<QInputMethodEvent::Attribute>& attributes);
    const QString& composition() const { return text_; }

    // Where the composition's cursor stands, in this view's coordinates; the input method
    // opens its candidate window beside it.
    QRect cursorRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointF textOrigin() const;

    QString text_;
    QTextLayout layout_;
    int cursor_ = 0;
    bool cursorShown_ = true;
};

}  // namespace bellmora
