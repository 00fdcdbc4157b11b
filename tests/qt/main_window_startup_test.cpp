// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The main window's start-up state: the captions of a fresh window, the
// settings in the combo boxes, the chosen options and picture, the open
// settings panel and the stopped timers.

#include <memory>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "qt_test_support.h"
#include "ui/main/app.h"

using korvane::App;
using korvane::qttest::itemsOf;
using korvane::qttest::named;

class MainWindowStartupTest : public QObject {
    Q_OBJECT

private slots:
    void init() { app_ = std::make_unique<App>(); }
    void cleanup() { app_.reset(); }

    void captionsAreThoseOfAFreshWindow_data();
    void captionsAreThoseOfAFreshWindow();
    void comboBoxesShowTheStartUpSettings_data();
    void comboBoxesShowTheStartUpSettings();
    void startUpStateOfChoicesAndPictures();
    void settingsAreOpenAndAnswersLockedAtStartUp();
    void timersArePreciseStoppedAndAtTheirIntervals_data();
    void timersArePreciseStoppedAndAtTheirIntervals();

private:
    QWidget& window() { return app_->mainWindow(); }
    std::unique_ptr<App> app_;
};

void MainWindowStartupTest::captionsAreThoseOfAFreshWindow_data()
{
    QTest::addColumn<QString>("caption");
    auto row = [](const char* name, const char* caption) { QTest::newRow(name) << QString::fromLatin1(caption); };
    row("cap", "Tallyquip");
    row("but(0)", "1");
    row("but(1)", "2");
    row("but(2)", "3");
    row("score", "Score");
    row("Timecap", "Time");
    row("Start", "Start");
    row("Stop", "Pause");
    row("clear", "Reset");
    row("results", "Results");
    row("selectall", "Select All");
    row("unselect", "Unselect");
    row("Option1(0)", "( + )");
    row("Option1(1)", "( - )");
    row("Option1(2)", "( x )");
    row("setp(0)", "Time");
    row("setp(1)", "Number");
    row("setp(2)", "More");
    row("setp(3)", "Less");
    row("L1to5", "    1        2         3         4        5");
    row("L610", "    6         7        8         9       10 ");
    row("Lplusten", " +10");
    row("Lmaxtime", "MaxTime");
    row("Lmaxnumber", "MaxNumber");
    row("Label1", "Wrong");
    row("Label2", "Right");
    row("Label3", "TimeLimit");
    row("Value", "Values");
    row("Ftime", "Time");
    for (int i = 0; i <= 10; ++i) {
        QTest::newRow(qPrintable(QStringLiteral("ck(%1)").arg(i))) << QString();
    }
}

void MainWindowStartupTest::captionsAreThoseOfAFreshWindow()
{
    QFETCH(QString, caption);
    QWidget* widget = named(window(), QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY2(widget, "no widget of that name");
    QString shown;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        shown = label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        shown = button->text();
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        shown = frame->title();
    } else {
        QFAIL("not a captioned widget");
    }
    QCOMPARE(shown, caption);
}

void MainWindowStartupTest::comboBoxesShowTheStartUpSettings_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("maxtime") << QStringLiteral("   5");
    QTest::newRow("MaxNum") << QStringLiteral("   40");
    QTest::newRow("NumRepeat") << QStringLiteral("    3");
    QTest::newRow("ShockTime") << QStringLiteral("   5");
    QTest::newRow("wrongnum") << QStringLiteral("    5");
}

void MainWindowStartupTest::comboBoxesShowTheStartUpSettings()
{
    QFETCH(QString, text);
    auto* combo = named<QComboBox>(window(), QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY2(combo, "no combo box of that name");
    QCOMPARE(combo->currentText(), text);
    QCOMPARE(combo->lineEdit()->text(), text);
}

void MainWindowStartupTest::startUpStateOfChoicesAndPictures()
{
    for (int i = 0; i <= 10; ++i) {
        auto* box = named<QCheckBox>(window(), QStringLiteral("ck(%1)").arg(i));
        QVERIFY(box);
        QCOMPARE(box->isChecked(), i < 10);
    }
    const QList<bool> operation{true, false, false};
    for (int i = 0; i < 3; ++i) {
        auto* radio = named<QRadioButton>(window(), QStringLiteral("Option1(%1)").arg(i));
        QVERIFY(radio);
        QCOMPARE(radio->isChecked(), operation[i]);
        QVERIFY2(!radio->autoExclusive(), "the model, not Qt, decides the chosen option");
    }
    const QList<bool> endMode{false, true, false, false};
    for (int i = 0; i < 4; ++i) {
        auto* radio = named<QRadioButton>(window(), QStringLiteral("setp(%1)").arg(i));
        QVERIFY(radio);
        QCOMPARE(radio->isChecked(), endMode[i]);
    }
    for (int i = 0; i < 4; ++i) {
        auto* picture = named<QLabel>(window(), QStringLiteral("pic(%1)").arg(i));
        QVERIFY(picture);
        QCOMPARE(picture->pixmap().size(), QSize(120, 120));
        QVERIFY(!picture->hasScaledContents());
        QCOMPARE(picture->isVisibleTo(&window()), i == 0);
    }
}

void MainWindowStartupTest::settingsAreOpenAndAnswersLockedAtStartUp()
{
    for (const char* name : {"ck(0)", "ck(9)", "ck(10)", "setp(0)", "Option1(2)", "selectall", "unselect", "maxtime",
                             "MaxNum", "wrongnum", "NumRepeat", "ShockTime", "results", "Start", "Stop", "clear"}) {
        QVERIFY2(named(window(), QString::fromLatin1(name))->isEnabled(), name);
    }
    for (const char* name : {"but(0)", "but(1)", "but(2)"}) {
        QVERIFY2(!named(window(), QString::fromLatin1(name))->isEnabled(), name);
    }
}

void MainWindowStartupTest::timersArePreciseStoppedAndAtTheirIntervals_data()
{
    QTest::addColumn<int>("interval");
    QTest::newRow("keeptime") << 60000;
    QTest::newRow("countdown") << 1000;
    QTest::newRow("Timershock") << 4000;
}

void MainWindowStartupTest::timersArePreciseStoppedAndAtTheirIntervals()
{
    QFETCH(int, interval);
    auto* timer = named<QTimer>(window(), QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY2(timer, "no timer of that name");
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    QCOMPARE(timer->interval(), interval);
    QVERIFY(!timer->isActive());
    QVERIFY(!timer->isSingleShot());
}

QTEST_MAIN(MainWindowStartupTest)
#include "main_window_startup_test.moc"
