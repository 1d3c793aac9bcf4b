// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The problem list: which names it shows, and that each pick of a name loads it once.

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include "FileListBox.h"
#include "GuiTest.h"

namespace bellmora::test {
namespace {

using FileList = GuiTest;

QStringList Names(const QListWidget& list) {
    QStringList names;
    for (int i = 0; i < list.count(); ++i) names.append(list.item(i)->text());
    return names;
}

struct Folder {
    const char* name;
    QStringList files;
    QStringList folders;
    QStringList listed;
};

const Folder kFolders[] = {
    {"empty", {}, {}, {}},
    {"no text files", {"notes.md", "a.txt.bak", "txt"}, {}, {}},
    {"case of the extension ignored", {"b.txt", "A.TXT", "c.Txt"}, {}, {"A.TXT", "b.txt", "c.Txt"}},
    {"sorted by name whatever the case",
     {"b.txt", "a.txt", "C.txt"},
     {},
     {"a.txt", "b.txt", "C.txt"}},
    {"hidden files left out", {".secret.txt", "shown.txt"}, {}, {"shown.txt"}},
    {"folders left out", {"one.txt"}, {"two.txt"}, {"one.txt"}},
    {"Japanese names",
     {QStringLiteral(u"読んでね.txt"), QStringLiteral(u"あいう.txt")},
     {},
     {QStringLiteral(u"あいう.txt"), QStringLiteral(u"読んでね.txt")}},
};

TEST_F(FileList, ListsTheTextFilesOfTheWorkingFolderWithNoneSelected) {
    for (const Folder& folder : kFolders) {
        SCOPED_TRACE(folder.name);
        const QString sub = QString::fromUtf8(folder.name);
        MakeFolder(sub);
        QDir::setCurrent(sub);
        for (const QString& file : folder.files) WriteFile(file, "x");
        for (const QString& inner : folder.folders) MakeFolder(inner);
        FileListBox list;
        list.fill(QStringLiteral("*.txt"));
        EXPECT_EQ(Names(list), folder.listed);
        EXPECT_TRUE(list.selectedItems().isEmpty());
        EXPECT_EQ(list.selectedName(), QString());
        QDir::setCurrent(QStringLiteral(".."));
    }
}

// A visible list of three names, counting the picks.
class Picks : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        for (const char* name : {"a.txt", "b.txt", "c.txt"})
            WriteFile(QString::fromUtf8(name), "x");
        list_.fill(QStringLiteral("*.txt"));
        list_.resize(150, 140);
        list_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list_));
    }
    FileListBox list_;
    QSignalSpy picks_{&list_, &FileListBox::chosen};
};

TEST_F(Picks, FocusPicksNothingAndTheFirstDownArrowPicksTheFirstName) {
    list_.activateWindow();
    list_.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list_));
    EXPECT_EQ(picks_.count(), 0);
    EXPECT_FALSE(list_.currentIndex().isValid());

    QTest::keyClick(&list_, Qt::Key_Down);
    EXPECT_EQ(list_.selectedName(), QStringLiteral("a.txt"));
    EXPECT_EQ(picks_.count(), 1);
    QTest::keyClick(&list_, Qt::Key_Down);
    EXPECT_EQ(list_.selectedName(), QStringLiteral("b.txt"));
    EXPECT_EQ(picks_.count(), 2);
}

TEST_F(Picks, EachClickPicksOnceAlsoOnTheNameAlreadySelected) {
    ClickItem(list_, 1);
    EXPECT_EQ(list_.selectedName(), QStringLiteral("b.txt"));
    EXPECT_EQ(picks_.count(), 1);
    ClickItem(list_, 1);
    EXPECT_EQ(picks_.count(), 2);
    ClickItem(list_, 2);
    EXPECT_EQ(list_.selectedName(), QStringLiteral("c.txt"));
    EXPECT_EQ(picks_.count(), 3);
}

TEST_F(Picks, PressOnOneNameAndReleaseOnAnotherPicksOnlyWhatThePressSelected) {
    const QPoint first = list_.visualItemRect(list_.item(0)).center();
    const QPoint last = list_.visualItemRect(list_.item(2)).center();
    QTest::mousePress(list_.viewport(), Qt::LeftButton, {}, first);
    QTest::mouseRelease(list_.viewport(), Qt::LeftButton, {}, last);
    EXPECT_EQ(picks_.count(), 1);
}

