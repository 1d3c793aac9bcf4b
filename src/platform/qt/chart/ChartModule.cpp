// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The record chart as a module of its own, loaded when the chart is first shown: a
// program that never shows it neither loads Qt Charts nor maps its libraries.

#include <QtGlobal>

#include <memory>

#include "RecordChart.h"
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
}  // namespace bellmora

extern "C" Q_DECL_EXPORT bellmora::RecordChart* BellmoraCreateRecordChart(QWidget* owner) {
    return new bellmora::WindowRecordChart(owner);
}
