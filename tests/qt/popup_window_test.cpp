// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The feedback popup on screen: its look, its life and its modal wait.

#include <functional>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include "qt_test_support.h"
#include "ui/main/app.h"
#include "ui/popup/popup_window.h"
#include "ui/shared/fonts.h"

using korvane::qttest::AppFixture;
using korvane::qttest::named;
using korvane::qttest::resolvedFamily;

class PopupWindowTest : public AppFixture {
    Q_OBJECT

private slots:
    void looksAsLaidOut();
    void isATopLevelWindowOfItsOwnCentredOnScreen();
    void okIsTheOnlyControlThatTakesFocus();
    void everyAnswerLineShowsWhole();
    void okClosesAndDestroysIt();
    void closingFromTheFrameIsOk();
    void enterPressesOkAndEscapeNothing();
    void aSecondMissReusesTheOpenPopup();
    void theNextMissMakesAFreshPopup();
    void aTimeOutWaitsForOkAndBlocksTheMainWindow();
    void aTimeOutReplacesAnOpenModelessPopup();
    void aTimeOutEndsWhenItsPopupIsClosedFromTheFrame();

private:
    // A miss through the real widgets; returns the popup on screen.
    QWidget* miss()
    {
        QTest::mouseClick(answer(false), Qt::LeftButton);
        return korvane::qttest::topLevel(QStringLiteral("tpop"));
    }
    // The window a popup belongs to, for the desktop: the one it is kept
    // above (its transient parent), or null.
    static QWindow* owner(const QWidget* popup)
    {
        return popup->windowHandle() != nullptr ? popup->windowHandle()->transientParent() : nullptr;
    }
    // Runs the answer clock's tick (as its QTimer would) and, inside the
    // modal wait, `during` and then a click on OK.
    void timeOut(const std::function<void(QWidget* modal)>& during);
};

void PopupWindowTest::timeOut(const std::function<void(QWidget* modal)>& during)
{
    bool ran = false;
    QTimer::singleShot(0, &window(), [&] {
        ran = true;
        QWidget* modal = QApplication::activeModalWidget();
        during(modal);
        if (modal != nullptr) {
            if (auto* ok = named<QPushButton>(*modal, "kill")) {
                QTest::mouseClick(ok, Qt::LeftButton);
            }
        }
    });
    // Should the wait not end as it must, end it rather than hang.
    QTimer::singleShot(20000, &window(), [this] { app_->tpop().Unload(); });
    app_->model().Timershock.tick();
    QVERIFY(ran);
}

