// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtRecordChart.h"

#include "RecordChartWindow.h"

namespace bellmora {

QtRecordChart::QtRecordChart(QWidget* owner) : owner_(owner) {}

QtRecordChart::~QtRecordChart() = default;

bool QtRecordChart::IsShown() const {
    return window_ && window_->isVisible();
}

void QtRecordChart::Show(const RecordChartContent& content) {
    if (!window_) window_ = std::make_unique<RecordChartWindow>(owner_);
    window_->SetContent(content);
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void QtRecordChart::Update(const RecordChartContent& content) {
    if (window_) window_->SetContent(content);
}

void QtRecordChart::Close() {
    if (window_) window_->close();
}

}  // namespace bellmora
