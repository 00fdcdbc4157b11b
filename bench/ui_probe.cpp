// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The program exactly as ui/main.cpp starts it, driven through its real
// widgets with mouse events, timing what the pupil sees. One mode a run:
//
//   korvane_ui_probe latency   answer clicks until the next problem's frame
//                              is painted: right answers, then wrong ones
//   korvane_ui_probe timeouts  20 problems left to time out (TimeLimit 1):
//                              the answer clock against TimeLimit x 1000 +
//                              2000 ms, the countdown against whole seconds
//   korvane_ui_probe minute    one problem on display for a minute (TimeLimit
//                              58.5, so the countdown runs, falls inert at
//                              0 and the time-out comes only after it); prints
//                              "started" once it is on screen, then, at the
//                              run clock's first tick, its error against
//                              60000 ms and the countdown's, and "done"
//
// Clock times come from handlers of the program wrapped so that they note
// the time on entry and on return; a problem's clocks start inside the
// handler that shows it, so its start is taken when that handler returns.
// A clock reported early is therefore early by at least that much.
// Results are rows of the benchmark table on stdout.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "monotonic.h"
#include "paint_watch.h"
#include "table.h"
#include "ui/main/app.h"
#include "ui/main/resources.h"

namespace {

using namespace korvane::bench;

template <typename W>
W& child(QWidget& parent, const char* name)
{
    auto* widget = parent.findChild<W*>(QString::fromLatin1(name));
    if (widget == nullptr) {
        std::fprintf(stderr, "korvane_ui_probe: no widget %s\n", name);
        std::exit(1);
    }
    return *widget;
}

// A left click in the middle of the widget, press and release, delivered to
// the widget as the window system's would be.
void click(QWidget& widget)
{
    const QPointF local(widget.width() / 2.0, widget.height() / 2.0);
    const QPointF global = widget.mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &release);
}

// Text typed into a settings box: the model reads it from the box.
void typeInto(QWidget& window, const char* box, const char* text)
{
    child<QComboBox>(window, box).setEditText(QString::fromLatin1(text));
}

// Runs the event loop until `done` holds (checked whenever poke() is
// called) or the time is up.
class Waiter {
public:
    bool waitUntil(const std::function<bool()>& done, int timeoutMs)
    {
        const std::int64_t deadline = monotonicNs() + static_cast<std::int64_t>(timeoutMs) * 1'000'000;
        while (!done()) {
            const std::int64_t left = deadline - monotonicNs();
            if (left <= 0) {
                return false;
            }
            QEventLoop loop;
            loop_ = &loop;
            QTimer::singleShot(static_cast<int>(left / 1'000'000) + 1, &loop, &QEventLoop::quit);
            loop.exec();
            loop_ = nullptr;
        }
        return true;
    }
    void poke()
    {
        if (loop_ != nullptr) {
            loop_->quit();
        }
    }

private:
    QEventLoop* loop_ = nullptr;
};

void pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Wraps a handler the program bound to a control, so that `before` runs on
// entry and `after` on return.
void around(std::function<void()>& handler, std::function<void()> before, std::function<void()> after)
{
    handler = [inner = handler, before = std::move(before), after = std::move(after)] {
        if (before) {
            before();
        }
        inner();
        if (after) {
            after();
        }
    };
}

// Waits for a widget's next frame.
class FrameWait {
public:
    FrameWait(QWidget& widget, Waiter& waiter)
        : waiter_(waiter), watch_(new PaintWatch(widget, [this](std::int64_t paintNs, std::int64_t frameNs) {
              paintNs_ = paintNs;
              frameNs_ = frameNs;
              painted_ = true;
              waiter_.poke();
          }))
    {}
    void arm()
    {
        painted_ = false;
        watch_->arm();
    }
    bool wait(int timeoutMs)
    {
        return waiter_.waitUntil([this] { return painted_; }, timeoutMs);
    }
    std::int64_t paintNs() const { return paintNs_; }
    std::int64_t frameNs() const { return frameNs_; }

private:
    Waiter& waiter_;
    PaintWatch* watch_;  // child of the widget
    bool painted_ = false;
    std::int64_t paintNs_ = 0;
    std::int64_t frameNs_ = 0;
};

struct ClickTimes {
    std::vector<double> handlerMs;  // the click handled, next problem written
    std::vector<double> frameMs;    // the next problem's frame drawn
};

// Clicks `pick()` `count` times, each time waiting for `cap` to be painted.
ClickTimes answerClicks(int count, const std::function<QWidget&()>& pick, FrameWait& cap)
{
    ClickTimes times;
    for (int i = 0; i < count; ++i) {
        QWidget& button = pick();
        cap.arm();
        const std::int64_t startNs = monotonicNs();
        click(button);
        const std::int64_t handledNs = monotonicNs();
        if (!cap.wait(1000)) {
            std::fprintf(stderr, "korvane_ui_probe: the problem label was not painted after a click\n");
            continue;
        }
        times.handlerMs.push_back(nsToMs(handledNs - startNs));
        times.frameMs.push_back(nsToMs(cap.frameNs() - startNs));
        pause(5);  // the next click comes once the window is quiet
    }
    return times;
}

