// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordChartWindow.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QSplineSeries>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

#include "ChartPoints.h"
#include "FontNames.h"
#include "RunTableModel.h"

namespace bellmora {

namespace {

// Markers on every run help while they stand apart; on a long history they only blur.
constexpr std::size_t kMostRunsWithMarkers = 120;
// A date needs about this much room on its axis.
constexpr int kDateLabelWidth = 110;  // pixels

QString Qt16(const std::u16string& text) { return QString::fromStdU16String(text); }

// The main window's face for texts in Japanese.
QFont JapaneseFont(qreal points) {
    QFont font(QStringView(kPGothicFace).toString());
    font.setPointSizeF(points);
    return font;
}

// A step of 1, 2 or 5 times a power of ten that cuts the runs into about eight.
double TickInterval(std::size_t runs) {
    const double rough = std::max(1.0, static_cast<double>(runs) / 8.0);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double step : {1.0, 2.0, 5.0})
        if (step * power >= rough) return step * power;
    return 10.0 * power;
}

void StyleAxis(QAbstractAxis* axis, const QString& title) {
    axis->setTitleText(title);
    axis->setTitleFont(JapaneseFont(9.75));
    axis->setLabelsFont(JapaneseFont(9));
    axis->setLabelsColor(Qt::black);
    axis->setTitleBrush(Qt::black);
    axis->setGridLineColor(QColor(220, 220, 220));
}

}  // namespace

RecordChartWindow::RecordChartWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("recordChart"));
    if (owner) setPalette(owner->palette());  // a window does not inherit its owner's colours
    setFont(JapaneseFont(10.5));
    auto* tabs = new QTabWidget(this);
    tabs->addTab(MakeChartPage(), QStringLiteral(u"グラフ"));
    tabs->addTab(MakeTablePage(), QStringLiteral(u"表"));
    tabs->addTab(MakeWeakPage(), QStringLiteral(u"苦手な字"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(tabs);
    // A way out for the keyboard alone: Escape, Ctrl+W or the button.
    auto* closeButton = new QPushButton(QStringLiteral(u"閉じる"));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(closeButton, 0, Qt::AlignRight);
    auto* closeKeys = new QAction(this);
    closeKeys->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(closeKeys, &QAction::triggered, this, &QWidget::close);
    addAction(closeKeys);
    resize(760, 520);
}

QWidget* RecordChartWindow::MakeChartPage() {
    MakeChart();
    view_ = new QChartView(chart_);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setAccessibleName(QStringLiteral(u"記録グラフ"));
    figures_ = new QLabel;
    figures_->setObjectName(QStringLiteral("figures"));
    figures_->setWordWrap(true);
    figures_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    figures_->setFocusPolicy(Qt::StrongFocus);  // reached by Tab, and read as it is
    figures_->setContentsMargins(6, 2, 6, 4);
    auto* chartAndFigures = new QWidget;
    auto* layout = new QVBoxLayout(chartAndFigures);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_, 1);
    layout->addWidget(figures_);

    note_ = new QLabel;
    note_->setObjectName(QStringLiteral("note"));
    note_->setAlignment(Qt::AlignCenter);
    note_->setWordWrap(true);
    chartPage_ = new QStackedWidget;
    chartPage_->addWidget(chartAndFigures);
    chartPage_->addWidget(note_);
    return chartPage_;
}

