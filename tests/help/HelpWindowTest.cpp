// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTreeWidget>

#include "ChmArchive.h"
#include "HelpTestFiles.h"
#include "HelpWindow.h"
#include "TestApplication.h"

namespace bellmora {
namespace {

const QUrl kIndex(QStringLiteral("chm:/index.html"));

std::shared_ptr<const ChmArchive> Archive(ChmObjects objects) {
    std::optional<ChmArchive> archive = ChmArchive::FromObjects(std::move(objects));
    if (!archive) throw std::runtime_error("no #SYSTEM");
    return std::make_shared<const ChmArchive>(std::move(*archive));
}

const std::string kContents =
    "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Group\"></OBJECT>"
    "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Gone\"><param "
    "name=\"Local\" "
    "value=\"gone.html\"></OBJECT>"
    "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Second\"><param name=\"Local\" "
    "value=\"pages/second.html\"></OBJECT></UL></UL>";

class HelpWindowTest : public testing::Test {
protected:
    void SetUp() override { test::TestApplication(); }

    static QTextBrowser& Browser(HelpWindow& window) { return *window.findChild<QTextBrowser*>(); }
    static QTreeWidget& Contents(HelpWindow& window) { return *window.findChild<QTreeWidget*>(); }
};

TEST_F(HelpWindowTest, ShowsTheDefaultTopicUnderTheFileTitle) {
    HelpWindow window(Archive({{"/#SYSTEM", test::SystemFile({{2, "index.html"}, {3, "My Help"}})},
                               {"/index.html", "<meta charset=utf-8><h1>表紙</h1>"}}));
    window.ShowStartPage();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("My Help"));
    EXPECT_EQ(Browser(window).source(), kIndex);
    EXPECT_EQ(Browser(window).toPlainText(), QStringLiteral("表紙"));
    EXPECT_FALSE(Contents(window).isVisibleTo(&window));  // no contents file
}

// The keyboard alone can leave the window.
TEST_F(HelpWindowTest, EscapeOrCtrlW_ClosesTheWindow) {
    for (const QKeyCombination key : {QKeyCombination(Qt::Key_Escape), Qt::CTRL | Qt::Key_W}) {
        HelpWindow window(
            Archive({{"/#SYSTEM", test::SystemFile({{2, "index.html"}})}, {"/index.html", "x"}}));
        window.ShowStartPage();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&Browser(window), key.key(), key.keyboardModifiers());
        EXPECT_FALSE(window.isVisible()) << QKeySequence(key).toString().toStdString();
    }
}

// A voice would spell out the marks Qt keeps around a table; a reader gets line ends.
TEST_F(HelpWindowTest, PageAsAScreenReaderReadsIt_HoldsNoTableMarks) {
    HelpWindow window(Archive({{"/#SYSTEM", test::SystemFile({{2, "index.html"}})},
                               {"/index.html",
                                "<meta charset=utf-8><h1>表紙</h1><table><tr><td>a</td><td>b</td>"
                                "</tr></table><p>おわり</p>"}}));
    window.ShowStartPage();
    QAccessibleTextInterface* text =
        QAccessible::queryAccessibleInterface(&Browser(window))->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()), QStringLiteral(u"表紙\na\nb\n\nおわり"));
}

TEST_F(HelpWindowTest, WithoutTitle_CaptionIsBellmoraHelp) {
    HelpWindow window(
        Archive({{"/#SYSTEM", test::SystemFile({{2, "index.html"}})}, {"/index.html", "x"}}));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Bellmora ヘルプ"));
}

TEST_F(HelpWindowTest, DefaultTopicMissing_StartsAtTheFirstContentsPageTheFileHolds) {
    HelpWindow window(Archive({{"/#SYSTEM", test::SystemFile({{0, "toc.hhc"}, {2, "index.html"}})},
                               {"/toc.hhc", kContents},
                               {"/pages/second.html", "<p>second</p>"}}));
    EXPECT_EQ(window.StartPage(), QUrl(QStringLiteral("chm:/pages/second.html")));
    EXPECT_TRUE(Contents(window).isVisibleTo(&window));
    EXPECT_EQ(Contents(window).topLevelItem(0)->child(0)->text(0), QStringLiteral("Gone"));
}

TEST_F(HelpWindowTest, NothingToShow_HasNoStartPage) {
    HelpWindow window(
        Archive({{"/#SYSTEM", test::SystemFile({{2, "index.html"}})}, {"/other.html", "x"}}));
    EXPECT_FALSE(window.StartPage().isValid());
}

TEST_F(HelpWindowTest, PageWithoutCharsetInCodePage932_IsReadAsJapanese) {
    HelpWindow window(Archive(
        {{"/#SYSTEM", test::SystemFile({{2, "index.html"}, {3, "\x83\x77\x83\x8b\x83\x76"}})},
         {"/index.html", "<p>\x93\xfa\x96\x7b\x8c\xea</p>"}}));
    window.ShowStartPage();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ヘルプ"));
    EXPECT_EQ(Browser(window).toPlainText(), QStringLiteral("日本語"));
}

TEST_F(HelpWindowTest, LinksPicturesAndStylesheetsComeFromTheFileOnly) {
    HelpWindow window(
        Archive({{"/#SYSTEM", test::SystemFile({{2, "pages/a.html"}})},
                 {"/pages/a.html",
                  "<html><head><link rel=stylesheet type=text/css href=../s.css></head>"
                  "<body><h1>A</h1></body></html>"},
                 {"/s.css", "h1 { color: #123456; }"},
                 {"/pages/b.html", "<p>B</p>"}}));
    window.ShowStartPage();
    QTextBrowser& browser = Browser(window);
    EXPECT_EQ(browser.document()->find(QStringLiteral("A")).charFormat().foreground().color(),
              QColor(0x12, 0x34, 0x56));
    EXPECT_TRUE(
        browser.loadResource(QTextDocument::StyleSheetResource, QUrl(QStringLiteral("../s.css")))
            .isValid());
    EXPECT_FALSE(browser
                     .loadResource(QTextDocument::ImageResource,
                                   QUrl(QStringLiteral("file:///etc/hostname")))
                     .isValid());

    emit browser.anchorClicked(QUrl(QStringLiteral("b.html")));
    EXPECT_EQ(browser.source(), QUrl(QStringLiteral("chm:/pages/b.html")));
    emit browser.anchorClicked(QUrl(QStringLiteral("ms-its:Other.chm::/pages/a.html")));
    EXPECT_EQ(browser.source(), QUrl(QStringLiteral("chm:/pages/a.html")));
    browser.backward();
    EXPECT_EQ(browser.toPlainText(), QStringLiteral("B"));
}

TEST_F(HelpWindowTest, MissingPage_ShowsWhichPageIsMissing) {
    HelpWindow window(
        Archive({{"/#SYSTEM", test::SystemFile({{2, "index.html"}})}, {"/index.html", "x"}}));
    Browser(window).setSource(QUrl(QStringLiteral("chm:/nothere.html")));
    EXPECT_EQ(Browser(window).toPlainText(),
              QStringLiteral(
                  "ページが見つかりません\nこのヘルプファイルには「/nothere.html」がありません。"));
}

}  // namespace
}  // namespace bellmora
