// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtRecordChart.h"

#include <QCoreApplication>
#include <QPluginLoader>

#include "RecordChartPlugin.h"

namespace bellmora {

namespace {

std::unique_ptr<RecordChart> LoadChart(QWidget* owner) {
    // The installed plugin lies in the program's library folder; run from the build, it
    // lies beside the program, which is a library path of its own.
    QCoreApplication::addLibraryPath(QCoreApplication::applicationDirPath() +
                                     QStringLiteral("/" BELLMORA_CHART_FROM_PROGRAM));
    QPluginLoader plugin(QStringLiteral("bellmora-chart"));  // stays loaded with its window
    auto* factory = qobject_cast<RecordChartFactory*>(plugin.instance());
    return factory ? factory->CreateChart(owner) : nullptr;
}

}  // namespace

QtRecordChart::QtRecordChart(QWidget* owner, Dialogs& dialogs) : owner_(owner), dialogs_(dialogs) {}

QtRecordChart::~QtRecordChart() = default;

bool QtRecordChart::IsShown() const { return loaded_ && loaded_->IsShown(); }

void QtRecordChart::Show(const RecordChartContent& content) {
    if (!loaded_) {
        loaded_ = LoadChart(owner_);
        if (loaded_) loaded_->SetDrillRequest(drillRequest_);
    }
    if (!loaded_) {
        dialogs_.ShowMessage(
            u"記録グラフを開けませんでした。グラフの部品（bellmora-chart）が"
            u"見つからないか、読み込めません。",
            u"Bellmora", MessageIcon::Warning, MessageButtons::Ok);
        return;
    }
    loaded_->Show(content);
}

void QtRecordChart::Update(const RecordChartContent& content) {
    if (loaded_) loaded_->Update(content);
}

void QtRecordChart::SetDrillRequest(DrillRequest request) {
    drillRequest_ = std::move(request);
    if (loaded_) loaded_->SetDrillRequest(drillRequest_);
}

void QtRecordChart::Close() {
    if (loaded_) loaded_->Close();
}

}  // namespace bellmora
