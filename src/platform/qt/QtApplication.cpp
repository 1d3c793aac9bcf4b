// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtApplication.h"

#include <QCoreApplication>
#include <QScreen>
#include <QWidget>

namespace bellmora {

void QtApplication::ShowWindow() {
    if (const QScreen* screen = window_->screen()) {
        QRect frame = window_->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window_->move(frame.topLeft());
    }
    window_->show();
}

void QtApplication::Quit() {
    if (quit_) return;
    quit_ = true;
    window_->hide();
    QCoreApplication::exit(0);
}

}  // namespace bellmora
