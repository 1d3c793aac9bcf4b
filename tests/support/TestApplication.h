// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

namespace bellmora::test {

// No event loop runs between tests, so what a test queued with deleteLater would wait for
// the process's exit, where Qt 6.8 runs it after the window system is gone (a help window
// crashed in ~QWindow). Each test's queued deletes run as soon as it has ended instead.
class DeferredDeletesAfterEachTest : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// The one application object of a test program, offscreen: made at first use and never
// destroyed, since Qt cannot tear it down among the program's exit handlers.
inline QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "bellmora-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* application = [] {
        auto* made = new QApplication(argc, argv);
        // Settings (the reading guide's switch) go to the test run's own folder, never
        // to the user's.
        static QTemporaryDir settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        testing::UnitTest::GetInstance()->listeners().Append(new DeferredDeletesAfterEachTest);
        return made;
    }();
    return *application;
}

}  // namespace bellmora::test
