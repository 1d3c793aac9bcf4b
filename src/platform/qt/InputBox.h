// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

#include "CompositionView.h"

namespace bellmora {

// The input box of a run (txtInpKey): it looks like a text box, but keeps no text: what
// each key or input-method commit types is reported at once. A line edit would lay its
// text out and repaint itself for every keystroke, for a box too narrow to read. Enter types a line
// end ("\n"), and while the box keeps Tab, Tab and Shift+Tab type a tab instead of moving the focus
// on. A commit of several characters (a converted word) is reported as one. The input method's
// composition is shown in a view of its own.
class InputBox final : public QWidget {
    Q_OBJECT
public:
    explicit InputBox(QWidget* parent = nullptr);

    // Reports what one key or commit typed (raises typed before it returns).
    void type(const QString& text);

    // The next character to type as the window shows it, which names the box to
    // assistive technology.
    void setNextCharacter(const QString& shown) { next_ = shown; }
    const QString& nextCharacter() const { return next_; }

    void setKeepsTab(bool keep) { keepsTab_ = keep; }
    bool keepsTab() const { return keepsTab_; }

    // Shows the composition just below `anchor` (a control the typist watches), and has
    // the input method's candidate window open there.
    void showCompositionBelow(const QWidget& anchor);
    CompositionView* compositionView() const { return composition_; }

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    QSize sizeHint() const override;

signals:
    void typed(const QString& text);
    // Escape outside a composition (the input method's own Escape cancels that).
    void escapePressed();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString next_;
    bool keepsTab_ = false;
    QPointer<CompositionView> composition_;
};

}  // namespace bellmora
