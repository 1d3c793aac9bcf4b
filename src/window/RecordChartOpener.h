// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QListWidget;

namespace bellmora {

// The ways to ask for the record chart from the history list: a double-click on a line,
// Enter while the list has the focus, and the list's menu item "記録グラフ".
class RecordChartOpener final : public QObject {
    Q_OBJECT
public:
    explicit RecordChartOpener(QListWidget& lstRireki);

signals:
    void requested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace bellmora