void PopupWindowTest::looksAsLaidOut()
{
    start();
    QWidget* popup = miss();
    QVERIFY(popup);
    QCOMPARE(popup->windowTitle(), QStringLiteral("Belquist:MessageBox"));
    QCOMPARE(popup->size(), QSize(312, 213));
    QCOMPARE(popup->palette().color(QPalette::Window), QColor(212, 208, 200));

    auto* headline = named<QLabel>(*popup, "Label1");
    auto* answer = named<QLabel>(*popup, "giveanswer");
    auto* ok = named<QPushButton>(*popup, "kill");
    QVERIFY(headline && answer && ok);
    QCOMPARE(headline->geometry(), QRect(32, 8, 241, 25));
    QCOMPARE(answer->geometry(), QRect(16, 40, 281, 73));
    QCOMPARE(ok->geometry(), QRect(16, 120, 281, 89));

    QCOMPARE(resolvedFamily(*headline), QStringLiteral("Comic Neue"));
    QCOMPARE(headline->font().pixelSize(), 21);  // 15.75 pt
    QCOMPARE(headline->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    // The headline stands on the button face, as the main window's labels.
    QCOMPARE(headline->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Window));
    QCOMPARE(int(headline->alignment() & Qt::AlignHorizontal_Mask), int(Qt::AlignHCenter));

    QCOMPARE(resolvedFamily(*answer), QStringLiteral("Liberation Sans"));
    QCOMPARE(answer->font().pixelSize(), 48);  // 36 pt
    QCOMPARE(answer->palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(answer->autoFillBackground());
    QCOMPARE(int(answer->alignment() & Qt::AlignHorizontal_Mask), int(Qt::AlignHCenter));

    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(resolvedFamily(*ok), QStringLiteral("Liberation Sans"));
    QCOMPARE(ok->font().pixelSize(), 32);  // 24 pt

    // Drawn as laid out: white behind the answer, grey around it.
    const QImage image = popup->grab().toImage();
    QCOMPARE(image.pixelColor(18, 110), QColor(Qt::white));
    QCOMPARE(image.pixelColor(5, 5), QColor(212, 208, 200));
    QCOMPARE(image.pixelColor(33, 9), QApplication::palette().color(QPalette::Window));
}

void PopupWindowTest::isATopLevelWindowOfItsOwnCentredOnScreen()
{
    start();
    QWidget* popup = miss();
    QVERIFY(popup);
    QVERIFY2(popup->parentWidget() == nullptr, "the popup must not be owned by the main window");
    QVERIFY2(owner(popup) == nullptr, "the modeless popup is kept above the main window");
    QVERIFY(popup->isWindow());
    // An ordinary window with the whole frame: a dialog would be kept above
    // the main window by the window manager.
    QCOMPARE(popup->windowType(), Qt::Window);
    QVERIFY(popup->windowFlags().testFlags(Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint));
    const QPoint screenCentre = popup->screen()->availableGeometry().center();
    QVERIFY((popup->geometry().center() - screenCentre).manhattanLength() <= 2);
    // Modeless: the main window stays usable and can come to the front.
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    QVERIFY(popup->isVisible());
}

void PopupWindowTest::okIsTheOnlyControlThatTakesFocus()
{
    start();
    QWidget* popup = miss();
    QVERIFY(popup);
    QStringList focusable;
    for (QWidget* child : popup->findChildren<QWidget*>()) {
        if (child->focusPolicy() != Qt::NoFocus) {
            focusable << child->objectName();
        }
    }
    QCOMPARE(focusable, QStringList{QStringLiteral("kill")});
    QVERIFY(QTest::qWaitForWindowActive(popup));
    QCOMPARE(QApplication::focusWidget(), named(*popup, "kill"));
}

// Every fact of every table, missed: its answer line stands on one line,
// whole, in the label's fixed box; a line that fits keeps the laid-out size.
void PopupWindowTest::everyAnswerLineShowsWhole()
{
    const struct {
        const char* operation;
        bool plusTen;
    } tables[] = {{"Option1(0)", false},
                  {"Option1(0)", true},
                  {"Option1(1)", false},
                  {"Option1(1)", true},
                  {"Option1(2)", false}};
    for (const auto& table : tables) {
        QTest::mouseClick(named<QWidget>(window(), table.operation), Qt::LeftButton);
        app_->model().ck(10).setValue(table.plusTen ? 1 : 0);
        korvane::Data& data = app_->data();
        for (int x = 1; x <= data.poolcount; ++x) {
            data.curfact = static_cast<std::int16_t>(x);
            app_->tpop().Load();
            app_->tpop().ShowModeless();
            auto* answer = named<QLabel>(*app_->popupHost().window(), "giveanswer");
            const QString line = answer->text();
            const QFont laidOut = korvane::fonts::arial(36);
            const bool fits = QFontMetrics(laidOut).horizontalAdvance(line) <= answer->width();
            QVERIFY2(QFontMetrics(answer->font()).horizontalAdvance(line) <= answer->width(), qPrintable(line));
            QVERIFY2(answer->heightForWidth(answer->width()) <= answer->height(), qPrintable(line));
            QCOMPARE(answer->font().pixelSize() == 48, fits);
            if (line == QStringLiteral("10 x 10 = 100")) {
                QVERIFY2(!fits, "the longest line fits at 36 pt: nothing here would need shrinking");
            }
        }
    }
    QCOMPARE(named<QLabel>(*app_->popupHost().window(), "giveanswer")->size(), QSize(281, 73));
    QCOMPARE(app_->popupHost().window()->size(), QSize(312, 213));
}

void PopupWindowTest::okClosesAndDestroysIt()
{
    start();
    QPointer<QWidget> popup = miss();
    QVERIFY(popup);
    QTest::mouseClick(named<QPushButton>(*popup, "kill"), Qt::LeftButton);
    QVERIFY(!app_->tpop().IsLoaded());
    QVERIFY(popup.isNull() || !popup->isVisible());
    QTRY_VERIFY(popup.isNull());
    QVERIFY(app_->popupHost().window() == nullptr);
    // OK does nothing on the main window: the run goes on.
    QVERIFY(app_->model().keeptime.Enabled());
}

void PopupWindowTest::closingFromTheFrameIsOk()
{
    start();
    QPointer<QWidget> popup = miss();
    QVERIFY(popup);
    popup->close();
    QVERIFY(!app_->tpop().IsLoaded());
    QTRY_VERIFY(popup.isNull());
}

void PopupWindowTest::enterPressesOkAndEscapeNothing()
{
    start();
    QPointer<QWidget> popup = miss();
    QVERIFY(popup);
    QVERIFY(QTest::qWaitForWindowActive(popup));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::keyClick(popup, Qt::Key_Escape);
    QVERIFY(app_->tpop().IsLoaded());
    QVERIFY(popup->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!app_->tpop().IsLoaded());
    QTRY_VERIFY(popup.isNull());
}

void PopupWindowTest::aSecondMissReusesTheOpenPopup()
{
    start();
    QPointer<QWidget> first = miss();
    QVERIFY(first);
    window().activateWindow();
    const auto missed = app_->data().facts(app_->data().curfact);
    QPointer<QWidget> second = miss();
    QCOMPARE(second.data(), first.data());
    QCOMPARE(app_->tpop().creations(), 1);
    int shown = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        shown += widget->objectName() == QStringLiteral("tpop") && widget->isVisible() ? 1 : 0;
    }
    QCOMPARE(shown, 1);
    QCOMPARE(named<QLabel>(*second, "giveanswer")->text(),
             QStringLiteral("%1 + %2 = %3").arg(missed.num1).arg(missed.num2).arg(missed.answer));
}

