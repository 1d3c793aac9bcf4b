// SPDX-FileCopyrightText: 2026 The Bellmora authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The record chart opened from the history, following it, and closed by End.

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "FakePlatform.h"
#include "GuiTest.h"
#include "chart/QtRecordChart.h"

namespace bellmora::test {
namespace {

class RecordChartTest : public GuiTest {
protected:
    RecordChartTest() {
        QCoreApplication::addLibraryPath(QStringLiteral(BELLMORA_CHART_MODULE_DIR));
    }
    QWidget* Chart() { return window().findChild<QWidget*>(QStringLiteral("recordChart")); }
    bool ChartShown() { return Chart() && Chart()->isVisible(); }
    std::u16string Figures() {
        return Chart()->findChild<QLabel*>(QStringLiteral("figures"))->text().toStdU16String();
    }
    int TableRows() { return Chart()->findChild<QTableView*>()->model()->rowCount(); }

    void DoubleClickFirstRun() {
        auto* history = Control<QListWidget>("lstRireki");
        const QPoint line = history->visualItemRect(history->item(0)).center();
        QTest::mouseClick(history->viewport(), Qt::LeftButton, {},
                          line);  // as the first click of the two
        QTest::mouseDClick(history->viewport(), Qt::LeftButton, {}, line);
    }
    void PressEnterInHistory() { QTest::keyClick(Control("lstRireki"), Qt::Key_Return); }

    // A timed run of "ab", with a quick countdown.
    void TypeRun() {
        QTest::mouseClick(Control("cmdStart"), Qt::LeftButton);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return window().state().blnTyping == Flag::True; }, 5000));
        QTest::keyClicks(Control("txtInpKey"), "ab", {}, 20);  // a run that takes a time to show
        ASSERT_EQ(window().state().blnTyping, Flag::False);
    }
};

TEST(RecordChartPlugin, MissingPluginIsToldInTheProgramsMessageBox) {
    const QStringList paths = QCoreApplication::libraryPaths();
    QCoreApplication::setLibraryPaths({});
    FakeDialogs dialogs;
    QtRecordChart chart(nullptr, dialogs);
    chart.Show({});
    QCoreApplication::setLibraryPaths(paths);
    EXPECT_FALSE(chart.IsShown());
    EXPECT_EQ(
        dialogs.shown,
        (std::vector<Message>{{u"記録グラフを開けませんでした。グラフの部品（bellmora-chart）が"
                               u"見つからないか、読み込めません。",
                               u"Bellmora", MessageIcon::Warning, MessageButtons::Ok}}));
}

// The keyboard alone moves through the window and leaves it: Tab leaves the run table,
// Escape and Ctrl+W close the window.
TEST_F(RecordChartTest, TabLeavesTheTableEscapeOrCtrlWCloses) {
    WriteFile(QStringLiteral("drill.txt"), "ab");
    WriteFile(QStringLiteral("drill.REC"), "\"24/01/15 10:20:30\",2,0.01,200,0.005\r\n");
    OpenWindow(10);
    ClickItem(*Control<QListWidget>("filMondai"), 0);
    for (const QKeyCombination key : {QKeyCombination(Qt::Key_Escape), Qt::CTRL | Qt::Key_W}) {
        PressEnterInHistory();
        ASSERT_TRUE(ChartShown());
        QTest::qWait(20);  // the main window's own activation comes first offscreen
        Chart()->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == Chart(); }));
        Chart()->findChild<QTabWidget*>()->setCurrentIndex(1);
        auto* table = Chart()->findChild<QTableView*>();
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), table);
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        EXPECT_FALSE(ChartShown()) << QKeySequence(key).toString().toStdString();
    }
}

TEST_F(RecordChartTest, OpensFromTheHistoryFollowsItAndClosesOnEnd) {
    WriteFile(QStringLiteral("drill.txt"), "ab");
    WriteFile(QStringLiteral("other.txt"), "xyz");
    // Bests no run can beat, so that no congratulation waits for an answer.
    WriteFile(QStringLiteral("drill.REC"),
              "\"24/01/15 10:20:30\",2,0.01,200,0.005\r\n"
              "\"24/01/16 10:20:30\",2,0.02,100,0.01\r\n");
    frmMain& w = OpenWindow(10);
    PressEnterInHistory();  // no problem loaded yet
    EXPECT_FALSE(ChartShown());

    ClickItem(*Control<QListWidget>("filMondai"), 0);
    DoubleClickFirstRun();
    ASSERT_TRUE(ChartShown());
    EXPECT_EQ(Chart()->windowTitle(), QStringLiteral(u"記録グラフ - drill"));
    EXPECT_EQ(Figures(),
              u"2回　最速 200.000　平均 150.000　"
              u"直近10回の平均 150.000（タイプ／秒）　最初の10回→直近10回 ―");
    TypeRun();
    EXPECT_EQ(TableRows(), 3);

    Chart()->close();
    QTimer::singleShot(0, [&] {
        PressEnterInHistory();
        DoubleClickFirstRun();
    });
    TypeRun();  // the countdown and the run refuse the chart
    EXPECT_FALSE(ChartShown());
    PressEnterInHistory();
    ASSERT_TRUE(ChartShown());
    EXPECT_EQ(TableRows(), 4);

    QTimer::singleShot(0, [] {
        qobject_cast<QMessageBox*>(QApplication::activeModalWidget())
            ->button(QMessageBox::Ok)
            ->click();
    });
    QTest::mouseClick(Control("cmdClear"), Qt::LeftButton);
    EXPECT_EQ(TableRows(), 0);
    EXPECT_EQ(Chart()->findChild<QLabel*>(QStringLiteral("note"))->isVisible(), true);
    ClickItem(*Control<QListWidget>("filMondai"), 1);
    EXPECT_EQ(Chart()->windowTitle(), QStringLiteral(u"記録グラフ - other"));

    QTest::mouseClick(Control("cmdEnd"), Qt::LeftButton);
    EXPECT_FALSE(ChartShown());
    EXPECT_FALSE(w.isVisible());
}

}  // namespace
}  // namespace bellmora::test
