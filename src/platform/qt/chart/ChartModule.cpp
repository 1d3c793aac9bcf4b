// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The record chart as a Qt plugin of its own, loaded when the chart is first shown: a
// program that never shows it neither loads Qt Charts nor maps its libraries.

#include <QObject>
#include <memory>

#include "RecordChart.h"
#include "RecordChartPlugin.h"
#include "RecordChartWindow.h"

namespace bellmora {
namespace {

class WindowRecordChart final : public RecordChart {
public:
    explicit WindowRecordChart(QWidget* owner) : window_(owner) {}

    bool IsShown() const override { return window_.isVisible(); }

    void Show(const RecordChartContent& content) override {
        window_.SetContent(content);
        window_.setWindowState(window_.windowState() & ~Qt::WindowMinimized);
        window_.show();
        window_.raise();
        window_.activateWindow();
    }

    void Update(const RecordChartContent& content) override { window_.SetContent(content); }

    void Close() override { window_.close(); }

    void SetDrillRequest(DrillRequest request) override {
        window_.SetDrillRequest(std::move(request));
    }

private:
    RecordChartWindow window_;
};

}  // namespace

class RecordChartPlugin final : public QObject, public RecordChartFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID BELLMORA_RECORD_CHART_FACTORY_IID)
    Q_INTERFACES(bellmora::RecordChartFactory)
public:
    std::unique_ptr<RecordChart> CreateChart(QWidget* owner) override {
        return std::make_unique<WindowRecordChart>(owner);
    }
};

}  // namespace bellmora

#include "ChartModule.moc"
