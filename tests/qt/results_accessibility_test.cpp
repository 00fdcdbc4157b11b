// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// What a screen reader finds in the results window: its buttons named, the
// grid a table of facts with row and column headers and the totals in its
// name, and a current cell the arrow keys move without changing a pixel.

#include <utility>
#include <vector>

#include <QAccessible>
#include <QtTest>

#include "qt_test_support.h"
#include "ui/main/app.h"
#include "ui/results/drawing_widget.h"

using korvane::qttest::accessible;
using korvane::qttest::AppFixture;
using korvane::qttest::descriptionOf;
using korvane::qttest::named;
using korvane::qttest::nameOf;
using korvane::qttest::topLevel;

class ResultsAccessibilityTest : public AppFixture {
    Q_OBJECT

private slots:
    void theResultsWindowIsNamedAndItsGridReadAsLines();
    void theGridIsATableOfFactsWithHeaders();
    void arrowKeysMoveTheCurrentCellAndNothingOnScreen();
    void theGridReadsItsPageNotTheTextDrawn();

private:
    // One right and one wrong answer, Pause, Results; the operands of the
    // fact answered first, right.
    std::pair<int, int> playAndOpenResults()
    {
        click(widget(QStringLiteral("Start")));
        const auto& fact = app_->data().facts(app_->data().curfact);
        const std::pair<int, int> asked{fact.num1, fact.num2};
        click(answer(true));
        click(answer(false));
        click(widget(QStringLiteral("Stop")));
        click(widget(QStringLiteral("results")));
        return asked;
    }
};

void ResultsAccessibilityTest::theResultsWindowIsNamedAndItsGridReadAsLines()
{
    const auto asked = playAndOpenResults();
    QWidget* pf = topLevel(QStringLiteral("pf"));
    QVERIFY(pf);
    for (const char* name : {"show10", "show20", "okclose"}) {
        QVERIFY2(!nameOf(named(*pf, QString::fromLatin1(name))).isEmpty(), name);
    }
    QWidget* grid = named(*pf, QStringLiteral("dt"));
    // Entering the table, a screen reader says its name: the totals with it.
    QCOMPARE(nameOf(grid), QStringLiteral("Results grid. Total Right= 1 Total Problems= 2"));
    QTRY_COMPARE(descriptionOf(grid).split(QLatin1Char('\n')),
                 QStringList({"Numbers 1 thru 10 Key:Correct / Total", "Total Right= 1 Total Problems= 2"}));
    QCOMPARE(accessible(grid)->role(), QAccessible::Table);
    (void)asked;
}

void ResultsAccessibilityTest::theGridIsATableOfFactsWithHeaders()
{
    const auto [num1, num2] = playAndOpenResults();
    QWidget* grid = named(*topLevel(QStringLiteral("pf")), QStringLiteral("dt"));
    QAccessibleTableInterface* table = accessible(grid)->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 10);
    QCOMPARE(table->columnCount(), 10);
    QAccessibleInterface* cell = table->cellAt(num1 - 1, num2 - 1);
    QVERIFY(cell && cell->tableCellInterface());
    // The same fact may have come up again for the wrong answer.
    int asked = 1;
    while (app_->data().facts(asked).num1 != num1 || app_->data().facts(asked).num2 != num2) {
        ++asked;
    }
    const auto& fact = app_->data().facts(asked);
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("%1 + %2: %3 right of %4")
                                                .arg(num1)
                                                .arg(num2)
                                                .arg(fact.timesright)
                                                .arg(fact.timesright + fact.timeswrong));
    QVERIFY(fact.timesright == 1);
    QCOMPARE(cell->role(), QAccessible::Cell);
    const auto columnHeaders = cell->tableCellInterface()->columnHeaderCells();
    const auto rowHeaders = cell->tableCellInterface()->rowHeaderCells();
    QCOMPARE(columnHeaders.size(), 1);
    QCOMPARE(rowHeaders.size(), 1);
    QCOMPARE(columnHeaders.first()->text(QAccessible::Name), QString::number(num2));
    QCOMPARE(rowHeaders.first()->role(), QAccessible::RowHeader);
    QCOMPARE(rowHeaders.first()->text(QAccessible::Name), QString::number(num1));
    // Children in reading order, as AT-SPI indexes them.
    QCOMPARE(accessible(grid)->child(accessible(grid)->indexOfChild(cell)), cell);
    QCOMPARE(accessible(grid)->child(0)->role(), QAccessible::ColumnHeader);
}

void ResultsAccessibilityTest::arrowKeysMoveTheCurrentCellAndNothingOnScreen()
{
    playAndOpenResults();
    auto* grid = named<korvane::DrawingWidget>(*topLevel(QStringLiteral("pf")), QStringLiteral("dt"));
    grid->setFocus();
    QTRY_VERIFY(grid->hasFocus());
    const QImage before = grid->grab().toImage();
    QCOMPARE(accessible(grid)->focusChild(), accessible(grid)->tableInterface()->cellAt(0, 0));
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Left}) {
        QTest::keyClick(grid, key);
    }
    // Left at the edge stays in the first column.
    QCOMPARE(accessible(grid)->focusChild(), accessible(grid)->tableInterface()->cellAt(1, 0));
    QVERIFY(accessible(grid)->focusChild()->state().focused);
    QCOMPARE(grid->grab().toImage(), before);
    QVERIFY(grid->hasFocus());
}

void ResultsAccessibilityTest::theGridReadsItsPageNotTheTextDrawn()
{
    korvane::Data data;
    data.optype = korvane::optype::kSubtraction;
    data.numsel(3) = 1;
    data.numsel(7) = 1;
    data.facts(5) = korvane::Fact{12, 7, 5, -1, 2, 1};
    data.totalright = 2;
    data.totalprobs = 3;
    const korvane::ResultsPage page(data, 2);
    korvane::ControlWindow form;
    korvane::DrawingArea area(form, "dt");
    area.WriteLine("text drawn by no page");
    korvane::DrawingWidget grid(area, page, nullptr);

    QAccessibleTableInterface* table = accessible(&grid)->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->columnCount(), 10);
    // Row 7 under column 12 of a subtraction: 12 - 7.
    QCOMPARE(table->cellAt(1, 1)->text(QAccessible::Name), QStringLiteral("12 - 7: 2 right of 3"));
    QCOMPARE(table->cellAt(0, 1)->text(QAccessible::Name), QStringLiteral("0 right of 0"));
    QCOMPARE(table->cellAt(1, 1)->tableCellInterface()->columnHeaderCells().first()->text(QAccessible::Name),
             QStringLiteral("12"));
    QCOMPARE(table->cellAt(1, 1)->tableCellInterface()->rowHeaderCells().first()->text(QAccessible::Name),
             QStringLiteral("7"));
    QTRY_COMPARE(descriptionOf(&grid),
                 QStringLiteral("Numbers 11 thru 20 Key:Correct / Total\nTotal Right= 2 Total Problems= 3"));
}

QTEST_MAIN(ResultsAccessibilityTest)
#include "results_accessibility_test.moc"
