// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include "Dialogs.h"
#include "RecordChart.h"

class QWidget;

namespace bellmora {

// The record chart in a window of its own over the owner. Its plugin (with Qt Charts) is
// loaded when the chart is first shown: a program that never shows it pays nothing for it.
// Without the plugin the chart does not open, and the box says why.
class QtRecordChart final : public RecordChart {
public:
    QtRecordChart(QWidget* owner, Dialogs& dialogs);
    ~QtRecordChart() override;
    QtRecordChart(const QtRecordChart&) = delete;
    QtRecordChart& operator=(const QtRecordChart&) = delete;

    bool IsShown() const override;
    void Show(const RecordChartContent& content) override;
    void Update(const RecordChartContent& content) override;
    void Close() override;
    void SetDrillRequest(DrillRequest request) override;

private:
    QWidget* owner_;
    Dialogs& dialogs_;
    DrillRequest drillRequest_;            // handed on once the module is loaded
    std::unique_ptr<RecordChart> loaded_;  // its code stays loaded for the program's life
};

}  // namespace bellmora
