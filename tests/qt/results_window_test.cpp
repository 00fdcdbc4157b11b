// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The results window on screen: its look, its page buttons, its life, and
// a drawing that survives hiding.

#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include "qt_test_support.h"
#include "ui/main/app.h"

using korvane::qttest::AppFixture;
using korvane::qttest::hasInk;
using korvane::qttest::named;
using korvane::qttest::resolvedFamily;

class ResultsWindowTest : public AppFixture {
    Q_OBJECT

private slots:
    void resultsButtonOpensItWithItsTitle();
    void looksAsLaidOut_data();
    void looksAsLaidOut();
    void hasAFixedFrameWithACloseButtonOnly();
    void pageButtonsFollowThePlusTenSettingAtCreation_data();
    void pageButtonsFollowThePlusTenSettingAtCreation();
    void tabOrderIsShow10CloseDrawingShow20();
    void lineHeightFollowsTheDrawingFont();
    void textIsPaintedWithItsTopLeftAtThePen();
    void drawingSurvivesHidingAndShowing();
    void pageTwoDrawsOtherColumns();
    void resultsAgainOnlyBringsItToTheFront();
    void closeAndFrameCloseDestroyIt();

private:
    void click(QWidget& root, const char* name)
    {
        QWidget* target = named(root, QString::fromLatin1(name));
        QVERIFY2(target, name);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
    }
    QWidget* openResults()
    {
        click(window(), "results");
        return korvane::qttest::topLevel(QStringLiteral("pf"));
    }
};

void ResultsWindowTest::resultsButtonOpensItWithItsTitle()
{
    QWidget* pf = openResults();
    QVERIFY2(pf, "no results window on screen");
    QCOMPARE(pf->windowTitle(), QStringLiteral("ScoreResults"));
    QVERIFY2(pf->parentWidget() == nullptr, "the results window must not be owned by the main window");
    QVERIFY2(pf->windowHandle() != nullptr && pf->windowHandle()->transientParent() == nullptr,
             "the results window is kept above the main window");
    QCOMPARE(pf->size(), QSize(572, 269));
    QCOMPARE(pf->palette().color(QPalette::Window), QColor(212, 208, 200));
    QCOMPARE(resolvedFamily(*pf), QStringLiteral("Liberation Sans"));
    QCOMPARE(pf->font().pixelSize(), 13);  // Arial 9.75 pt
    const QPoint screenCentre = pf->screen()->availableGeometry().center();
    QVERIFY((pf->geometry().center() - screenCentre).manhattanLength() <= 2);
    QCOMPARE(app_->pf().page(), 1);
}

void ResultsWindowTest::looksAsLaidOut_data()
{
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::newRow("dt") << QRect(16, 0, 537, 225) << QString();
    QTest::newRow("show10") << QRect(24, 232, 129, 33) << QStringLiteral("Show 1-10");
    QTest::newRow("show20") << QRect(168, 232, 129, 33) << QStringLiteral("Show 11-20");
    QTest::newRow("okclose") << QRect(448, 232, 105, 33) << QStringLiteral("Close");
}

void ResultsWindowTest::looksAsLaidOut()
{
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QWidget* pf = openResults();
    QVERIFY(pf);
    QWidget* widget = named(*pf, QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY2(widget, "no widget of that name");
    QCOMPARE(widget->geometry(), geometry);
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QCOMPARE(button->text(), caption);
        QCOMPARE(resolvedFamily(*button), QStringLiteral("Liberation Sans"));
        QCOMPARE(button->font().pixelSize(), 13);
        QVERIFY(!button->isDefault());
    } else {
        QCOMPARE(widget->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(resolvedFamily(*widget), QStringLiteral("Liberation Mono"));
        QCOMPARE(widget->font().pixelSize(), 13);  // Courier 9.75 pt
        QVERIFY(QFontInfo(widget->font()).fixedPitch());
    }
}

void ResultsWindowTest::hasAFixedFrameWithACloseButtonOnly()
{
    QWidget* pf = openResults();
    QVERIFY(pf);
    QCOMPARE(pf->minimumSize(), QSize(572, 269));
    QCOMPARE(pf->maximumSize(), QSize(572, 269));
    const Qt::WindowFlags flags = pf->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
}

void ResultsWindowTest::pageButtonsFollowThePlusTenSettingAtCreation_data()
{
    QTest::addColumn<bool>("plusTen");
    QTest::newRow("without +10 both are disabled") << false;
    QTest::newRow("with +10 both are enabled") << true;
}

void ResultsWindowTest::pageButtonsFollowThePlusTenSettingAtCreation()
{
    QFETCH(bool, plusTen);
    if (plusTen) {
        click(window(), "ck(10)");
    }
    QWidget* pf = openResults();
    QVERIFY(pf);
    QCOMPARE(named(*pf, "show10")->isEnabled(), plusTen);
    QCOMPARE(named(*pf, "show20")->isEnabled(), plusTen);
    QVERIFY(named(*pf, "okclose")->isEnabled());

    // Set once, at creation: a later change of +10 leaves them as they are.
    click(window(), "ck(10)");
    QCOMPARE(named(*pf, "show10")->isEnabled(), plusTen);
    QCOMPARE(named(*pf, "show20")->isEnabled(), plusTen);
}

void ResultsWindowTest::tabOrderIsShow10CloseDrawingShow20()
{
    click(window(), "ck(10)");  // so that every control can take the focus
    QWidget* pf = openResults();
    QVERIFY(pf);
    QVERIFY(QTest::qWaitForWindowActive(pf));
    QCOMPARE(QApplication::focusWidget(), named(*pf, "show10"));
    QStringList visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"okclose", "dt", "show20", "show10"}));
}