void RecordChartWindow::MakeChart() {
    chart_ = new QChart;
    chart_->setBackgroundBrush(palette().color(QPalette::Window));
    chart_->setBackgroundRoundness(0);
    chart_->setPlotAreaBackgroundBrush(Qt::white);
    chart_->setPlotAreaBackgroundVisible(true);
    chart_->setMargins(QMargins(4, 4, 4, 4));
    chart_->legend()->setAlignment(Qt::AlignBottom);
    chart_->legend()->setFont(JapaneseFont(9.75));
    chart_->legend()->setLabelColor(Qt::black);

    runAxis_ = new QValueAxis;
    runAxis_->setLabelFormat(QStringLiteral("%d"));
    runAxis_->setTickType(QValueAxis::TicksDynamic);
    runAxis_->setTickAnchor(0);
    StyleAxis(runAxis_, QStringLiteral(u"回（記録の順）"));
    dateAxis_ = new QCategoryAxis;
    dateAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    dateAxis_->setGridLineVisible(false);
    StyleAxis(dateAxis_, QString());
    speedAxis_ = new QValueAxis;
    StyleAxis(speedAxis_, QStringLiteral(u"タイプ／秒"));
    chart_->addAxis(runAxis_, Qt::AlignBottom);
    chart_->addAxis(dateAxis_, Qt::AlignTop);
    chart_->addAxis(speedAxis_, Qt::AlignLeft);

    speed_ = new QLineSeries;
    best_ = new QLineSeries;
    mean_ = new QSplineSeries;
    AddSeries(speed_, QStringLiteral(u"各回"), QColor(0, 102, 204), 1.5);
    AddSeries(best_, QStringLiteral(u"それまでの最速"), QColor(204, 85, 0), 2);
    AddSeries(mean_, QString(), QColor(0, 140, 70), 2.5);  // named with the content

    // Accuracy on an axis of its own at the right, for the runs whose misses are known.
    accuracyAxis_ = new QValueAxis;
    accuracyAxis_->setLabelFormat(QStringLiteral("%.0f%%"));
    StyleAxis(accuracyAxis_, QStringLiteral(u"正確さ（％）"));
    accuracyAxis_->setGridLineVisible(false);
    chart_->addAxis(accuracyAxis_, Qt::AlignRight);
    accuracy_ = new QLineSeries;
    accuracy_->setName(QStringLiteral(u"正確さ"));
    QPen pen(QColor(176, 58, 58), 1.5, Qt::DashLine);
    accuracy_->setPen(pen);
    chart_->addSeries(accuracy_);
    accuracy_->attachAxis(runAxis_);
    accuracy_->attachAxis(accuracyAxis_);
}

void RecordChartWindow::AddSeries(QXYSeries* series, const QString& name, const QColor& colour,
                                  qreal width) {
    series->setName(name);
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    series->setPen(pen);
    chart_->addSeries(series);
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(runAxis_), static_cast<QAbstractAxis*>(dateAxis_),
          static_cast<QAbstractAxis*>(speedAxis_)})
        series->attachAxis(axis);
    connect(series, &QXYSeries::hovered, this, &RecordChartWindow::ShowRunTip);
}

QWidget* RecordChartWindow::MakeTablePage() {
    model_ = new RunTableModel(this);
    table_ = new QTableView;
    table_->setModel(model_);
    table_->setAccessibleName(QStringLiteral(u"記録の表"));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setTabKeyNavigation(false);  // Tab leaves the table; the arrows move in it
    table_->setAlternatingRowColors(true);
    table_->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Every row is one line high and every column as wide as its longest figure: nothing
    // needs measuring, however many runs there are.
    table_->setFont(font());  // made before it has a parent to take the window's font from
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    const QString widest[] = {QStringLiteral("00/00/00 00:00:00"),
                              QStringLiteral("00000.0"),
                              QStringLiteral("00000.00"),
                              QStringLiteral("0000.000"),
                              QStringLiteral("0000.000"),
                              QStringLiteral("00000"),
                              QStringLiteral("100.0%")};
    for (int column = 0; column < model_->columnCount(); ++column) {
        const QString heading =
            model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const int text = std::max(table_->fontMetrics().horizontalAdvance(widest[column]),
                                  table_->fontMetrics().horizontalAdvance(heading));
        table_->horizontalHeader()->resizeSection(column, text + 20);
    }
    auto* copy = new QAction(QStringLiteral(u"コピー"), table_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QAction::triggered, this, &RecordChartWindow::CopySelectedRuns);
    table_->addAction(copy);
    table_->setContextMenuPolicy(Qt::ActionsContextMenu);
    return table_;
}