int latency(korvane::App& program, Waiter& waiter)
{
    QWidget& window = program.mainWindow();
    typeInto(window, "MaxNum", "9999");
    typeInto(window, "NumRepeat", "1000");  // no fact leaves play during the clicks
    FrameWait cap(child<QLabel>(window, "cap"), waiter);
    cap.arm();
    click(child<QPushButton>(window, "Start"));
    cap.wait(1000);
    pause(200);

    auto button = [&window](int index) -> QWidget& {
        const std::string name = "but(" + std::to_string(index) + ")";
        return child<QPushButton>(window, name.c_str());
    };
    korvane::Data& data = program.data();
    const ClickTimes right = answerClicks(
        200, [&]() -> QWidget& { return button(data.rightslot - 1); }, cap);
    const ClickTimes wrong = answerClicks(
        50, [&]() -> QWidget& { return button(data.rightslot % 3); }, cap);

    auto rows = [](const std::string& what, const ClickTimes& times) {
        const Summary frame = summarize(times.frameMs);
        printRow("Answer click to next problem painted, " + what + " (ms)", frame, 2, "≤ 16 ms",
                 verdict(frame.n > 0 && frame.median <= 16.0));
        printRow("… of which the click handler, " + what + " (ms)", summarize(times.handlerMs), 2, "", "information");
    };
    rows("right answer", right);
    rows("wrong answer, popup up", wrong);
    return 0;
}

void pressOk()
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QStringLiteral("tpop") && top->isVisible()) {
            click(child<QPushButton>(*top, "kill"));
            return;
        }
    }
    QTimer::singleShot(20, &pressOk);  // not up yet
}

int timeouts(korvane::App& program, Waiter& waiter)
{
    constexpr int kProblems = 20;
    QWidget& window = program.mainWindow();
    korvane::Tallyquip& model = program.model();
    typeInto(window, "ShockTime", "1");
    typeInto(window, "MaxNum", "9999");

    std::int64_t problemNs = 0;
    double periodMs = 0;
    std::vector<double> timeoutErrors;
    std::vector<double> tickErrors;
    around(model.Start.onClick, nullptr, [&] {
        problemNs = monotonicNs();
        periodMs = model.Timershock.Interval();
    });
    around(
        model.countdown.onTimer,
        [&] {
            const std::int64_t since = monotonicNs() - problemNs;
            const auto second = std::llround(static_cast<double>(since) / 1e9);
            tickErrors.push_back(nsToMs(since - second * 1'000'000'000));
        },
        nullptr);
    around(
        model.Timershock.onTimer,
        [&] {
            timeoutErrors.push_back(nsToMs(monotonicNs() - problemNs) - periodMs);
            QTimer::singleShot(50, &pressOk);  // the pupil presses OK on the popup
        },
        [&] {
            problemNs = monotonicNs();  // the next problem and its clocks have started
            waiter.poke();
        });

    click(child<QPushButton>(window, "Start"));
    waiter.waitUntil([&] { return static_cast<int>(timeoutErrors.size()) >= kProblems; }, kProblems * 5000);

    const Summary timeout = summarize(timeoutErrors);
    const Summary tick = summarize(tickErrors);
    const std::string period = fixed(periodMs, 0);
    printRow("Clock: time-out vs " + period + " ms (ms late; early < 0)", timeout, 2, "0 … 20 ms late",
             verdict(timeout.n > 0 && timeout.min >= 0 && timeout.max <= 20.0));
    printRow("Clock: countdown ticks vs whole seconds, same problems (ms late)", tick, 2, "never early",
             verdict(tick.n > 0 && tick.min >= 0));
    return 0;
}

int minute(korvane::App& program, Waiter& waiter)
{
    QWidget& window = program.mainWindow();
    korvane::Tallyquip& model = program.model();
    typeInto(window, "ShockTime", "58.5");

    // Taken as Start begins: the clocks start inside the handler, so no
    // tick can come before this time plus its period unless it is early.
    std::int64_t startNs = 0;
    std::vector<double> tickErrors;
    around(
        model.Start.onClick, [&] { startNs = monotonicNs(); }, nullptr);
    around(
        model.countdown.onTimer,
        [&] {
            const std::int64_t since = monotonicNs() - startNs;
            const auto second = std::llround(static_cast<double>(since) / 1e9);
            tickErrors.push_back(nsToMs(since - second * 1'000'000'000));
        },
        nullptr);
    bool ticked = false;
    around(
        model.keeptime.onTimer,
        [&] {
            if (ticked) {
                return;
            }
            ticked = true;
            const double error = nsToMs(monotonicNs() - startNs) - 60000.0;
            printRow("Clock: run clock's first minute vs 60000 ms (ms late)", Summary{1, error, error, error}, 2,
                     "never early", verdict(error >= 0));
            const Summary tick = summarize(tickErrors);
            printRow("Clock: countdown ticks vs whole seconds, over that minute (ms late)", tick, 2, "never early",
                     verdict(tick.n > 0 && tick.min >= 0));
            std::printf("done\n");
            std::fflush(stdout);
        },
        nullptr);

    FrameWait cap(child<QLabel>(window, "cap"), waiter);
    cap.arm();
    click(child<QPushButton>(window, "Start"));
    cap.wait(1000);
    std::printf("started\n");
    std::fflush(stdout);
    return QApplication::exec();  // on display until stopped
}

}  // namespace

int main(int argc, char* argv[])
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode != "latency" && mode != "timeouts" && mode != "minute") {
        std::fprintf(stderr, "usage: korvane_ui_probe latency|timeouts|minute\n");
        return 2;
    }

    QApplication application(argc, argv);
    korvane::prepareApplication();
    korvane::App program;

    Waiter waiter;
    FrameWait first(program.mainWindow(), waiter);
    program.show();
    if (!first.wait(20000)) {
        std::fprintf(stderr, "korvane_ui_probe: the main window was never painted\n");
        return 1;
    }
    pause(300);  // start-up has settled

    if (mode == "latency") {
        return latency(program, waiter);
    }
    if (mode == "timeouts") {
        return timeouts(program, waiter);
    }
    return minute(program, waiter);
}
