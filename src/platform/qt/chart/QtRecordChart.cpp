// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtRecordChart.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QMessageBox>
#include <QWidget>

namespace bellmora {

namespace {

using CreateChart = RecordChart* (*)(QWidget* owner);

// Where the installed module lies, seen from the installed program; then the program's
// library folders, its own folder (the build tree) among them.
QStringList ModuleNames() {
    const QString name = QStringLiteral("/bellmora-chart");
    QStringList names = {QCoreApplication::applicationDirPath() +
                         QStringLiteral("/" BELLMORA_CHART_FROM_PROGRAM) + name};
    for (const QString& folder : QCoreApplication::libraryPaths()) names.append(folder + name);
    return names;
}

std::unique_ptr<RecordChart> LoadChart(QWidget* owner) {
    for (const QString& name : ModuleNames()) {
        QLibrary module(name);  // never unloaded: the chart's window runs its code
        const auto create =
            reinterpret_cast<CreateChart>(module.resolve("BellmoraCreateRecordChart"));
        if (create) return std::unique_ptr<RecordChart>(create(owner));
    }
    return nullptr;
}

void WarnMissing(QWidget* owner) {
    QMessageBox box(
        QMessageBox::Warning, QStringLiteral("Bellmora"),
        QStringLiteral(u"記録グラフを開けませんでした（bellmora-chart が見つかりません）"),
        QMessageBox::Ok, owner);
    if (owner) box.setPalette(owner->palette());
    box.exec();
}

}  // namespace

QtRecordChart::QtRecordChart(QWidget* owner) : owner_(owner) {}

QtRecordChart::~QtRecordChart() = default;

bool QtRecordChart::IsShown() const { return loaded_ && loaded_->IsShown(); }

void QtRecordChart::Show(const RecordChartContent& content) {
    if (!loaded_) {
        loaded_ = LoadChart(owner_);
        if (loaded_) loaded_->SetDrillRequest(drillRequest_);
    }
    if (!loaded_) return WarnMissing(owner_);
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
