// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Runs a GUI test in its own new working folder, with the program's QApplication (created
// once per process, offscreen) and, on demand, the real main window.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <QString>
#include <QWidget>

#include "QtTextFiles.h"
#include "TempFolder.h"
#include "frmMain.h"

class QListWidget;

namespace bellmora::test {

// The real files, counting how often each one is read.
class CountingTextFiles final : public TextFiles {
public:
    explicit CountingTextFiles(std::map<std::u16string, int>& reads) : reads_(reads) {}
    TextFileContent ReadText(const std::u16string& name) override {
        ++reads_[name];
        return files_.ReadText(name);
    }
    bool Append(const std::u16string& name, std::string_view bytes) override {
        return files_.Append(name, bytes);
    }
    bool Truncate(const std::u16string& name) override { return files_.Truncate(name); }
    bool Remove(const std::u16string& name) override { return files_.Remove(name); }
    bool WriteText(const std::u16string& name, const std::u16string& text) override {
        return files_.WriteText(name, text);
    }

private:
    QtTextFiles files_;
    std::map<std::u16string, int>& reads_;
};

class GuiTest : public ::testing::Test {
protected:
    GuiTest();  // before the widgets of a derived fixture: they need the QApplication
    void SetUp() override;
    void TearDown() override;

    // Writes a file of the working folder (UTF-8 for text), or makes a folder.
    void WriteFile(const QString& name, const QByteArray& bytes);
    void MakeFolder(const QString& name);

    // Opens the main window over the working folder as it is now, and makes it active.
    frmMain& OpenWindow(int countdownInterval = frmMain::kCountdownInterval);
    frmMain& window() { return *window_; }

    template <class T = QWidget>
    T* Control(const char* name) {
        T* control = window_->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    std::u16string Caption(const char* label);

    // Times the problem file has been read, which is once per load.
    int Loads(const std::u16string& fileName) { return reads_[fileName]; }

    // Clicks a name of a list and lets the queued events run.
    static void ClickItem(QListWidget& list, int row);
    // Runs the events posted so far (queued calls included).
    static void Settle();

private:
    TempFolder folder_;
    std::optional<WorkingFolder> working_;
    std::map<std::u16string, int> reads_;
    std::unique_ptr<frmMain> window_;
};

}  // namespace bellmora::test
