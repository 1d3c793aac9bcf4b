// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtPlugin>
#include <memory>

#include "RecordChart.h"

class QWidget;

namespace bellmora {

// What the record chart's plugin gives the program: the chart, in a window of its own
// over the owner.
class RecordChartFactory {
public:
    virtual ~RecordChartFactory() = default;
    virtual std::unique_ptr<RecordChart> CreateChart(QWidget* owner) = 0;
};

}  // namespace bellmora

// A changed interface takes a new name, so that a plugin built for another one is refused.
#define BELLMORA_RECORD_CHART_FACTORY_IID "org.bellmora.Bellmora.RecordChartFactory/1"
Q_DECLARE_INTERFACE(bellmora::RecordChartFactory, BELLMORA_RECORD_CHART_FACTORY_IID)
