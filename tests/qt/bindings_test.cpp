// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The reusable pieces between the models and Qt: the timer binding, the
// sounds, and widgets that follow a model that has the last word.

#include <memory>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "engine/controls.h"
#include "ui/main/chime.h"
#include "ui/main/qt_timer_binding.h"
#include "ui/main/resources.h"
#include "ui/shared/widget_binding.h"

using namespace korvane;

class BindingsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { loadResources(); }

    void timerIsPreciseNamedAndStoppedLikeItsModel();
    void enablingAndDisablingStartsAndStopsTheTimer();
    void aTickReachesTheModelHandler();
    void aRestartBeginsAFreshPeriod();
    void aNewIntervalOnARunningTimerRestartsIt();
    void aNewIntervalOnAStoppedTimerWaitsForTheStart();
    void soundsCountEveryRequestAndNeverBlock();
    void theBellFallsBackToTheToolkitBeepWhereNothingCanPlay();
    void theChimeIsFoundInTheDataDirectories();
    void aCheckBoxTheModelRefusesSnapsBack();
    void aCheckBoxValueSetByTheProgramShowsWithoutAClick();
    void anOptionGroupShowsOnlyTheModelsChoice();
    void aComboFollowsTheProgramWithoutEchoingItBack();
    void aButtonTheModelBlocksDoesNothing();
    void aWidgetGoneBeforeItsModelIsNoHarm();
};

void BindingsTest::timerIsPreciseNamedAndStoppedLikeItsModel()
{
    Timer model("countdown", 1000);
    QObject owner;
    QtTimerBinding binding(model, &owner);
    QCOMPARE(binding.timer().objectName(), QStringLiteral("countdown"));
    QCOMPARE(binding.timer().timerType(), Qt::PreciseTimer);
    QCOMPARE(binding.timer().interval(), 1000);
    QVERIFY(!binding.timer().isActive());
}

void BindingsTest::enablingAndDisablingStartsAndStopsTheTimer()
{
    Timer model("keeptime", 60000);
    QtTimerBinding binding(model, nullptr);
    model.setEnabled(true);
    QVERIFY(binding.timer().isActive());
    QCOMPARE(binding.timer().interval(), 60000);
    model.setEnabled(false);
    QVERIFY(!binding.timer().isActive());
    model.start();
    QVERIFY(binding.timer().isActive());
}

void BindingsTest::aTickReachesTheModelHandler()
{
    Timer model("fast", 5);
    int ticks = 0;
    model.onTimer = [&] {
        ++ticks;
        if (ticks == 3) {
            model.setEnabled(false);
        }
    };
    QtTimerBinding binding(model, nullptr);
    model.setEnabled(true);
    QTRY_COMPARE_WITH_TIMEOUT(ticks, 3, 10000);
    QVERIFY(!binding.timer().isActive());
    QTest::qWait(30);
    QCOMPARE(ticks, 3);  // a stopped timer raises nothing
}

void BindingsTest::aRestartBeginsAFreshPeriod()
{
    Timer model("Timershock", 60000);
    QtTimerBinding binding(model, nullptr);
    model.setEnabled(true);
    // Let part of the period pass, then restart: the whole period is ahead.
    QTRY_VERIFY_WITH_TIMEOUT(binding.timer().remainingTime() < 59000, 10000);
    model.start();
    QVERIFY(binding.timer().isActive());
    QVERIFY(binding.timer().remainingTime() > 59000);

    // Enabling a running timer changes nothing.
    QTRY_VERIFY_WITH_TIMEOUT(binding.timer().remainingTime() < 59000, 10000);
    model.setEnabled(true);
    QVERIFY(binding.timer().remainingTime() < 59000);
}

void BindingsTest::aNewIntervalOnARunningTimerRestartsIt()
{
    Timer model("Timershock", 4000);
    QtTimerBinding binding(model, nullptr);
    model.setEnabled(true);
    model.setInterval(60000);
    QVERIFY(binding.timer().isActive());
    QCOMPARE(binding.timer().interval(), 60000);
    QVERIFY(binding.timer().remainingTime() > 59000);
}

void BindingsTest::aNewIntervalOnAStoppedTimerWaitsForTheStart()
{
    Timer model("Timershock", 4000);
    QtTimerBinding binding(model, nullptr);
    model.setInterval(7000);
    QVERIFY(!binding.timer().isActive());
    QCOMPARE(binding.timer().interval(), 7000);
    model.setEnabled(true);
    QCOMPARE(binding.timer().interval(), 7000);
    QVERIFY(binding.timer().isActive());
}

void BindingsTest::soundsCountEveryRequestAndNeverBlock()
{
    Sounds sounds(QFINDTESTDATA("../../assets/chime.wav"));
    QCOMPARE(sounds.chimes(), 0);
    for (int i = 1; i <= 3; ++i) {
        sounds.chime();  // whether or not a sound server runs
        QCOMPARE(sounds.chimes(), i);
    }
    sounds.bell();
    QTest::qWait(10);
    QCOMPARE(sounds.chimes(), 3);
    QCOMPARE(sounds.bells(), 1);
}

// The tests run with a sound driver that does not exist, as on a machine
// without a sound server.
void BindingsTest::theBellFallsBackToTheToolkitBeepWhereNothingCanPlay()
{
    Sounds sounds({});
    sounds.bell();
    sounds.bell();
    QCOMPARE(sounds.toolkitBeeps(), 2);
    sounds.chime();  // no file: silent, and no beep either
    QCOMPARE(sounds.toolkitBeeps(), 2);
}

