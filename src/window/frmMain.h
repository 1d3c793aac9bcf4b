#pragma once

#include <memory>

#include <QTimer>
#include <QWidget>

#include "Platform.h"
#include "QtApplication.h"
#include "QtClock.h"
#include "QtControls.h"
#include "QtDialogs.h"
#include "QtSound.h"
#include "QtTextFiles.h"
#include "WindowState.h"
#include "help/QtHelp.h"

namespace bellmora {

// The program's one window. It owns the controls, the window state and the platform the
// logic works through, and hands every event of its controls to the logic's handler.
class frmMain final : public QWidget {
    Q_OBJECT
public:
    // Creates the controls, lists the problems of the working folder, starts both timers
    // and runs the window's Load, which shows it. The files of the working folder are
    // reached through files (the real ones when none are given).
    explicit frmMain(std::unique_ptr<TextFiles> files = nullptr);
    ~frmMain() override;

    const WindowState& state() const { return state_; }

protected:
    // Closing the window is the End command.
    void closeEvent(QCloseEvent* event) override;

private:
    using Handler = void (*)(WindowState&, Platform&);

    void SetUpWindow();
    void WireEvents();
    void Dispatch(Handler handler);
    void OnTypingTimer();

    WindowState state_;
    QTimer tmrStart_;
    QTimer timer2_;
    QtControlSet widgets_;
    QtControls controls_;
    QtDialogs dialogs_;
    QtSound sound_;
    QtClock clock_;
    std::unique_ptr<TextFiles> files_;
    QtHelp help_;
    QtApplication app_;
    Platform platform_;
};

}  // namespace bellmora
