// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace bellmora {

class Application {
public:
    virtual ~Application() = default;
    // Shows the main window (not modal, no owner).
    virtual void ShowWindow() = 0;
    // Ends the program at once: the window goes away and no further event runs.
    virtual void Quit() = 0;
};

}  // namespace bellmora
