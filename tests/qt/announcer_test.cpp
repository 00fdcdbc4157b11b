// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// What a screen reader is told wherever the focus is: the problem and
// "Correct!" as the drill shows them, the time left when asked for, and
// nothing before a window that speaks for itself.

#include <set>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QtTest>

#include "qt_test_support.h"
#include "ui/main/app.h"
#include "ui/shared/announcer.h"

using korvane::qttest::accessible;
using korvane::qttest::AppFixture;
using korvane::qttest::named;
using korvane::qttest::topLevel;

class AnnouncerTest : public AppFixture {
    Q_OBJECT

private slots:
    void theProblemAndTheFeedbackAreAnnouncedWhereverTheFocusIs();
    void aWrongAnswerLeavesItsWordToThePopupAndTheProblemWaitsForIt();
    void everyMessageReachesTheScreenReaderWithItsOwnWords();
};

void AnnouncerTest::theProblemAndTheFeedbackAreAnnouncedWhereverTheFocusIs()
{
    const korvane::Announcer& announcer = app_->mainWindow().announcer();
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    app_->model().Start.click();  // as Space on Start does, without a mouse
    QTRY_COMPARE(announcer.sent(), QStringList{problemOnScreen()});
    const QString first = problemOnScreen();

    // The clock ticks silently.
    app_->model().countdown_Timer();
    app_->model().countdown_Timer();
    app_->model().but(app_->data().rightslot - 1).click();
    QTRY_COMPARE(announcer.sent(), QStringList({first, "Correct!", problemOnScreen()}));
    QCOMPARE(QApplication::focusWidget(), focus);

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // What a screen reader finds: notifications inside a status bar of the
    // main window, which it reads by their names alone.
    QAccessibleInterface* status = announcer.statusBar();
    QCOMPARE(status->role(), QAccessible::StatusBar);
    QCOMPARE(status->parent(), accessible(&window()));
    QStringList names;
    for (int i = 0; i < status->childCount(); ++i) {
        QCOMPARE(status->child(i)->role(), QAccessible::Notification);
        QCOMPARE(status->child(i)->parent(), status);
        names << status->child(i)->text(QAccessible::Name);
    }
    QVERIFY(names.contains(problemOnScreen()));
    QVERIFY(names.contains(QStringLiteral("Correct!")));
#endif

    // T says the time left, and changes nothing on screen.
    app_->model().countdown_Timer();
    const QImage before = window().grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_T);
    QTRY_COMPARE(announcer.sent().last(), named<QLabel>(window(), QStringLiteral("Timecap"))->text());
    QVERIFY(announcer.sent().last().startsWith(QStringLiteral("Time:")));
    QCOMPARE(window().grab().toImage(), before);
    QCOMPARE(QApplication::focusWidget(), focus);
}

void AnnouncerTest::aWrongAnswerLeavesItsWordToThePopupAndTheProblemWaitsForIt()
{
    const korvane::Announcer& announcer = app_->mainWindow().announcer();
    app_->model().Start.click();
    QTRY_COMPARE(announcer.sent().size(), 1);
    app_->model().but(app_->data().rightslot % 3).click();
    QWidget* popup = topLevel(QStringLiteral("tpop"));
    QVERIFY(popup);
    // The popup's headline says it; the next problem comes once the popup
    // has the focus, so the screen reader presents the popup first.
    QTRY_COMPARE(announcer.sent().size(), 2);
    QCOMPARE(announcer.sent().last(), problemOnScreen());
    QVERIFY(!announcer.sent().contains(QStringLiteral("Wrong!")));
    QVERIFY(popup->isActiveWindow());

    // A second miss, the popup still open behind the main window: it comes
    // to the front and speaks for itself again.
    window().activateWindow();
    QTRY_VERIFY(window().isActiveWindow());
    app_->model().but(app_->data().rightslot % 3).click();
    QTRY_COMPARE(announcer.sent().size(), 3);
    QCOMPARE(announcer.sent().last(), problemOnScreen());
    QVERIFY(!announcer.sent().contains(QStringLiteral("Wrong!")));
    QVERIFY(popup->isActiveWindow());
}

void AnnouncerTest::everyMessageReachesTheScreenReaderWithItsOwnWords()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QSKIP("Qt's announcement event carries each message itself; the runs with Orca hear them");
#else
    // A screen reader may remember what an object said the first time, so
    // each message comes in a notification never used before: many right
    // answers and the time asked for in a row, each with its own words.
    const korvane::Announcer& announcer = app_->mainWindow().announcer();
    QAccessibleInterface* status = announcer.statusBar();
    std::set<QAccessible::Id> carriers;
    QStringList heard;
    const auto newest = [&] {
        QAccessibleInterface* notice = status->child(status->childCount() - 1);
        QVERIFY(notice != nullptr);
        QVERIFY2(carriers.insert(QAccessible::uniqueId(notice)).second,
                 qPrintable(notice->text(QAccessible::Name) + " came by an object that spoke before"));
        heard << notice->text(QAccessible::Name);
    };
    app_->model().Start.click();
    QTRY_COMPARE(announcer.sent().size(), 1);
    newest();
    for (int i = 0; i < 6; ++i) {
        app_->model().but(app_->data().rightslot - 1).click();
        QTRY_COMPARE(announcer.sent().size(), 3 + 2 * i);
        // "Correct!" and the next problem went out together.
        heard << status->child(status->childCount() - 2)->text(QAccessible::Name);
        carriers.insert(QAccessible::uniqueId(status->child(status->childCount() - 2)));
        newest();
    }
    app_->model().countdown_Timer();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_T);
    QTRY_COMPARE(announcer.sent().size(), 14);
    newest();
    QCOMPARE(heard, announcer.sent());
    QCOMPARE(carriers.size(), std::size_t{14});
    QCOMPARE(heard.count(QStringLiteral("Correct!")), 6);
    QCOMPARE(heard.last(), named<QLabel>(window(), QStringLiteral("Timecap"))->text());
#endif
}

QTEST_MAIN(AnnouncerTest)
#include "announcer_test.moc"