TEST_F(Picks, DoubleClickPicksOnce) {
    QTest::mouseDClick(list_.viewport(), Qt::LeftButton, {},
                       list_.visualItemRect(list_.item(2)).center());
    Settle();
    EXPECT_EQ(list_.selectedName(), QStringLiteral("c.txt"));
    EXPECT_EQ(picks_.count(), 1);
}

TEST_F(Picks, ClickBelowTheNamesKeepsTheSelectionAndPicksNothing) {
    ClickItem(list_, 1);
    const QPoint belowTheNames(5, list_.viewport()->height() - 3);
    QTest::mouseClick(list_.viewport(), Qt::LeftButton, {}, belowTheNames);
    Settle();
    EXPECT_EQ(list_.selectedName(), QStringLiteral("b.txt"));
    EXPECT_EQ(picks_.count(), 1);
}

TEST_F(Picks, OtherButtonsPickNothingAndTheSelectionNeverVanishes) {
    ClickItem(list_, 1);
    const QPoint other = list_.visualItemRect(list_.item(2)).center();
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mouseClick(list_.viewport(), button, {}, other);
        QTest::mouseDClick(list_.viewport(), button, {}, other);
    }
    Settle();
    EXPECT_EQ(list_.selectedName(), QStringLiteral("b.txt"));
    EXPECT_EQ(picks_.count(), 1);

    const QPoint selected = list_.visualItemRect(list_.item(1)).center();
    QTest::mouseClick(list_.viewport(), Qt::LeftButton, Qt::ControlModifier, selected);
    QTest::keyClick(&list_, Qt::Key_Space, Qt::ControlModifier);
    Settle();
    EXPECT_EQ(list_.selectedName(), QStringLiteral("b.txt"));
}

TEST_F(Picks, LockedListKeepsItsSelectionWhateverTheMouseOrKeyboardDoes) {
    ClickItem(list_, 1);
    list_.setFocus();
    list_.setLocked(true);
    ClickItem(list_, 2);
    QTest::mouseDClick(list_.viewport(), Qt::LeftButton, {},
                       list_.visualItemRect(list_.item(0)).center());
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_End}) QTest::keyClick(&list_, key);
    QTest::keyClick(&list_, 'c');  // a letter jumps to a name
    Settle();
    EXPECT_EQ(list_.selectedName(), QStringLiteral("b.txt"));
    EXPECT_EQ(list_.currentRow(), 1);
    EXPECT_EQ(picks_.count(), 1);
    EXPECT_EQ(list_.focusPolicy(), Qt::NoFocus);  // a click cannot take the keys from the run

    list_.setLocked(false);
    ClickItem(list_, 2);
    EXPECT_EQ(picks_.count(), 2);
}

// Through the real window: a pick is a load of the problem file.
TEST_F(FileList, ClickLoadsTheNameOnceAndAgainWhenClickedAgain) {
    WriteFile("a.txt", "abc");
    WriteFile("b.txt", "de");
    OpenWindow();
    auto* list = Control<QListWidget>("filMondai");

    ClickItem(*list, 0);
    EXPECT_EQ(Loads(u"a.txt"), 1);
    EXPECT_EQ(Caption("lblMondai"), u"abc");
    EXPECT_EQ(QApplication::focusWidget(), Control("cmdStart"));

    WriteFile("a.txt", "abcd");  // a second click reads the file again
    ClickItem(*list, 0);
    EXPECT_EQ(Loads(u"a.txt"), 2);
    EXPECT_EQ(Caption("lblMondai"), u"abcd");

    ClickItem(*list, 1);
    EXPECT_EQ(Loads(u"b.txt"), 1);
    EXPECT_EQ(Control<QGroupBox>("fraMondai")->title(), QStringLiteral(u"文字数　2問"));
}

TEST_F(FileList, FocusOnTheWindowsListLoadsNothing) {
    WriteFile("a.txt", "abc");
    OpenWindow();
    Control("cmdEnd")->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // from End to the list
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), Control("filMondai"));
    EXPECT_EQ(Loads(u"a.txt"), 0);
    QTest::keyClick(Control("filMondai"), Qt::Key_Down);
    Settle();
    EXPECT_EQ(Loads(u"a.txt"), 1);
}

}  // namespace
}  // namespace bellmora::test
