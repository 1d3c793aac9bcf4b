// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RunTableModel.h"

#include <array>

namespace bellmora {

namespace {

constexpr std::array<const char16_t*, 7> kHeadings = {
    u"日時", u"文字数", u"秒", u"タイプ／秒", u"秒／タイプ", u"ミス", u"正確さ"};

const std::u16string& Cell(const ChartRun& run, int column) {
    switch (column) {
        case 0:
            return run.date;
        case 1:
            return run.moji;
        case 2:
            return run.jikan;
        case 3:
            return run.byou;
        case 4:
            return run.byou2;
        case 5:
            return run.miss;
        default:
            return run.accuracy;
    }
}

}  // namespace

void RunTableModel::SetRuns(std::vector<ChartRun> runs) {
    beginResetModel();
    runs_ = std::move(runs);
    endResetModel();
}

int RunTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(runs_.size());
}

int RunTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kHeadings.size());
}

QVariant RunTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole)  // figures line up on their last digit
        return index.column() == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                   : int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    return QString::fromStdU16String(
        Cell(runs_.at(static_cast<std::size_t>(index.row())), index.column()));
}

QVariant RunTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Vertical) return section + 1;  // the run's number on the chart
    return QString::fromUtf16(kHeadings.at(static_cast<std::size_t>(section)));
}

}  // namespace bellmora
