// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractTableModel>

#include <vector>

#include "RecordChart.h"

namespace bellmora {

// The runs as a table, one row per run, numbered as on the chart; the cells are made as
// they are looked at, so tens of thousands of runs cost nothing until scrolled to.
class RunTableModel final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetRuns(std::vector<ChartRun> runs);
    const std::vector<ChartRun>& Runs() const { return runs_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<ChartRun> runs_;
};

}  // namespace bellmora
