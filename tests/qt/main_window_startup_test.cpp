// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The main window's start-up state: the captions of a fresh window, the
// settings in the combo boxes, the chosen options and picture, the open
// settings panel and the stopped timers; the pictures drawn for the screen's
// scale.

#include <cstdlib>
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
#include "ui/main/resources.h"

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
    void picturesAreDrawnForTheScreenScale_data();
    void picturesAreDrawnForTheScreenScale();
    void windowPicturesFollowTheScreenScale();

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

namespace {

QImage rgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// Mean difference of the colour channels of two images of one size, 0..255.
double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

// Sum of the squared steps between neighbouring pixels: an edge spread over
// more pixels, as in a stretched picture, scores less.
double sharpness(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 1; x < image.width(); ++x) {
            const int step = qGray(image.pixel(x, y)) - qGray(image.pixel(x - 1, y));
            sum += double(step) * step;
        }
    }
    return sum;
}

}  // namespace

void MainWindowStartupTest::picturesAreDrawnForTheScreenScale_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<qreal>("ratio");
    for (int i = 0; i < 4; ++i) {
        for (const qreal ratio : {1.0, 1.5, 2.0, 3.0}) {
            QTest::addRow("pic(%d) at %gx", i, ratio) << i << ratio;
        }
    }
}

void MainWindowStartupTest::picturesAreDrawnForTheScreenScale()
{
    QFETCH(int, index);
    QFETCH(qreal, ratio);
    const QString path = QStringLiteral(":/assets/pic%1.png").arg(index);
    const QImage natural = rgb(QImage(path));
    const QPixmap pixmap = korvane::pictureForScreen(path, ratio);
    // 120 by 120 logical pixels in 24-bit colour, one pixel per screen pixel.
    QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(120, 120));
    QCOMPARE(pixmap.size(), QSize(120, 120) * ratio);
    QVERIFY(!pixmap.hasAlphaChannel());
    const QImage drawn = rgb(pixmap.toImage());
    if (ratio == 1.0) {
        QCOMPARE(drawn, natural);
        return;
    }
    // The same picture as at 1x, and not another one (the two faces differ
    // least, by about 8)...
    const QImage shrunk = rgb(drawn.scaled(120, 120, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    QVERIFY(meanDifference(shrunk, natural) < 4.0);
    for (int other = 0; other < 4; ++other) {
        if (other != index) {
            QVERIFY(meanDifference(shrunk, rgb(QImage(QStringLiteral(":/assets/pic%1.png").arg(other)))) > 6.0);
        }
    }
    // ...but drawn finer than the 1x picture stretched to the same size.
    const QImage stretched = natural.scaled(drawn.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY(sharpness(drawn) > 1.2 * sharpness(stretched));
}

void MainWindowStartupTest::windowPicturesFollowTheScreenScale()
{
    // The scale the desktop asks for; the tests also run this at 2x.
    const qreal scale =
        qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
    for (int i = 0; i < 4; ++i) {
        auto* picture = named<QLabel>(window(), QStringLiteral("pic(%1)").arg(i));
        QVERIFY(picture);
        QCOMPARE(picture->devicePixelRatio(), scale);
        QCOMPARE(picture->pixmap().deviceIndependentSize(), QSizeF(120, 120));
        QCOMPARE(picture->pixmap().size(), QSize(120, 120) * scale);
        QCOMPARE(picture->pixmap().devicePixelRatio(), scale);
    }
}

QTEST_MAIN(MainWindowStartupTest)
#include "main_window_startup_test.moc"
