// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordChartOpener.h"

#include <QAction>
#include <QKeyEvent>
#include <QListWidget>

namespace bellmora {

RecordChartOpener::RecordChartOpener(QListWidget& lstRireki) : QObject(&lstRireki) {
    // Enter asks even when the list is empty: the chart then says there is nothing yet.
    lstRireki.installEventFilter(this);
    connect(&lstRireki, &QListWidget::itemDoubleClicked, this, &RecordChartOpener::requested);
    auto* item = new QAction(QStringLiteral(u"記録グラフ"), &lstRireki);
    connect(item, &QAction::triggered, this, &RecordChartOpener::requested);
    lstRireki.addAction(item);
    lstRireki.setContextMenuPolicy(Qt::ActionsContextMenu);
}

bool RecordChartOpener::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                       (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!enter) return false;
    emit requested();
    return true;
}

}  // namespace bellmora
