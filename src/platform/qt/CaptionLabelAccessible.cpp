#include "CaptionLabelAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "CaptionLabel.h"

namespace bellmora {

namespace {

// Enough for a braille line and a spoken phrase; a problem text holds up to 32 767
// characters, which no listener could use as one name.
constexpr qsizetype kLongestName = 300;

class CaptionLabelAccessible final : public QAccessibleWidget {
public:
    explicit CaptionLabelAccessible(CaptionLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);  // the tool tip describes it
        const auto* label = static_cast<const CaptionLabel*>(widget());
        if (IsHidden(*label)) return {};  // hidden text is hidden from every reader
        QString name = label->caption().left(kLongestName);
        if (name.size() < label->caption().size() && name.back().isHighSurrogate()) name.chop(1);
        return name;
    }

private:
    // Text drawn transparent cannot be read.
    static bool IsHidden(const QWidget& label) {
        return label.palette().color(QPalette::WindowText).alpha() == 0;
    }
};

QAccessibleInterface* CreateInterface(const QString& className, QObject* object) {
    if (className != QLatin1String(CaptionLabel::staticMetaObject.className())) return nullptr;
    return new CaptionLabelAccessible(static_cast<CaptionLabel*>(object));
}

}  // namespace

void InstallCaptionLabelAccessibility() {
    static const bool installed = (QAccessible::installFactory(CreateInterface), true);
    (void)installed;
}

void NotifyCaptionChanged(QWidget* label) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

}  // namespace bellmora
