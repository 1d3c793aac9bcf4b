// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Application.h"

class QWidget;

namespace bellmora {

// The program around the main window.
class QtApplication final : public Application {
public:
    explicit QtApplication(QWidget* window) : window_(window) {}

    // Shows the window centred on its screen.
    void ShowWindow() override;

    // Ends the program: from here on no event reaches the logic, the window goes away and
    // every running event loop (a message box's too) returns.
    void Quit() override;

    bool HasQuit() const { return quit_; }

private:
    QWidget* window_;
    bool quit_ = false;
};

}  // namespace bellmora
