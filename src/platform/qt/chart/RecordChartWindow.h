// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "RecordChart.h"

class QCategoryAxis;
class QChart;
class QChartView;
class QLabel;
class QPushButton;
class QRadioButton;
class QStandardItemModel;
class QLineSeries;
class QSplineSeries;
class QStackedWidget;
class QTableView;
class QValueAxis;
class QXYSeries;

namespace bellmora {

class RunTableModel;

// The record chart's window: the chart of the runs with its line of figures, and the
// runs as a table in a second tab.
class RecordChartWindow final : public QWidget {
    Q_OBJECT
public:
    // In the owner's colours, standing over it.
    explicit RecordChartWindow(QWidget* owner);

    void SetContent(const RecordChartContent& content);
    void SetDrillRequest(DrillRequest request) { drillRequest_ = std::move(request); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* MakeChartPage();
    QWidget* MakeTablePage();
    void MakeChart();
    void AddSeries(QXYSeries* series, const QString& name, const QColor& colour, qreal width);
    void SetRanges(std::size_t runs, double highest);
    void LabelDates();
    void ShowRunTip(const QPointF& point, bool hovering);
    void CopySelectedRuns() const;
    QWidget* MakeWeakPage();
    void ShowWeakCharacters();
    void SetAccuracy(const std::vector<double>& accuracy);

    QStackedWidget* chartPage_ = nullptr;
    QChartView* view_ = nullptr;
    QChart* chart_ = nullptr;
    QLineSeries* speed_ = nullptr;
    QLineSeries* best_ = nullptr;
    QSplineSeries* mean_ = nullptr;
    QValueAxis* runAxis_ = nullptr;
    QCategoryAxis* dateAxis_ = nullptr;
    QValueAxis* speedAxis_ = nullptr;
    QLabel* figures_ = nullptr;
    QLabel* note_ = nullptr;
    QTableView* table_ = nullptr;
    RunTableModel* model_ = nullptr;

    QLineSeries* accuracy_ = nullptr;
    QValueAxis* accuracyAxis_ = nullptr;
    QRadioButton* weakInFolder_ = nullptr;
    QTableView* weakTable_ = nullptr;
    QStandardItemModel* weakModel_ = nullptr;
    QLabel* weakNote_ = nullptr;
    QPushButton* drill_ = nullptr;
    std::vector<WeakCharacterRow> weakInText_, weakInFolderRows_;
    int weakMinimum_ = 0;
    DrillRequest drillRequest_;
};

}  // namespace bellmora
