// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

namespace bellmora::test {

// The one application object of a test program, offscreen: made at first use and never
// destroyed, since Qt cannot tear it down among the program's exit handlers.
inline QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "bellmora-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    return *application;
}

}  // namespace bellmora::test
