// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InputBoxAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "InputBox.h"
#include "SpokenText.h"

namespace bellmora {

namespace {

class InputBoxAccessible final : public QAccessibleWidget {
public:
    explicit InputBoxAccessible(InputBox* box)
        : QAccessibleWidget(box, QAccessible::EditableText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const auto* box = static_cast<const InputBox*>(widget());
        const std::u16string next = SpokenUnit(box->nextCharacter().toStdU16String());
        if (next.empty()) return QStringLiteral(u"次の文字");
        return QStringLiteral(u"次の文字 ") + QString::fromStdU16String(next);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        return state;
    }
};

QAccessibleInterface* CreateInterface(const QString& className, QObject* object) {
    if (className != QLatin1String(InputBox::staticMetaObject.className())) return nullptr;
    return new InputBoxAccessible(static_cast<InputBox*>(object));
}

}  // namespace

void InstallInputBoxAccessibility() {
    static const bool installed = (QAccessible::installFactory(CreateInterface), true);
    (void)installed;
}

}  // namespace bellmora
