// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CaptionLabelAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QTimer>

#include <vector>

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

// The labels whose names changed since the last announcement. They are announced once the
// window has repainted, so that a keystroke shows on the screen as fast with a screen
// reader listening as without; a label changed twice before then is announced once.
class Announcements {
public:
    Announcements() {
        timer_.setSingleShot(true);
        timer_.setInterval(0);  // a timer, not a posted event: it runs after the repaint
        QObject::connect(&timer_, &QTimer::timeout, [this] { AnnounceAll(); });
    }

    void Add(QWidget* label) {
        for (const QPointer<QWidget>& pending : pending_)
            if (pending == label) return;
        pending_.emplace_back(label);
        timer_.start();
    }

private:
    void AnnounceAll() {
        const std::vector<QPointer<QWidget>> labels = std::move(pending_);
        pending_.clear();
        for (const QPointer<QWidget>& label : labels) {
            if (!label) continue;
            QAccessibleEvent event(label.data(), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
    }

    QTimer timer_;
    std::vector<QPointer<QWidget>> pending_;
};

}  // namespace

void InstallCaptionLabelAccessibility() {
    static const bool installed = (QAccessible::installFactory(CreateInterface), true);
    (void)installed;
}

void NotifyCaptionChanged(QWidget* label) {
    if (!QAccessible::isActive()) return;
    static Announcements* const announcements = new Announcements;  // lives as long as the program
    announcements->Add(label);
}

}  // namespace bellmora
