// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

#include "Analyser.h"

namespace bellmora {

// Analyses loaded texts on a thread of its own, so that neither loading the analyser (its
// dictionary) nor a long text holds up the window; the result is handed back on the
// window's thread. The analyser is made for each request, never at start-up. Of
// requests that queue up (a list browsed with the arrow keys) only the latest is analysed.
class QtReadings final : public QObject, public Readings {
    Q_OBJECT
public:
    using AnalyserFactory = std::function<std::unique_ptr<Analyser>()>;
    using Delivery = std::function<void(const AnalysedText&)>;

    QtReadings(AnalyserFactory factory, Delivery deliver, QObject* parent = nullptr);
    ~QtReadings() override;

    void Request(const std::u16string& text) override;

private:
    struct Work {
        AnalyserFactory factory;
        std::atomic<unsigned> latest = 0;  // the number of the latest request
    };

    std::shared_ptr<Work> work_;
    Delivery deliver_;
    QThread thread_;
    QObject* worker_ = nullptr;  // lives on thread_
};

// MeCab's analyser from the module bellmora-readings, loaded at the first call; null when
// the module is missing (a build without MeCab) or MeCab finds no dictionary.
std::unique_ptr<Analyser> LoadReadingsModule();

}  // namespace bellmora
