// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GuiTest.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTest>

#include "CaptionLabel.h"
#include "StartUp.h"
#include "TestApplication.h"

namespace bellmora::test {

namespace {

// The test program's application, prepared as the program prepares its own.
QApplication& Application() {
    static QApplication& app = []() -> QApplication& {
        QApplication& created = TestApplication();
        PrepareApplication(created);
        return created;
    }();
    return app;
}

}  // namespace

GuiTest::GuiTest() { Application(); }

void GuiTest::SetUp() { working_.emplace(folder_.Path()); }

void GuiTest::TearDown() {
    window_.reset();
    Settle();
    working_.reset();
}

void GuiTest::WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

void GuiTest::MakeFolder(const QString& name) {
    ASSERT_TRUE(QDir().mkdir(name)) << name.toStdString();
}

frmMain& GuiTest::OpenWindow(int countdownInterval) {
    window_ =
        std::make_unique<frmMain>(std::make_unique<CountingTextFiles>(reads_), countdownInterval);
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    return *window_;
}

std::u16string GuiTest::Caption(const char* label) {
    CaptionLabel* control = Control<CaptionLabel>(label);
    return control ? control->caption().toStdU16String() : u"(missing)";
}

void GuiTest::ClickItem(QListWidget& list, int row) {
    const QRect item = list.visualItemRect(list.item(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, item.center());
    Settle();
}

void GuiTest::Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

}  // namespace bellmora::test