void BindingsTest::theChimeIsFoundInTheDataDirectories()
{
    QTemporaryDir data;
    QVERIFY(QDir(data.path()).mkpath(QStringLiteral("korvane")));
    const QString file = data.filePath(QStringLiteral("korvane/chime.wav"));
    QVERIFY(QFile::copy(QFINDTESTDATA("../../assets/chime.wav"), file));
    const QByteArray saved = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_DIRS", QFile::encodeName(data.path()));
    const QString found = Sounds::findChimeFile();
    qputenv("XDG_DATA_DIRS", saved);
    QCOMPARE(found, QDir::cleanPath(file));
}

void BindingsTest::aCheckBoxTheModelRefusesSnapsBack()
{
    ControlWindow window;
    CheckBox model(window, "ck(0)", 1);
    window.setInputBlocked(true);  // a modal popup is up
    int clicks = 0;
    model.onClick = [&] { ++clicks; };
    QCheckBox box;
    binding::bindCheckBox(model, box);
    QVERIFY(box.isChecked());
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, box.height() / 2));
    QVERIFY2(box.isChecked(), "the box shows what the model holds");
    QCOMPARE(model.Value(), 1);
    QCOMPARE(clicks, 0);

    window.setInputBlocked(false);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, box.height() / 2));
    QVERIFY(!box.isChecked());
    QCOMPARE(model.Value(), 0);
    QCOMPARE(clicks, 1);
}

void BindingsTest::aCheckBoxValueSetByTheProgramShowsWithoutAClick()
{
    ControlWindow window;
    CheckBox model(window, "ck(10)", 0);
    int clicks = 0;
    model.onClick = [&] { ++clicks; };
    QCheckBox box;
    binding::bindCheckBox(model, box);
    model.setValue(1);
    QVERIFY(box.isChecked());
    QCOMPARE(clicks, 1);  // the model's own click, not one echoed from Qt
    model.setEnabled(false);
    model.setValue(0);
    QVERIFY(!box.isChecked());
    QVERIFY(!box.isEnabled());
    QCOMPARE(clicks, 2);
}

void BindingsTest::anOptionGroupShowsOnlyTheModelsChoice()
{
    ControlWindow window;
    OptionGroup model(window, "Option1", {"( + )", "( - )", "( x )"}, 0);
    QWidget parent;
    std::vector<QRadioButton*> radios;
    for (int i = 0; i < 3; ++i) {
        radios.push_back(new QRadioButton(QString::fromStdString(model(i).Caption()), &parent));
        radios.back()->adjustSize();
    }
    binding::bindOptionGroup(model, radios);
    const auto shown = [&] {
        QList<bool> states;
        for (QRadioButton* radio : radios) {
            states << radio->isChecked();
        }
        return states;
    };
    QCOMPARE(shown(), (QList<bool>{true, false, false}));
    QTest::mouseClick(radios[0], Qt::LeftButton, {}, radios[0]->rect().center());
    QCOMPARE(shown(), (QList<bool>{true, false, false}));
    QTest::mouseClick(radios[2], Qt::LeftButton, {}, radios[2]->rect().center());
    QCOMPARE(shown(), (QList<bool>{false, false, true}));
    model(1).choose();
    QCOMPARE(shown(), (QList<bool>{false, true, false}));
    model(0).setEnabled(false);
    QVERIFY(!radios[0]->isEnabled());
}

void BindingsTest::aComboFollowsTheProgramWithoutEchoingItBack()
{
    ControlWindow window;
    ComboBox model(window, "maxtime", "Maxtime", {"   1", "   3 "});
    QComboBox combo;
    combo.setEditable(true);
    binding::bindComboBox(model, combo);
    QCOMPARE(combo.count(), 2);
    QCOMPARE(combo.currentText(), QStringLiteral("Maxtime"));
    int echoes = 0;
    connect(&combo, &QComboBox::editTextChanged, &combo, [&] { ++echoes; });
    model.setText("   5");
    QCOMPARE(combo.currentText(), QStringLiteral("   5"));
    QCOMPARE(echoes, 0);
    combo.setCurrentIndex(1);
    QCOMPARE(model.Text(), std::string("   3 "));
}

void BindingsTest::aButtonTheModelBlocksDoesNothing()
{
    ControlWindow window;
    CommandButton model(window, "Start", "Start");
    window.setInputBlocked(true);
    int clicks = 0;
    model.onClick = [&] { ++clicks; };
    QPushButton button;
    binding::bindButton(model, button);
    QCOMPARE(button.text(), QStringLiteral("Start"));
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks, 0);
    window.setInputBlocked(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks, 1);
    model.setCaption("12");
    QCOMPARE(button.text(), QStringLiteral("12"));
}

void BindingsTest::aWidgetGoneBeforeItsModelIsNoHarm()
{
    // A popup's labels are made afresh on each Load; the model stays.
    ControlWindow window;
    Label model(window, "giveanswer", "");
    {
        QLabel first;
        binding::bindLabel(model, first);
        model.setCaption("7 + 5 = 12");
        QCOMPARE(first.text(), QStringLiteral("7 + 5 = 12"));
    }
    model.setCaption("6 + 9 = 15");  // nothing left to show it
    model.clearObserver();           // as the popup's Unload does
    QLabel second;
    binding::bindLabel(model, second);
    QCOMPARE(second.text(), QStringLiteral("6 + 9 = 15"));
    model.setCaption("3 x 9 = 27");
    QCOMPARE(second.text(), QStringLiteral("3 x 9 = 27"));
}

QTEST_MAIN(BindingsTest)
#include "bindings_test.moc"