void RecordChartWindow::SetContent(const RecordChartContent& content) {
    setWindowTitle(Qt16(content.title));
    model_->SetRuns(content.runs);
    table_->scrollToBottom();  // the newest runs, as the history shows them
    note_->setText(Qt16(content.note));
    figures_->setText(Qt16(content.figures));
    chartPage_->setCurrentIndex(content.runs.empty() ? 1 : 0);

    speed_->replace(LinePoints(content.speed));
    speed_->setPointsVisible(content.speed.size() <= kMostRunsWithMarkers);
    best_->replace(StepPoints(content.bestSoFar));
    mean_->replace(MeanPoints(content.recentMean));
    mean_->setName(Qt16(content.recentMeanName));
    const auto highest = std::max_element(content.speed.begin(), content.speed.end());
    SetRanges(content.speed.size(), highest == content.speed.end() ? 1.0 : *highest);
    LabelDates();
    SetAccuracy(content.accuracy);
    weakInText_ = content.weakInText;
    weakInFolderRows_ = content.weakInFolder;
    weakMinimum_ = content.weakMinimum;
    ShowWeakCharacters();
}

void RecordChartWindow::SetAccuracy(const std::vector<double>& accuracy) {
    QList<QPointF> points;
    double lowest = 100;
    for (std::size_t i = 0; i < accuracy.size(); ++i) {
        if (std::isnan(accuracy[i])) continue;
        points.append(QPointF(static_cast<double>(i + 1), accuracy[i]));
        lowest = std::min(lowest, accuracy[i]);
    }
    accuracy_->replace(points);
    accuracy_->setPointsVisible(points.size() <= static_cast<qsizetype>(kMostRunsWithMarkers));
    const bool known = !points.isEmpty();
    accuracy_->setVisible(known);
    accuracyAxis_->setVisible(known);
    // Accuracy lives near the top: up to 100 in round steps, its lines on the speed's.
    const int ticks = std::max(2, speedAxis_->tickCount());
    double step = 100.0 / (ticks - 1);
    for (const double round : {5.0, 10.0, 20.0, 25.0})
        if (100.0 - round * (ticks - 1) <= lowest) {
            step = std::min(step, round);
            break;
        }
    accuracyAxis_->setTickCount(ticks);
    accuracyAxis_->setRange(100.0 - step * (ticks - 1), 100.0);
}

QWidget* RecordChartWindow::MakeWeakPage() {
    auto* page = new QWidget;
    auto* inText = new QRadioButton(QStringLiteral(u"この問題"));
    weakInFolder_ = new QRadioButton(QStringLiteral(u"フォルダーのすべての問題"));
    inText->setChecked(true);
    auto* scope = new QButtonGroup(page);
    scope->addButton(inText);
    scope->addButton(weakInFolder_);
    connect(weakInFolder_, &QRadioButton::toggled, this, &RecordChartWindow::ShowWeakCharacters);

    weakModel_ = new QStandardItemModel(0, 5, this);
    weakModel_->setHorizontalHeaderLabels({QStringLiteral(u"字"), QStringLiteral(u"出た回数"),
                                           QStringLiteral(u"ミス"), QStringLiteral(u"ミス率"),
                                           QStringLiteral(u"よく打った字")});
    weakTable_ = new QTableView;
    weakTable_->setObjectName(QStringLiteral("weakTable"));
    weakTable_->setModel(weakModel_);
    weakTable_->setAccessibleName(QStringLiteral(u"苦手な字の表"));
    weakTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    weakTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    weakTable_->setAlternatingRowColors(true);
    weakTable_->setFont(font());
    weakTable_->horizontalHeader()->setStretchLastSection(true);
    weakTable_->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);

    weakNote_ = new QLabel;
    weakNote_->setObjectName(QStringLiteral("weakNote"));
    weakNote_->setWordWrap(true);
    drill_ = new QPushButton(QStringLiteral(u"苦手な字で練習"));
    drill_->setObjectName(QStringLiteral("drill"));
    connect(drill_, &QPushButton::clicked, this, [this] {
        if (drillRequest_) drillRequest_(weakInFolder_->isChecked());
    });

    auto* scopeRow = new QHBoxLayout;
    scopeRow->addWidget(inText);
    scopeRow->addWidget(weakInFolder_);
    scopeRow->addStretch(1);
    auto* drillRow = new QHBoxLayout;
    drillRow->addWidget(weakNote_, 1);
    drillRow->addWidget(drill_);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(scopeRow);
    layout->addWidget(weakTable_, 1);
    layout->addLayout(drillRow);
    return page;
}