void ResultsWindowTest::lineHeightFollowsTheDrawingFont()
{
    QWidget* pf = openResults();
    QVERIFY(pf);
    QWidget* dt = named(*pf, "dt");
    QCOMPARE(app_->pf().dt.lineHeight(), QFontMetrics(dt->font()).height() * 15);
    // The footer fits inside the area: its last line starts above the bottom.
    const auto& items = app_->pf().dt.items();
    QVERIFY(!items.empty());
    QVERIFY(items.back().text.rfind("Total Right=", 0) == 0);
    QVERIFY(items.back().top / 15 + QFontMetrics(dt->font()).height() <= dt->height());
}

void ResultsWindowTest::textIsPaintedWithItsTopLeftAtThePen()
{
    // Only the number 3: column labels on top, one row at 700 twips.
    click(window(), "unselect");
    click(window(), "ck(2)");
    QWidget* pf = openResults();
    QVERIFY(pf);
    QWidget* dt = named(*pf, "dt");
    const QImage image = dt->grab().toImage();
    const QColor white(Qt::white);
    const int line = QFontMetrics(dt->font()).height();
    QVERIFY2(hasInk(image, QRect(0, 0, dt->width(), line), white), "no column labels");
    // Between the column labels and row 3 (top 700 twips = 46 px) nothing.
    QVERIFY2(!hasInk(image, QRect(0, line + 1, dt->width(), 46 - line - 2), white), "ink above row 3");
    QVERIFY2(hasInk(image, QRect(0, 46, dt->width(), line), white), "no row 3");
    // Row label " 3 " starts 100 twips (6 px) in, and its digit one
    // character (about 8 px) further: the row's first 12 pixels stay blank.
    QVERIFY(!hasInk(image, QRect(0, 46, 13, line), white));
    QVERIFY(hasInk(image, QRect(13, 46, 12, line), white));
    // Column label 10 stands at 7100 twips (473 px), its digits one
    // character further in; nothing lies to the right of it.
    QVERIFY(hasInk(image, QRect(478, 0, 22, line), white));
    QVERIFY(!hasInk(image, QRect(500, 0, dt->width() - 500, line), white));
}

void ResultsWindowTest::drawingSurvivesHidingAndShowing()
{
    QWidget* pf = openResults();
    QVERIFY(pf);
    QVERIFY(QTest::qWaitForWindowExposed(pf));
    QWidget* dt = named(*pf, "dt");
    const QImage before = dt->grab().toImage();
    QVERIFY(hasInk(before, before.rect(), Qt::white));

    pf->hide();
    QTest::qWait(20);
    pf->show();
    QVERIFY(QTest::qWaitForWindowExposed(pf));
    QCOMPARE(dt->grab().toImage(), before);
    // Covered by the main window and uncovered again.
    window().raise();
    window().activateWindow();
    pf->raise();
    QCOMPARE(pf->grab().toImage().copy(dt->geometry()), before);
}

void ResultsWindowTest::pageTwoDrawsOtherColumns()
{
    click(window(), "ck(10)");
    QWidget* pf = openResults();
    QVERIFY(pf);
    QWidget* dt = named(*pf, "dt");
    const QImage page1 = dt->grab().toImage();
    click(*pf, "show20");
    QCOMPARE(app_->pf().page(), 2);
    const QImage page2 = dt->grab().toImage();
    QVERIFY(page1 != page2);
    click(*pf, "show10");
    QCOMPARE(app_->pf().page(), 1);
    QCOMPARE(dt->grab().toImage(), page1);
}

void ResultsWindowTest::resultsAgainOnlyBringsItToTheFront()
{
    click(window(), "ck(10)");
    QPointer<QWidget> first = openResults();
    QVERIFY(first);
    click(*first, "show20");
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    QWidget* again = openResults();
    QCOMPARE(again, first.data());
    QCOMPARE(app_->pf().page(), 2);  // not drawn again
    QVERIFY(QTest::qWaitForWindowActive(again));
}

void ResultsWindowTest::closeAndFrameCloseDestroyIt()
{
    QPointer<QWidget> pf = openResults();
    QVERIFY(pf);
    click(*pf, "okclose");
    QVERIFY(!app_->pf().IsLoaded());
    QTRY_VERIFY(pf.isNull());

    pf = openResults();
    QVERIFY(pf);
    QVERIFY(app_->pf().IsLoaded());
    pf->close();
    QVERIFY(!app_->pf().IsLoaded());
    QTRY_VERIFY(pf.isNull());
    // And the next Results makes a new one.
    QVERIFY(openResults());
}

QTEST_MAIN(ResultsWindowTest)
#include "results_window_test.moc"