void PopupWindowTest::theNextMissMakesAFreshPopup()
{
    start();
    QPointer<QWidget> first = miss();
    QVERIFY(first);
    QTest::mouseClick(named<QPushButton>(*first, "kill"), Qt::LeftButton);
    QTRY_VERIFY(first.isNull());
    QWidget* second = miss();
    QVERIFY(second);
    QCOMPARE(app_->tpop().creations(), 2);
    QCOMPARE(named<QLabel>(*second, "Label1")->text(), QStringLiteral(" ^.^ !! Wrong Answer !! ^.^ "));
}

void PopupWindowTest::aTimeOutWaitsForOkAndBlocksTheMainWindow()
{
    start();
    const auto fact = app_->data().facts(app_->data().curfact);
    auto* pause = named<QPushButton>(window(), "Stop");
    QString headline;
    QString answerLine;
    bool modal = false;
    bool owned = false;
    bool runningDuringWait = false;
    bool bookedDuringWait = true;
    korvane::qttest::PressCounter pausePresses(*pause);

    timeOut([&](QWidget* popup) {
        if (popup == nullptr) {
            return;
        }
        // A dialog: the window manager keeps it in front of the main window.
        modal = popup->objectName() == QStringLiteral("tpop") && popup->isModal() && popup->windowType() == Qt::Dialog;
        // Owned by the main window: a Wayland compositor keeps it above
        // that too.
        owned = owner(popup) != nullptr && owner(popup) == window().windowHandle();
        headline = named<QLabel>(*popup, "Label1")->text();
        answerLine = named<QLabel>(*popup, "giveanswer")->text();
        bookedDuringWait = app_->data().totalprobs != 0;
        // A click on Pause through the window system never reaches it.
        QTest::mouseClick(window().windowHandle(), Qt::LeftButton, {}, pause->mapTo(&window(), pause->rect().center()));
        runningDuringWait = app_->model().keeptime.Enabled();
    });

    QVERIFY2(modal, "no modal popup during the time-out");
    QVERIFY2(owned, "the time-out popup is not kept above the main window");
    QCOMPARE(headline, QStringLiteral(" ^_^ !!Time Out!! ^_^ "));
    QCOMPARE(answerLine, QStringLiteral("%1 + %2 = %3").arg(fact.num1).arg(fact.num2).arg(fact.answer));
    QVERIFY2(!bookedDuringWait, "the time-out was booked before OK");
    QVERIFY2(runningDuringWait, "the main window took a click during the modal wait");
    QCOMPARE(pausePresses.presses(), 0);
    // After OK: booked as a miss, the next problem up, the popup gone.
    QCOMPARE(app_->data().totalprobs, 1);
    QCOMPARE(app_->data().totalright, 0);
    QVERIFY(!app_->tpop().IsLoaded());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(named<QWidget>(window(), "pic(1)")->isVisibleTo(&window()));
    QVERIFY(named<QTimer>(window(), "Timershock")->isActive());
}

void PopupWindowTest::aTimeOutReplacesAnOpenModelessPopup()
{
    start();
    QPointer<QWidget> modeless = miss();
    QVERIFY(modeless);
    int visiblePopups = 0;
    bool modal = false;
    timeOut([&](QWidget* popup) {
        modal = popup != nullptr && popup->isModal() && owner(popup) == window().windowHandle();
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            visiblePopups += widget->objectName() == QStringLiteral("tpop") && widget->isVisible() ? 1 : 0;
        }
    });
    QVERIFY(modal);
    QCOMPARE(visiblePopups, 1);
    QVERIFY(!app_->tpop().IsLoaded());
    QCOMPARE(app_->data().totalprobs, 2);
    QTRY_VERIFY(modeless.isNull());
    // The next miss brings up a window of its own again.
    QWidget* next = miss();
    QVERIFY(next);
    QVERIFY(!next->isModal());
    QVERIFY2(owner(next) == nullptr, "after a time-out the modeless popup stays kept above the main window");
}

void PopupWindowTest::aTimeOutEndsWhenItsPopupIsClosedFromTheFrame()
{
    start();
    bool closed = false;
    bool unloadedByTheClose = false;
    QTimer::singleShot(0, &window(), [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            closed = modal->close();
            unloadedByTheClose = !app_->tpop().IsLoaded();
        }
    });
    QTimer::singleShot(20000, &window(), [this] { app_->tpop().Unload(); });
    app_->model().Timershock.tick();
    QVERIFY(closed);
    QVERIFY(unloadedByTheClose);
    // The wait is over: booked as a miss, the next problem up.
    QCOMPARE(app_->data().totalprobs, 1);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(named<QTimer>(window(), "Timershock")->isActive());
}

QTEST_MAIN(PopupWindowTest)
#include "popup_window_test.moc"