void RecordChartWindow::ShowWeakCharacters() {
    const std::vector<WeakCharacterRow>& rows =
        weakInFolder_->isChecked() ? weakInFolderRows_ : weakInText_;
    weakModel_->setRowCount(0);
    for (const WeakCharacterRow& row : rows) {
        QList<QStandardItem*> cells;
        for (const std::u16string* cell :
             {&row.character, &row.expected, &row.missed, &row.rate, &row.mostTyped}) {
            auto* item = new QStandardItem(Qt16(*cell));
            item->setTextAlignment(cell == &row.character || cell == &row.mostTyped
                                       ? Qt::AlignLeft | Qt::AlignVCenter
                                       : Qt::AlignRight | Qt::AlignVCenter);
            cells.append(item);
        }
        weakModel_->appendRow(cells);
    }
    weakNote_->setText(
        rows.empty()
            ? QStringLiteral(u"ミスの記録はまだありません（同じ字が%1回以上出てから並びます）")
                  .arg(weakMinimum_)
            : QStringLiteral(u"ミス率の高い順（%1回以上出た字）").arg(weakMinimum_));
    // With no misses known there is nothing to drill: the button says so.
    drill_->setEnabled(!rows.empty());
    drill_->setText(rows.empty() ? QStringLiteral(u"苦手な字で練習（ミスの記録がありません）")
                                 : QStringLiteral(u"苦手な字で練習"));
}

void RecordChartWindow::SetRanges(std::size_t runs, double highest) {
    // One run still needs an axis around it.
    runAxis_->setRange(runs > 1 ? 1 : 0, runs > 1 ? static_cast<double>(runs) : 2);
    runAxis_->setTickInterval(TickInterval(runs));
    dateAxis_->setRange(runAxis_->min(), runAxis_->max());
    speedAxis_->setRange(0, std::max(highest, 0.1) * 1.05);
    speedAxis_->applyNiceNumbers();
}

// The date of a run above it, for as many runs, evenly spread, as there is room for.
void RecordChartWindow::LabelDates() {
    for (const QString& label : dateAxis_->categoriesLabels()) dateAxis_->remove(label);
    const std::vector<ChartRun>& runs = model_->Runs();
    if (runs.empty()) return;
    const std::size_t room =
        static_cast<std::size_t>(std::max(2, view_->width() / kDateLabelWidth));
    const std::size_t shown = std::min(runs.size(), room);
    dateAxis_->setStartValue(runAxis_->min());
    for (std::size_t j = 0; j < shown; ++j) {
        // In the middle of each stretch, so that no date hangs over the chart's edge.
        const std::size_t run = (2 * j + 1) * runs.size() / (2 * shown);
        const QString day = Qt16(runs[run].date.substr(0, 8));  // yy/mm/dd
        if (!dateAxis_->categoriesLabels().contains(day))
            dateAxis_->append(day, static_cast<double>(run + 1));
    }
}

void RecordChartWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LabelDates();
}

void RecordChartWindow::ShowRunTip(const QPointF& point, bool hovering) {
    const std::vector<ChartRun>& runs = model_->Runs();
    const auto run =
        static_cast<std::size_t>(std::clamp<double>(std::round(point.x()), 1, 1e9)) - 1;
    if (!hovering || run >= runs.size()) return QToolTip::hideText();
    const QString tip = QStringLiteral(u"第%1回　%2　%3タイプ／秒")
                            .arg(run + 1)
                            .arg(Qt16(runs[run].date), Qt16(runs[run].byou));
    QToolTip::showText(QCursor::pos(), tip, view_);
}

void RecordChartWindow::CopySelectedRuns() const {
    QModelIndexList rows = table_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    QStringList lines;
    for (const QModelIndex& row : rows) {
        QStringList cells;
        for (int column = 0; column < model_->columnCount(); ++column)
            cells.append(model_->index(row.row(), column).data().toString());
        lines.append(cells.join(u'\t'));
    }
    if (!lines.isEmpty()) QApplication::clipboard()->setText(lines.join(u'\n') + u'\n');
}

}  // namespace bellmora
