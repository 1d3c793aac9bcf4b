#include "GuiTest.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTest>

#include "CaptionLabel.h"
#include "StartUp.h"

namespace bellmora::test {

namespace {

QApplication& Application() {
    static int argc = 1;
    static char name[] = "bellmora-gui-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        auto* created = new QApplication(argc, argv);  // lives until the process ends
        PrepareApplication(*created);
        return created;
    }();
    return *app;
}

}  // namespace

GuiTest::GuiTest() {
    Application();
}

void GuiTest::SetUp() {
    ASSERT_TRUE(folder_.isValid());
    previousFolder_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder_.path()));
}

void GuiTest::TearDown() {
    window_.reset();
    Settle();
    QDir::setCurrent(previousFolder_);
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
    window_ = std::make_unique<frmMain>(std::make_unique<CountingTextFiles>(reads_), countdownInterval);
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
