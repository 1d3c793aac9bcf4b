// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>

#include "HelpTestFiles.h"
#include "HelpWindow.h"
#include "QtHelp.h"
#include "TestApplication.h"

namespace bellmora {
namespace {

using test::Damage;

struct Report {
    QString caption;
    QString text;
};

std::vector<HelpWindow*> VisibleHelpWindows() {
    std::vector<HelpWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<HelpWindow*>(widget);
        if (window != nullptr && window->isVisible()) windows.push_back(window);
    }
    return windows;
}

int ExistingHelpWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += qobject_cast<HelpWindow*>(widget) ? 1 : 0;
    return count;
}

class QtHelpTest : public testing::Test {
protected:
    void SetUp() override { test::TestApplication(); }
    void TearDown() override { help_.CloseAll(u"QorvHelp.chm"); }

    QtHelp help_{[this](const QString& caption, const QString& text) {
        reports_.push_back({caption, text});
    }};
    std::vector<Report> reports_;
};

TEST_F(QtHelpTest, Display_BuiltHelpFile_ShowsItsDefaultTopicWithContents) {
    help_.Display(u"QorvHelp.chm");
    EXPECT_TRUE(reports_.empty());
    const std::vector<HelpWindow*> windows = VisibleHelpWindows();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0]->windowTitle(), QStringLiteral("Bellmora ヘルプ"));
    const QTextBrowser& browser = *windows[0]->findChild<QTextBrowser*>();
    EXPECT_EQ(browser.source(), QUrl(QStringLiteral("chm:/index.html")));
    EXPECT_EQ(browser.documentTitle(), QStringLiteral("はじめに"));
    const QTreeWidget& contents = *windows[0]->findChild<QTreeWidget*>();
    EXPECT_EQ(contents.topLevelItemCount(), 7);
    EXPECT_EQ(contents.currentItem()->text(0), QStringLiteral("はじめに"));
}

TEST_F(QtHelpTest, Display_Twice_KeepsOneWindowAndShowsTheDefaultTopicAgain) {
    help_.Display(u"QorvHelp.chm");
    ASSERT_EQ(VisibleHelpWindows().size(), 1u);
    QTextBrowser& browser = *VisibleHelpWindows()[0]->findChild<QTextBrowser*>();
    emit browser.anchorClicked(QUrl(QStringLiteral("typing.html")));
    ASSERT_EQ(browser.source(), QUrl(QStringLiteral("chm:/typing.html")));

    help_.Display(u"QorvHelp.chm");
    ASSERT_EQ(VisibleHelpWindows().size(), 1u);
    EXPECT_EQ(VisibleHelpWindows()[0]->findChild<QTextBrowser*>(), &browser);
    EXPECT_EQ(browser.source(), QUrl(QStringLiteral("chm:/index.html")));
    EXPECT_TRUE(browser.isBackwardAvailable());
    EXPECT_EQ(ExistingHelpWindows(), 1);
}

TEST_F(QtHelpTest, CloseAll_LeavesNoHelpWindow) {
    help_.Display(u"QorvHelp.chm");
    ASSERT_EQ(VisibleHelpWindows().size(), 1u);
    help_.CloseAll(u"QorvHelp.chm");
    EXPECT_TRUE(VisibleHelpWindows().empty());
    EXPECT_EQ(ExistingHelpWindows(), 0);
    help_.CloseAll(u"QorvHelp.chm");  // with none open
    help_.Display(u"QorvHelp.chm");
    EXPECT_EQ(VisibleHelpWindows().size(), 1u);
}

TEST_F(QtHelpTest, Display_AfterTheUserClosedTheWindow_ShowsItAgain) {
    help_.Display(u"QorvHelp.chm");
    ASSERT_EQ(VisibleHelpWindows().size(), 1u);
    VisibleHelpWindows()[0]->close();
    help_.Display(u"QorvHelp.chm");
    EXPECT_EQ(VisibleHelpWindows().size(), 1u);
    EXPECT_EQ(ExistingHelpWindows(), 1);
}

TEST_F(QtHelpTest, Display_MissingFile_ReportsItByItsName) {
    help_.Display(u"NoSuchHelp.chm");
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(reports_[0].caption, QStringLiteral("Bellmora"));
    EXPECT_EQ(reports_[0].text,
              QStringLiteral("ヘルプファイル（NoSuchHelp.chm）を開けませんでした"));
    EXPECT_TRUE(VisibleHelpWindows().empty());
}

struct DamagedCase {
    const char* name;
    Damage damage;
};

void PrintTo(const DamagedCase& c, std::ostream* out) { *out << c.name; }

class QtHelpDamaged : public QtHelpTest, public testing::WithParamInterface<DamagedCase> {};

// A damaged file in the working folder comes before the good one the build made.
TEST_P(QtHelpDamaged, Display_DamagedFileInWorkingFolder_ReportsItAndCarriesOn) {
    test::TempFolder folder;
    test::WriteBytes(folder.Path() / "QorvHelp.chm",
                     test::Damaged(test::ReadBytes(test::BuiltHelpFile()), GetParam().damage));
    test::WorkingFolder working(folder.Path());

    help_.Display(u"QorvHelp.chm");
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(reports_[0].caption, QStringLiteral("Bellmora"));
    EXPECT_EQ(reports_[0].text, QStringLiteral("ヘルプファイル（QorvHelp.chm）を開けませんでした"));
    EXPECT_TRUE(VisibleHelpWindows().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QtHelpDamaged,
    testing::Values(DamagedCase{"Empty", Damage::Empty},
                    DamagedCase{"RandomBytes", Damage::RandomBytes},
                    DamagedCase{"TruncatedAtHalf", Damage::TruncatedAtHalf},
                    DamagedCase{"WithoutSystem", Damage::WithoutSystem},
                    DamagedCase{"CrashesTheLibrary", Damage::CrashesTheLibrary}),
    [](const testing::TestParamInfo<DamagedCase>& info) { return info.param.name; });

TEST(QtHelpOwner, Display_WithAnOwner_StandsTheHelpWindowOverIt) {
    test::TestApplication();
    QWidget owner;
    owner.show();
    QtHelp help(&owner);
    help.Display(u"QorvHelp.chm");
    const std::vector<HelpWindow*> windows = VisibleHelpWindows();
    ASSERT_EQ(windows.size(), 1u);
    ASSERT_NE(windows[0]->windowHandle(), nullptr);
    EXPECT_EQ(windows[0]->windowHandle()->transientParent(), owner.windowHandle());
    EXPECT_FALSE(windows[0]->isModal());  // the program goes on while help is open
    help.CloseAll(u"QorvHelp.chm");
    EXPECT_EQ(ExistingHelpWindows(), 0);
}

TEST(QtHelpWarningBox, Display_MissingFile_ShowsAWarningBoxOverTheOwner) {
    test::TestApplication();
    QWidget owner;
    QtHelp help(&owner);
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->accept();
    });
    help.Display(u"NoSuchHelp.chm");
    EXPECT_EQ(caption, QStringLiteral("Bellmora"));
    EXPECT_EQ(text, QStringLiteral("ヘルプファイル（NoSuchHelp.chm）を開けませんでした"));
    EXPECT_EQ(icon, QMessageBox::Warning);
}

}  // namespace
}  // namespace bellmora
