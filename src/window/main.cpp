// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>

#include "ChmIsolatedUnpack.h"
#include "StartUp.h"
#include "frmMain.h"

// The end-to-end tests build the program a second time with a quicker countdown; the
// program itself always counts down in seconds.
#ifdef BELLMORA_TEST_COUNTDOWN_INTERVAL
constexpr int kCountdownInterval = BELLMORA_TEST_COUNTDOWN_INTERVAL;
#else
constexpr int kCountdownInterval = bellmora::frmMain::kCountdownInterval;
#endif

int main(int argc, char* argv[]) {
    // Started again as the help file's unpacker, before anything of the window.
    if (const std::optional<int> code = bellmora::ServeAsChmUnpacker(argc, argv)) return *code;
    QApplication app(argc, argv);
    bellmora::PrepareApplication(app);
    // Creates the controls and runs the window's Load.
    bellmora::frmMain window(nullptr, kCountdownInterval);
    return QApplication::exec();
}
