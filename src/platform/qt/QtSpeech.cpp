// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtSpeech.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QWidget>

#include <utility>

namespace bellmora {

namespace {

// Draws nothing and takes neither the focus nor the mouse.
class Notice final : public QWidget {
public:
    using QWidget::QWidget;
};

// The notices' parent. Orca leaves out the role word ("notification") for a notification
// inside a status bar, so that the text comes first.
class NoticeBar final : public QWidget {
public:
    using QWidget::QWidget;
};

QAccessibleInterface* CreateNoticeInterface(const QString& className, QObject* object) {
    if (className != QLatin1String("QWidget")) return nullptr;
    if (auto* notice = dynamic_cast<Notice*>(object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
    if (auto* bar = dynamic_cast<NoticeBar*>(object))
        return new QAccessibleWidget(bar, QAccessible::StatusBar);
    return nullptr;
}

QWidget* MakeInvisible(QWidget* widget) {
    widget->setFocusPolicy(Qt::NoFocus);
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    widget->setGeometry(0, 0, 1, 1);
    return widget;
}

QWidget* MakeNotice(QWidget* window, QPointer<QWidget>& bar, const QString& text) {
    static const bool installed = (QAccessible::installFactory(CreateNoticeInterface), true);
    (void)installed;
    if (!bar) {
        bar = MakeInvisible(new NoticeBar(window));
        bar->show();
    }
    auto* notice = new Notice(bar);
    MakeInvisible(notice);
    notice->setAccessibleName(text);
    notice->show();  // its first appearance says it
    return notice;
}

}  // namespace

QtSpeech::QtSpeech(QWidget* window) : window_(window) {
    timer_.setSingleShot(true);
    timer_.setInterval(0);  // a timer, not a posted event: it runs after the repaint
    QObject::connect(&timer_, &QTimer::timeout, [this] { Flush(); });
}

void QtSpeech::Announce(const std::u16string& text) {
    if (text.empty() || !QAccessible::isActive()) return;
    if (!pending_.isEmpty()) pending_ += u'\u3000';
    pending_ += QString::fromStdU16String(text);
    timer_.start();
}

void QtSpeech::Flush() {
    timer_.stop();
    if (pending_.isEmpty()) return;
    QString text = std::exchange(pending_, {});
    if (!QAccessible::isActive()) return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt 6.8 sends announcements, which the screen readers of its day (Orca 45 and later)
    // say as they are; a notification they would say with its role word in front. From
    // the focused control: Orca drops a second event of a kind within 0.1 s, but never one
    // from the control with the focus, and a typist's keys come faster than that.
    QWidget* focused = QApplication::focusWidget();
    QAccessibleAnnouncementEvent said(focused ? focused : window_, text);
    QAccessible::updateAccessibility(&said);
    return;
#endif
    QPointer<QWidget>& notice = notices_.at(next_);
    next_ = (next_ + 1) % notices_.size();
    if (!notice) {
        notice = MakeNotice(window_, bar_, text);
        return;
    }
    // Already shown, so renamed it would say nothing: it appears anew, as a fresh one does.
    notice->setAccessibleName(text);
    QAccessibleEvent shown(notice.data(), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace bellmora
