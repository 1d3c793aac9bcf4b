#pragma once

#include <QLineEdit>
#include <QPointer>

#include "CompositionView.h"

namespace bellmora {

// The input box of a run (txtInpKey). Each key or input-method commit changes its text,
// which the window hands to the typing check. Besides what a line edit types, Enter types
// a line end ("\n"), and while it keeps Tab, Tab and Shift+Tab type a tab instead of
// moving the focus on. The box is too narrow to read, so the input method's composition
// is shown in a view of its own.
class InputBox final : public QLineEdit {
    Q_OBJECT
public:
    explicit InputBox(QWidget* parent = nullptr);

    void setKeepsTab(bool keep) { keepsTab_ = keep; }
    bool keepsTab() const { return keepsTab_; }

    // Shows the composition just below `anchor` (a control the typist watches), and has
    // the input method's candidate window open there.
    void showCompositionBelow(const QWidget& anchor);
    CompositionView* compositionView() const { return composition_; }

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool keepsTab_ = false;
    QPointer<CompositionView> composition_;
};

}  // namespace bellmora
