// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Whole runs through the real widgets and the real clocks.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "qt_test_support.h"
#include "ui/main/app.h"
#include "ui/main/chime.h"

using korvane::qttest::AppFixture;
using korvane::qttest::named;
using korvane::qttest::topLevel;

class FlowTest : public AppFixture {
    Q_OBJECT

private slots:
    void aShortRunEndsByItsNumberAndShowsItsResults();
    void theAnswerClockRunsOutIntoAModalPopup();
    void closingTheMainWindowStopsItsClocks();
    void theProgramEndsWhenItsLastWindowCloses_data();
    void theProgramEndsWhenItsLastWindowCloses();

private:
    void type(const char* combo, const QString& text)
    {
        auto* box = named<QComboBox>(window(), QString::fromLatin1(combo));
        QVERIFY(box);
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), text);
    }
};

void FlowTest::aShortRunEndsByItsNumberAndShowsItsResults()
{
    type("MaxNum", QStringLiteral("4"));
    click(widget("Start"));

    click(answer(true));
    click(answer(true));
    click(answer(false));
    QPointer<QWidget> popup = topLevel(QStringLiteral("tpop"));
    QVERIFY(popup);
    click(named(*popup, "kill"));
    QTRY_VERIFY(popup.isNull());
    click(answer(true));

    // The fourth booking ends the run: clocks stopped, settings open.
    QCOMPARE(qobject_cast<QLabel*>(widget("score"))->text(), QStringLiteral("Score:  3 / 4"));
    QVERIFY(!named<QTimer>(window(), "keeptime")->isActive());
    QVERIFY(!named<QTimer>(window(), "Timershock")->isActive());
    QVERIFY(!widget("but(0)")->isEnabled());
    QVERIFY(widget("results")->isEnabled());
    QCOMPARE(app_->mainWindow().sounds().chimes(), 3);

    click(widget("results"));
    QWidget* pf = topLevel(QStringLiteral("pf"));
    QVERIFY(pf);
    const auto& items = app_->pf().dt.items();
    QVERIFY(!items.empty());
    QCOMPARE(QString::fromStdString(items.back().text), QStringLiteral("Total Right= 3     Total Problems= 4 "));
    click(named(*pf, "okclose"));
    QVERIFY(!app_->pf().IsLoaded());

    // Reset from the keyboard clears the score for a new run.
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    widget("clear")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(qobject_cast<QLabel*>(widget("score"))->text(), QStringLiteral("Score"));
}

void FlowTest::theAnswerClockRunsOutIntoAModalPopup()
{
    // One second to answer: the countdown shows 1, then 0, then time is up.
    type("ShockTime", QStringLiteral("1"));
    click(widget("Start"));
    QCOMPARE(named<QTimer>(window(), "Timershock")->interval(), 3000);
    const int missed = app_->data().curfact;

    QString countdownSeen;
    QString headline;
    bool blocked = false;
    QTimer watcher;
    watcher.setInterval(20);
    connect(&watcher, &QTimer::timeout, &watcher, [&] {
        const QString shown = qobject_cast<QLabel*>(widget("Timecap"))->text();
        if (!countdownSeen.endsWith(shown)) {
            countdownSeen += shown + QLatin1Char('|');
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->objectName() == QStringLiteral("tpop")) {
            watcher.stop();
            headline = named<QLabel>(*modal, "Label1")->text();
            blocked = app_->model().inputBlocked();
            QTest::mouseClick(named<QPushButton>(*modal, "kill"), Qt::LeftButton);
        }
    });
    watcher.start();
    QTRY_VERIFY_WITH_TIMEOUT(app_->data().totalprobs == 1, 30000);

    QCOMPARE(headline, QStringLiteral(" ^_^ !!Time Out!! ^_^ "));
    QVERIFY(blocked);
    QVERIFY2(countdownSeen.contains(QStringLiteral("Time:  1|Time:  0|")), qPrintable(countdownSeen));
    QCOMPARE(app_->data().totalright, 0);
    QCOMPARE(app_->data().facts(missed).timeswrong, 1);
    // The run goes on with a fresh answer clock.
    QVERIFY(named<QTimer>(window(), "Timershock")->isActive());
    QVERIFY(!app_->model().inputBlocked());
}

void FlowTest::closingTheMainWindowStopsItsClocks()
{
    click(widget("Start"));
    QVERIFY(named<QTimer>(window(), "keeptime")->isActive());
    window().close();
    QVERIFY(!window().isVisible());
    for (const char* name : {"keeptime", "countdown", "Timershock"}) {
        QVERIFY2(!named<QTimer>(window(), QString::fromLatin1(name))->isActive(), name);
    }
}

void FlowTest::theProgramEndsWhenItsLastWindowCloses_data()
{
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("byFrame");
    QTest::newRow("popup dismissed with OK") << "tpop"
                                             << "kill" << false;
    QTest::newRow("popup closed from its frame") << "tpop"
                                                 << "kill" << true;
    QTest::newRow("results closed with Close") << "pf"
                                               << "okclose" << false;
    QTest::newRow("results closed from its frame") << "pf"
                                                   << "okclose" << true;
}

void FlowTest::theProgramEndsWhenItsLastWindowCloses()
{
    QFETCH(QString, last);
    QFETCH(QString, button);
    QFETCH(bool, byFrame);
    if (last == QStringLiteral("tpop")) {
        click(widget("Start"));
        click(answer(false));
    } else {
        click(widget("results"));
    }
    QPointer<QWidget> other = topLevel(last);
    QVERIFY(other);

    // Qt reports the last window only from inside the application's event
    // loop, so the windows are closed from there.
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    int closedWithTheMainWindow = -1;
    bool otherStayed = false;
    bool timedOut = false;
    QTimer::singleShot(0, &window(), [&] {
        // The popup and the results window are windows of their own: the
        // program goes on without the main window.
        window().close();
        closedWithTheMainWindow = static_cast<int>(lastClosed.count());
        otherStayed = other && other->isVisible();
        if (other && byFrame) {
            other->close();
        } else if (other) {
            QTest::mouseClick(named<QPushButton>(*other, button), Qt::LeftButton);
        }
    });
    QTimer::singleShot(15000, qApp, [&] {
        timedOut = true;
        QCoreApplication::quit();
    });
    QApplication::exec();

    QCOMPARE(closedWithTheMainWindow, 0);
    QVERIFY(otherStayed);
    QVERIFY2(!timedOut, "the program did not end with its last window");
    QCOMPARE(lastClosed.count(), 1);
}

QTEST_MAIN(FlowTest)
#include "flow_test.moc"
