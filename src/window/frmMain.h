// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include <QTimer>
#include <QWidget>

#include "Platform.h"
#include "QtApplication.h"
#include "QtClock.h"
#include "QtControls.h"
#include "QtDialogs.h"
#include "QtReadings.h"
#include "QtSound.h"
#include "QtSpeech.h"
#include "QtTextFiles.h"
#include "ShowRecordChart.h"
#include "WindowState.h"
#include "chart/QtRecordChart.h"
#include "help/QtHelp.h"

namespace bellmora {

// The program's one window. It owns the controls, the window state and the platform the
// logic works through, and hands every event of its controls to the logic's handler.
class frmMain final : public QWidget {
    Q_OBJECT
public:
    // A second between the countdown's lights.
    static constexpr int kCountdownInterval = 1000;  // ms

    // Creates the controls, lists the problems of the working folder, starts both timers
    // and runs the window's Load, which shows it. The files of the working folder are
    // reached through files (the real ones when none are given); tests may shorten the
    // countdown.
    explicit frmMain(std::unique_ptr<TextFiles> files = nullptr,
                     int countdownInterval = kCountdownInterval);
    ~frmMain() override;

    const WindowState& state() const { return state_; }
    int countdownInterval() const { return tmrStart_.interval(); }

protected:
    // Closing the window is the End command.
    void closeEvent(QCloseEvent* event) override;

private:
    using Handler = void (*)(WindowState&, Platform&);

    void SetUpWindow();
    void WireEvents();
    void Dispatch(Handler handler);
    // A handler that takes more than the state and the platform, bound by a lambda.
    template <class Handle>
    void Dispatch(Handle&& handle);
    void OpenRecordChart();
    void OnTypingTimer();
    void OnReadings(const AnalysedText& analysed);
    void SetUpGuideSwitch();

    WindowState state_;
    QTimer tmrStart_;
    QTimer timer2_;
    QtControlSet widgets_;
    QtControls controls_;
    QtSpeech speech_;
    QtDialogs dialogs_;
    QtSound sound_;
    QtClock clock_;
    std::unique_ptr<TextFiles> files_;
    QtHelp help_;
    QtRecordChart chart_;
    ChartedRecords charted_;
    QtApplication app_;
    QtReadings readings_;
    Platform platform_;
};

}  // namespace bellmora
