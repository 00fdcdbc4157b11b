// Fuzz target: bytes as a pupil's session with the whole program, headless.
//
// Input layout. The first two bytes (big-endian) give the length L of the
// action part that follows them; the bytes after it are the drill's random
// draws, two bytes a draw. An action is one opcode byte (taken modulo the
// number of actions) and its operand bytes; a missing operand byte reads 0.
// Once the draws run out every draw is 0.
//
// After every action, and inside every time-out wait, the drill state is
// checked: the fact table matches the chosen numbers and operation, the pool
// and the review stack are consistent, counts are in range, the run is in
// one of its states (idle, running, paused or ended) with the clocks and
// controls that state has, every problem is booked exactly once and moves
// its fact along the way the booking rules say, and clicks that the window
// must ignore change nothing. A broken check prints what broke and ends in
// __builtin_trap(); an index out of range (std::out_of_range from the
// bounds-checked arrays) is treated the same way.
//
// KORVANE_FUZZ_TRACE=1 in the environment prints every action to stderr.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/number_text.h"
#include "engine/tallyquip.h"
#include "engine/virtual_clock.h"
#include "tests/core/scripted_view.h"
#include "ui/popup/tpop.h"
#include "ui/results/pf.h"

using namespace korvane;

namespace {

bool tracing()
{
    static const bool on = [] {
        const char* v = std::getenv("KORVANE_FUZZ_TRACE");
        return v != nullptr && *v != '\0' && *v != '0';
    }();
    return on;
}

int currentStep = 0;

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "drill_actions_fuzz: step %d: %s\n", currentStep, what);
    __builtin_trap();
}

void require(bool ok, const char* what)
{
    if (!ok) {
        fail(what);
    }
}

// ---- the input ---------------------------------------------------------

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size)
    {
        const std::size_t header = size >= 2 ? std::size_t{data[0]} << 8 | data[1] : 0;
        const std::size_t rest = size >= 2 ? size - 2 : 0;
        const std::size_t length = std::min(header, rest);
        actions_ = data + (size >= 2 ? 2 : size);
        actionsEnd_ = actions_ + length;
        draws_ = actionsEnd_;
        drawsEnd_ = actions_ + rest;
    }
    bool exhausted() const { return actions_ == actionsEnd_; }
    std::uint8_t byte() { return actions_ != actionsEnd_ ? *actions_++ : 0; }
    std::uint16_t word()
    {
        const std::uint16_t hi = byte();
        return static_cast<std::uint16_t>(hi << 8 | byte());
    }
    std::string text(std::size_t n)
    {
        std::string s;
        while (n-- > 0 && actions_ != actionsEnd_) {
            s.push_back(static_cast<char>(*actions_++));
        }
        return s;
    }
    // The next draw, or nothing once they have run out.
    std::optional<std::uint16_t> draw()
    {
        if (drawsEnd_ - draws_ < 2) {
            return std::nullopt;
        }
        const auto w = static_cast<std::uint16_t>(draws_[0] << 8 | draws_[1]);
        draws_ += 2;
        return w;
    }

private:
    const std::uint8_t* actions_;
    const std::uint8_t* actionsEnd_;
    const std::uint8_t* draws_;
    const std::uint8_t* drawsEnd_;
};

// Random draws from the fuzz input: mostly values spread over [0, 1), and
// now and then a value a generator should not give (1, negative, NaN, ...),
// which the drill must guard against itself.
class FuzzRandom final : public RandomSource {
public:
    explicit FuzzRandom(Input& input) : input_(input) {}
    double next() override
    {
        const auto w = input_.draw();
        if (!w) {
            return 0.0;
        }
        if (*w >= 0xFFF0) {
            static const std::array<double, 16> odd{1.0,
                                                    std::nextafter(1.0, 0.0),
                                                    -0.0,
                                                    -1e-300,
                                                    std::numeric_limits<double>::quiet_NaN(),
                                                    std::numeric_limits<double>::infinity(),
                                                    -std::numeric_limits<double>::infinity(),
                                                    2.0,
                                                    0.5,
                                                    std::numeric_limits<double>::denorm_min(),
                                                    0.1,
                                                    0.2,
                                                    0.3,
                                                    0.9,
                                                    0.95,
                                                    -1.0};
            return odd[*w & 0xF];
        }
        return *w / 65520.0;
    }
    void seedFromClock() override {}

private:
    Input& input_;
};

// ---- comparing states ----------------------------------------------------

// A read without the bounds check, for the checks that run after every
// step: the callers have checked the index themselves, and the checked
// operator() in every loop would take most of the run time.
template <typename A>
const auto& item(const A& a, int i)
{
    return *(a.begin() + (i - A::lower));
}

bool sameFact(const Fact& a, const Fact& b)
{
    return a.num1 == b.num1 && a.num2 == b.num2 && a.answer == b.answer && a.review == b.review &&
           a.timesright == b.timesright && a.timeswrong == b.timeswrong;
}

template <typename A>
bool sameArray(const A& a, const A& b)
{
    return std::equal(a.begin(), a.end(), b.begin());
}

bool sameData(const Data& a, const Data& b)
{
    if (!std::equal(a.facts.begin(), a.facts.end(), b.facts.begin(), sameFact)) {
        return false;
    }
    return a.optype == b.optype && a.totalprobs == b.totalprobs && a.shockleft == b.shockleft &&
           a.reviewgap == b.reviewgap && a.stackcount == b.stackcount && sameArray(a.reviewstack, b.reviewstack) &&
           a.wrongrepeat == b.wrongrepeat && a.lastright == b.lastright && a.started == b.started &&
           a.curfact == b.curfact && sameArray(a.choices, b.choices) && a.rightslot == b.rightslot &&
           a.pickslot == b.pickslot && a.plusten == b.plusten && sameArray(a.numsel, b.numsel) &&
           a.elapsed == b.elapsed && a.timelimit == b.timelimit && a.numlimit == b.numlimit &&
           a.endmode == b.endmode && a.totalright == b.totalright && a.retireat == b.retireat &&
           sameArray(a.pool, b.pool) && a.poolcount == b.poolcount;
}

std::int16_t saturatedUp(std::int16_t v) { return v < std::numeric_limits<std::int16_t>::max() ? v + 1 : v; }

const char* operatorText(int optype) { return optype == 1 ? " + " : optype == 2 ? " - " : " x "; }

// Copies of the drill state to compare with after a click, kept off the
// stack: a Data is a few kilobytes, and a stack copy for every click costs
// the address sanitizer more than the copy itself. Copies nest (a click
// inside a time-out wait inside a step), so they form a stack.
class Saved {
public:
    Saved(std::vector<Data>& stack, const Data& data) : stack_(stack), index_(stack.size()) { stack_.push_back(data); }
    Saved(const Saved&) = delete;
    Saved& operator=(const Saved&) = delete;
    ~Saved() { stack_.pop_back(); }
    const Data& operator*() const { return stack_[index_]; }
    const Data* operator->() const { return &stack_[index_]; }

private:
    std::vector<Data>& stack_;
    std::size_t index_;
};

// ---- the session ---------------------------------------------------------

enum Op : std::uint8_t {
    kRight,          // click the answer button with the right answer
    kWrong,          // click one with a wrong answer
    kAnswer,         // +1: click but(b % 3)
    kStart,
    kPause,
    kReset,
    kResults,
    kResultsButton,  // +1: show10, show20 or okclose of the results window
    kOperation,      // +1: Option1(b % 3)
    kEndMode,        // +1: setp(b % 4)
    kNumberBox,      // +1: ck(b % 11)
    kSelectAll,
    kUnselect,
    kTypeText,       // +1 combo, +1 length (b % 17), + that many bytes
    kChooseItem,     // +1 combo, +1 item
    kAdvanceMs,      // +2: 0..1999 ms
    kAdvanceSeconds, // +1: (b + 1) x 100 ms
    kAdvanceMinutes, // +1: (b % 31) minutes and 1 ms
    kToTimeout,      // +1: to the answer clock's next tick, 1 ms before, at or 1 ms after it
    kPopupScript,    // +1: how the next time-out waits are handled
    kPopupOk,        // click OK on the popup, if it is open
    kCloseWindow,    // +1: the pupil closes the window when b % 4 == 0; the session ends
    kOpCount
};

constexpr const char* kOpNames[kOpCount] = {
    "right answer", "wrong answer", "answer", "Start", "Pause", "Reset", "Results", "results button",
    "operation", "end mode", "number box", "Select All", "Unselect", "type text", "choose item",
    "advance ms", "advance seconds", "advance minutes", "to time-out", "popup script", "popup OK",
    "close window"};

// Bookings are counted by the window with saturation; no input gets near it.
constexpr std::int64_t kBookingCap = std::numeric_limits<std::int16_t>::max();
// Virtual time an input may spend, so that every input runs quickly.
constexpr std::int64_t kMaxVirtualMs = 60LL * 60 * 1000;

// What a time-out wait does: how long the pupil takes, whether they press
// OK, whether they try the main window meanwhile, whether they close it.
struct PopupScript {
    std::int64_t waitMs = 0;
    bool pressOk = true;
    bool pokeMainWindow = false;
    bool closeWindow = false;
};

// A fact's state just before it is booked, and how it was answered.
struct Booking {
    int fact = 0;
    Fact before;
    bool inPool = false;
    bool onStack = false;
    bool right = false;
    std::int16_t retireat = 0;
    std::int16_t wrongrepeat = 0;
    std::int16_t totalright = 0;
};

class Session {
public:
    explicit Session(Input& input)
        : input_(input), random_(input), tpop_(data_), pf_(data_)
    {
        w_ = std::make_unique<Tallyquip>(data_, random_, tpop_, tpop_.Label1, pf_);
        for (Timer* timer : w_->timers()) {
            clock_.attach(*timer);
        }
        saved_.reserve(4);
        tpop_.setView(&tpopView_);
        tpopView_.duringModal = [this] { timeOutWait(); };
        w_->Form_Load();
        check();
    }

    void run()
    {
        while (!input_.exhausted() && !closed_) {
            ++currentStep;
            act(static_cast<Op>(input_.byte() % kOpCount));
            check();
            if (tracing()) {
                std::fprintf(stderr, "  started %d  totalprobs %d  totalright %d  elapsed %d  pool %d  stack %d  curfact %d\n",
                             data_.started, data_.totalprobs, data_.totalright, data_.elapsed, data_.poolcount,
                             data_.stackcount, data_.curfact);
            }
        }
    }

private:
    Tallyquip& w() { return *w_; }

    // ---- the actions ----------------------------------------------------

    void act(Op op)
    {
        if (tracing()) {
            std::fprintf(stderr, "step %d: %s\n", currentStep, kOpNames[op]);
        }
        switch (op) {
        case kRight:
            answer(data_.rightslot >= 1 && data_.rightslot <= 3 ? data_.rightslot - 1 : 0);
            break;
        case kWrong:
            answer(data_.rightslot >= 1 && data_.rightslot <= 3 ? data_.rightslot % 3 : 1);
            break;
        case kAnswer:
            answer(input_.byte() % 3);
            break;
        case kStart:
            start();
            break;
        case kPause:
            pause();
            break;
        case kReset:
            reset();
            break;
        case kResults:
            results();
            break;
        case kResultsButton:
            resultsButton(input_.byte() % 3);
            break;
        case kOperation: {
            OptionButton& option = w().Option1(input_.byte() % 3);
            settingsClick(option, [&] { option.click(); }, true);
            break;
        }
        case kEndMode: {
            OptionButton& option = w().setp(input_.byte() % 4);
            settingsClick(option, [&] { option.click(); }, false);
            break;
        }
        case kNumberBox: {
            CheckBox& box = w().ck(input_.byte() % 11);
            settingsClick(box, [&] { box.click(); }, true);
            break;
        }
        case kSelectAll:
            settingsClick(w().selectall, [&] { w().selectall.click(); }, true);
            break;
        case kUnselect:
            settingsClick(w().unselect, [&] { w().unselect.click(); }, true);
            break;
        case kTypeText: {
            ComboBox& box = combo(input_.byte());
            const std::size_t length = input_.byte() % 17;
            type(box, input_.text(length));
            break;
        }
        case kChooseItem: {
            ComboBox& box = combo(input_.byte());
            type(box, box.items().at(input_.byte() % box.items().size()));
            break;
        }
        case kAdvanceMs:
            advance(input_.word() % 2000);
            break;
        case kAdvanceSeconds:
            advance((std::int64_t{input_.byte()} + 1) * 100);
            break;
        case kAdvanceMinutes:
            advance(std::int64_t{input_.byte() % 31} * 60000 + 1);
            break;
        case kToTimeout: {
            const int offset = input_.byte() % 3 - 1;
            std::int64_t until = clock_.untilNextTick(w().Timershock);
            if (until < 0) {
                until = clock_.untilNextTick(w().keeptime);
            }
            advance(until < 0 ? 1000 : std::max<std::int64_t>(0, until + offset));
            break;
        }
        case kPopupScript: {
            const std::uint8_t b = input_.byte();
            static constexpr std::array<std::int64_t, 8> waits{0, 1, 999, 5000, 59999, 60000, 61000, 180000};
            script_.waitMs = waits[b & 7];
            script_.pressOk = (b & 0x08) == 0;
            script_.pokeMainWindow = (b & 0x10) != 0;
            script_.closeWindow = (b & 0xE0) == 0xE0;
            break;
        }
        case kPopupOk:
            if (tpop_.IsLoaded()) {
                const Saved before(saved_, data_);
                tpop_.kill.click();
                require(!tpop_.IsLoaded() && !tpop_.Visible(), "OK does not close the popup");
                require(sameData(*before, data_), "closing the popup changed the drill state");
            }
            break;
        case kCloseWindow:
            if (input_.byte() % 4 == 0) {
                closeWindow();
            }
            break;
        case kOpCount:
            break;
        }
    }

    ComboBox& combo(std::uint8_t b)
    {
        std::array<ComboBox*, 5> boxes{&w().maxtime, &w().MaxNum, &w().wrongnum, &w().NumRepeat, &w().ShockTime};
        return *boxes[b % boxes.size()];
    }

    bool accepts(const Control& c) const { return c.Enabled() && !w_->inputBlocked(); }

    // A click the window must ignore changes nothing at all.
    template <typename Click>
    void ignoredClick(Click click, const char* what)
    {
        const Saved before(saved_, data_);
        const bool k = w().keeptime.Enabled();
        const bool c = w().countdown.Enabled();
        const bool t = w().Timershock.Enabled();
        const bool popup = tpop_.IsLoaded();
        const bool results = pf_.IsLoaded();
        click();
        require(sameData(*before, data_), what);
        require(k == w().keeptime.Enabled() && c == w().countdown.Enabled() && t == w().Timershock.Enabled(), what);
        require(popup == tpop_.IsLoaded() && results == pf_.IsLoaded(), what);
    }

    Booking capture(bool right)
    {
        Booking b;
        b.fact = data_.curfact;
        require(b.fact >= 1 && b.fact <= kMaxFacts, "curfact outside 1..200 at a booking");
        b.before = item(data_.facts, b.fact);
        b.inPool = inPool(b.fact);
        b.onStack = onStack(b.fact);
        b.right = right;
        b.retireat = data_.retireat;
        b.wrongrepeat = data_.wrongrepeat;
        b.totalright = data_.totalright;
        require(b.inPool, "the fact on display is not in the pool");
        require(data_.lastright == 0, "lastright set before the answer");
        return b;
    }

    // The fact moved along exactly as one booking moves it.
    void verify(const Booking& b)
    {
        const Fact& now = item(data_.facts, b.fact);
        require(now.num1 == b.before.num1 && now.num2 == b.before.num2 && now.answer == b.before.answer,
                "a booking changed the fact itself");
        const std::int16_t right = b.right ? saturatedUp(b.before.timesright) : b.before.timesright;
        const std::int16_t wrong = b.right ? b.before.timeswrong : saturatedUp(b.before.timeswrong);
        require(now.timesright == right && now.timeswrong == wrong, "a booking did not count the answer once");
        require(data_.totalright == (b.right ? saturatedUp(b.totalright) : b.totalright),
                "a booking did not count totalright once");

        int review = b.before.review;
        const bool added = !b.right && review == -1;
        if (added) {
            review = b.wrongrepeat;
        }
        if (review != -1) {
            --review;
        }
        const bool leaves = (right >= b.retireat && review == -1) || review == 0;
        require(now.review == review, "a booking left the wrong review count");
        require(inPool(b.fact) == (b.inPool && !leaves), "a booking left the fact in or out of the pool wrongly");
        require(onStack(b.fact) == ((b.onStack || added) && review != 0),
                "a booking left the fact on or off the review stack wrongly");
    }

    void answer(int k)
    {
        CommandButton& button = w().but(k);
        if (!accepts(button)) {
            ignoredClick([&] { button.click(); }, "an ignored answer click changed something");
            return;
        }
        require(runState() == kRunning, "an answer button takes clicks outside a running drill");
        const bool right = k + 1 == data_.rightslot;
        const Booking b = capture(right);
        const std::string line = answerLine(data_.optype, b.before);
        button.click();
        countBooking();
        verify(b);
        require(w().pic(right ? 2 : 3).Visible(), "the answer picture is not shown");
        if (!right) {
            require(tpop_.IsLoaded() && tpop_.Visible() && !tpop_.Modal(), "a miss does not show the popup modeless");
            require(tpop_.giveanswer.Caption() == line, "the popup does not show the missed fact");
        }
        if (runState() != kRunning) {
            require(w().cap.Caption() == (right ? "Correct!" : "Wrong!"), "an ended run does not show the verdict");
        }
    }

    void start()
    {
        if (!accepts(w().Start)) {
            ignoredClick([&] { w().Start.click(); }, "an ignored Start changed something");
            return;
        }
        const bool fresh = data_.started == 0;
        const std::int16_t probs = data_.totalprobs;
        w().Start.click();
        require(data_.started == 1, "Start does not mark the run started");
        require(data_.totalprobs == probs, "Start booked a problem");
        if (data_.poolcount >= 1) {
            require(runState() == kRunning, "Start with facts in play does not run the drill");
        } else {
            require(runState() == kStopped, "Start with no fact in play leaves the run going");
        }
        if (fresh) {
            require(data_.stackcount == 0 && data_.poolcount == expectedFacts(),
                    "a fresh run does not start from the whole table");
        }
    }

    void pause()
    {
        if (!accepts(w().Stop)) {
            ignoredClick([&] { w().Stop.click(); }, "an ignored Pause changed something");
            return;
        }
        const Saved before(saved_, data_);
        const RunState was = runState();
        w().Stop.click();
        require(sameData(*before, data_), "Pause changed the drill state");
        require(runState() == (was == kIdle ? kIdle : kStopped), "Pause does not stop the run");
        require(w().Timecap.Caption() == "Time", "Pause does not reset the countdown display");
    }

    void reset()
    {
        if (!accepts(w().clear)) {
            ignoredClick([&] { w().clear.click(); }, "an ignored Reset changed something");
            return;
        }
        w().clear.click();
        bookings_ = 0;
        require(data_.totalprobs == 0 && data_.totalright == 0 && data_.elapsed == 0 && data_.started == 0,
                "Reset does not clear the run's counters");
        require(runState() == kIdle, "Reset does not leave the program idle");
        requireFreshTable("Reset does not rebuild the table");
        require(w().pic(0).Visible() && w().score.Caption() == "Score" && w().Timecap.Caption() == "Time",
                "Reset does not restore the start-up display");
    }

    void results()
    {
        if (!accepts(w().results)) {
            ignoredClick([&] { w().results.click(); }, "an ignored Results click changed something");
            return;
        }
        const Saved before(saved_, data_);
        w().results.click();
        require(sameData(*before, data_), "the results window changed the drill state");
        require(pf_.IsLoaded() && pf_.Visible() && pf_.page() >= 1, "Results does not show the results window");
    }

    void resultsButton(int which)
    {
        if (!pf_.IsLoaded()) {
            return;  // its buttons exist only while it is open
        }
        const Saved before(saved_, data_);
        CommandButton& button = which == 0 ? pf_.show10 : which == 1 ? pf_.show20 : pf_.okclose;
        const bool enabled = button.Enabled();
        button.click();
        require(sameData(*before, data_), "the results window changed the drill state");
        if (enabled && which < 2) {
            require(pf_.page() == which + 1, "the results window does not show the chosen page");
        }
        if (which == 2) {
            require(!pf_.IsLoaded(), "Close does not close the results window");
        }
    }

    // A settings control: when it takes the click, rebuilds say whether the
    // table must come out fresh; otherwise nothing may change.
    template <typename Click>
    void settingsClick(const Control& control, Click click, bool rebuilds)
    {
        if (!accepts(control)) {
            ignoredClick(click, "an ignored settings click changed something");
            return;
        }
        require(runState() != kRunning, "a settings control takes clicks during a run");
        const Saved before(saved_, data_);
        click();
        require(data_.totalprobs == before->totalprobs && data_.totalright == before->totalright &&
                    data_.elapsed == before->elapsed && data_.started == before->started,
                "a settings click changed the run's counters");
        if (rebuilds) {
            requireFreshTable("a settings click does not rebuild the table");
        } else {
            require(sameData(*before, data_), "choosing an end mode changed the drill state");
        }
    }

    void type(ComboBox& box, const std::string& text)
    {
        if (!accepts(box)) {
            const std::string old = box.Text();
            ignoredClick([&] { box.typeText(text); }, "ignored typing changed something");
            require(box.Text() == old, "a locked combo box took typing");
            return;
        }
        const Saved before(saved_, data_);
        box.typeText(text);
        require(box.Text() == text, "a combo box did not take the typing");
        require(sameData(*before, data_), "typing into a combo box changed the drill state");
    }

    void advance(std::int64_t ms)
    {
        if (virtualMs_ >= kMaxVirtualMs) {
            return;
        }
        virtualMs_ += ms;
        const std::int32_t elapsed = data_.elapsed;
        clock_.advance(ms);
        verifyPending(false);
        require(data_.elapsed >= elapsed, "elapsed went down");
    }

    void closeWindow()
    {
        w().windowClosed();
        closed_ = true;
        afterClose();
    }

    // Nothing runs into a closed window, however long the clock goes on.
    void afterClose()
    {
        require(!w().keeptime.Enabled() && !w().countdown.Enabled() && !w().Timershock.Enabled(),
                "a clock runs on after the window closed");
        const Saved before(saved_, data_);
        clock_.advance(3600000);
        require(sameData(*before, data_), "the drill went on after the window closed");
    }

    // ---- the time-out wait ------------------------------------------------

    void timeOutWait()
    {
        verifyPending(true);
        require(w().inputBlocked(), "the main window takes input during the time-out wait");
        require(tpop_.IsLoaded() && tpop_.Visible() && tpop_.Modal(), "the time-out popup is not shown modal");
        require(tpop_.Label1.Caption() == " ^_^ !!Time Out!! ^_^ ", "the time-out popup has the wrong headline");
        require(w().pic(1).Visible(), "the time-out picture is not shown");
        require(!w().countdown.Enabled() && !w().Timershock.Enabled(), "an answer clock runs during the time-out wait");
        require(w().keeptime.Enabled() && data_.started == 1, "the run clock stopped for the time-out wait");
        require(w().Start.Enabled() && w().but(0).Enabled(), "the controls of a running drill are not enabled");
        checkDrill();
        const Booking b = capture(false);
        require(tpop_.giveanswer.Caption() == answerLine(data_.optype, b.before),
                "the time-out popup does not show the fact timed out");
        require(data_.totalprobs == std::min(bookings_, kBookingCap), "a time-out was booked before its popup closed");

        if (script_.pokeMainWindow) {
            const char* what = "a click during the time-out wait changed something";
            ignoredClick([&] { w().Start.click(); }, what);
            ignoredClick([&] { w().Stop.click(); }, what);
            ignoredClick([&] { w().clear.click(); }, what);
            ignoredClick([&] { w().but(data_.rightslot >= 1 && data_.rightslot <= 3 ? data_.rightslot - 1 : 0).click(); },
                         what);
            ignoredClick([&] { w().ck(3).click(); }, what);
            ignoredClick([&] { w().Option1(2).click(); }, what);
            ignoredClick([&] { w().results.click(); }, what);
        }

        // The run clock goes on counting minutes while the pupil reads.
        const std::int32_t elapsed = data_.elapsed;
        const std::int64_t firstTick = clock_.untilNextTick(w().keeptime);
        const std::int64_t ticks = script_.waitMs >= firstTick ? 1 + (script_.waitMs - firstTick) / 60000 : 0;
        clock_.advance(script_.waitMs);
        require(data_.elapsed == elapsed + ticks, "the run clock did not count the time-out wait");
        require(!w().countdown.Enabled() && !w().Timershock.Enabled(), "an answer clock started during the wait");

        if (script_.closeWindow) {
            w().windowClosed();
            closed_ = true;
            tpop_.kill.click();
            return;  // the time-out is not booked
        }
        if (script_.pressOk) {
            tpop_.kill.click();
            require(!tpop_.IsLoaded(), "OK does not close the time-out popup");
        }
        countBooking();
        pending_ = b;
    }

    void countBooking() { ++bookings_; }

    // The time-out booked last: checked at the next wait or once the clock
    // has stopped, the fact being untouched in between.
    void verifyPending(bool inWait)
    {
        if (closed_) {
            pending_.reset();
            return;
        }
        if (pending_) {
            const Booking b = *pending_;
            pending_.reset();
            verify(b);
            if (!inWait) {
                require(!tpop_.IsLoaded() && !w().inputBlocked(), "the time-out popup outlived its wait");
            }
        }
    }

    // ---- invariants ---------------------------------------------------------

    bool inPool(int fact) const
    {
        for (int x = 1; x <= data_.poolcount && x <= kMaxFacts; ++x) {
            if (item(data_.pool, x) == fact) {
                return true;
            }
        }
        return false;
    }

    bool onStack(int fact) const
    {
        for (int x = 1; x <= data_.stackcount && x <= kMaxFacts; ++x) {
            if (item(data_.reviewstack, x) == fact) {
                return true;
            }
        }
        return false;
    }

    // True once some preptable has run: it clears every entry it does not
    // fill, so entry 1 is either a fact or a cleared entry (review -1),
    // where the start-up state has all zeros.
    bool tableBuilt() const { return item(data_.facts, 1).num1 != 0 || item(data_.facts, 1).review == -1; }

    // Facts the table must hold for the numbers and operation of now.
    int expectedFacts() const
    {
        const int plusten = item(data_.numsel, 11) == 1 ? 10 : 0;
        int n = 0;
        for (int i = 1; i <= 10; ++i) {
            if (item(data_.numsel, i) != 1) {
                continue;
            }
            switch (data_.optype) {
            case 1:
                n += 10 + plusten;
                break;
            case 2:
                n += std::max(0, 10 + plusten - i);
                break;
            case 3:
                n += 10;
                break;
            default:
                break;
            }
        }
        return n;
    }

    // The table of the numbers and operation of now, entry by entry.
    void checkTable(int n)
    {
        const int plusten = item(data_.numsel, 11) == 1 ? 10 : 0;
        int e = 0;
        for (int i = 1; i <= 10; ++i) {
            if (item(data_.numsel, i) != 1 || data_.optype < 1 || data_.optype > 3) {
                continue;
            }
            const int reach = data_.optype == 3 ? 10 : 10 + plusten;
            for (int j = 1; j <= reach; ++j) {
                int num1 = i;
                int num2 = j;
                int answer = 0;
                if (data_.optype == 1) {
                    answer = i + j;
                } else if (data_.optype == 2) {
                    if (j <= i) {
                        continue;
                    }
                    num1 = j;
                    num2 = i;
                    answer = j - i;
                } else {
                    answer = i * j;
                }
                ++e;
                require(e <= kMaxFacts, "the table the numbers call for passes 200 facts");
                const Fact& f = item(data_.facts, e);
                require(f.num1 == num1 && f.num2 == num2 && f.answer == answer, "a fact of the table is wrong");
            }
        }
        require(e == n, "the table has the wrong number of facts");
        for (int x = n + 1; x <= kMaxFacts; ++x) {
            require(sameFact(item(data_.facts, x), Fact{0, 0, 0, -1, 0, 0}), "an entry past the table is not cleared");
        }
    }

    void checkDrill()
    {
        require(data_.optype >= 0 && data_.optype <= 3, "optype outside 0..3");
        require(data_.optype == 0 || w().Option1(data_.optype - 1).Value(), "optype is not the chosen operation");
        require(data_.endmode >= 1 && data_.endmode <= 4, "endmode outside 1..4");
        require(data_.lastright == 0, "lastright left set between problems");
        require(data_.totalprobs >= 0 && data_.totalright >= 0 && data_.elapsed >= 0, "a run count is negative");
        require(data_.totalright <= data_.totalprobs, "more right answers than problems");
        require(data_.totalprobs == std::min(bookings_, kBookingCap), "totalprobs is not the number of bookings");
        require(data_.shockleft >= -1, "shockleft below -1");
        require(data_.reviewgap >= 0 && data_.reviewgap <= 5, "reviewgap outside 0..5");
        if (data_.optype == 0) {
            require(data_.retireat == 0 && data_.wrongrepeat == 0, "settings in force before they were read");
        } else {
            require(data_.retireat >= 1 && data_.wrongrepeat >= 1, "retireat or wrongrepeat below 1");
        }
        const int interval = w().Timershock.Interval();
        require(interval == 4000 || (interval >= 1500 && interval <= 32769500), "answer clock period out of range");
        if (data_.optype == 3) {
            require(w().ck(10).Value() == 0, "plus-ten ticked under multiplication");
        }

        int n = 0;
        if (tableBuilt()) {
            for (int i = 1; i <= 11; ++i) {
                require(item(data_.numsel, i) == w().ck(i - 1).Value(), "numsel differs from the number boxes");
            }
            n = expectedFacts();
            checkTable(n);
        } else {
            require(data_.poolcount == 0 && data_.stackcount == 0, "a pool before any table");
        }

        // The pool: distinct facts of the table.
        require(data_.poolcount >= 0 && data_.poolcount <= n, "poolcount outside 0..N");
        std::array<bool, kMaxFacts + 1> pooled{};
        for (int x = 1; x <= data_.poolcount; ++x) {
            const int f = item(data_.pool, x);
            require(f >= 1 && f <= n, "a pool entry outside 1..N");
            require(!pooled[f], "a fact twice in the pool");
            pooled[f] = true;
        }
        // The review stack: distinct facts of the pool, each with a review
        // still to come.
        require(data_.stackcount >= 0 && data_.stackcount <= data_.poolcount, "stackcount outside 0..poolcount");
        std::array<bool, kMaxFacts + 1> stacked{};
        for (int x = 1; x <= data_.stackcount; ++x) {
            const int f = item(data_.reviewstack, x);
            require(f >= 1 && f <= n, "a review stack entry outside 1..N");
            require(!stacked[f], "a fact twice on the review stack");
            require(pooled[f], "a fact on the review stack is not in the pool");
            require(item(data_.facts, f).review >= 1, "a fact on the review stack has review below 1");
            stacked[f] = true;
        }
        for (int f = 1; f <= n; ++f) {
            const Fact& fact = item(data_.facts, f);
            require(fact.timesright >= 0 && fact.timeswrong >= 0, "a fact's count is negative");
            if (pooled[f] && !stacked[f]) {
                require(fact.review == -1, "a fact in play has a review count");
            }
            if (!pooled[f]) {
                require(fact.review == -1 || fact.review == 0, "a fact out of play has a review count");
            }
        }

        if (data_.totalprobs == 0) {
            require(w().score.Caption() == "Score", "the score line shows a score before any booking");
        } else {
            require(w().score.Caption() ==
                        "Score:  " + digits(data_.totalright) + " / " + digits(data_.totalprobs),
                    "the score line does not show the totals");
        }
    }

    enum RunState { kIdle, kRunning, kStopped };

    RunState runState()
    {
        Tallyquip& t = w();
        const bool k = t.keeptime.Enabled();
        const bool c = t.countdown.Enabled();
        const bool s = t.Timershock.Enabled();
        const bool open = t.results.Enabled();
        bool consistent = true;
        auto same = [&](const Control& control) { consistent = consistent && control.Enabled() == open; };
        for (int i = 0; i <= 9; ++i) {
            same(t.ck(i));
        }
        for (int i = 0; i <= 3; ++i) {
            same(t.setp(i));
        }
        for (int i = 0; i <= 2; ++i) {
            same(t.Option1(i));
        }
        for (const Control* control : {static_cast<const Control*>(&t.selectall), static_cast<const Control*>(&t.unselect),
                                       static_cast<const Control*>(&t.maxtime), static_cast<const Control*>(&t.MaxNum),
                                       static_cast<const Control*>(&t.wrongnum), static_cast<const Control*>(&t.NumRepeat),
                                       static_cast<const Control*>(&t.ShockTime)}) {
            same(*control);
        }
        require(consistent, "the settings panel is partly open");
        for (int i = 0; i <= 2; ++i) {
            require(t.but(i).Enabled() == !open, "the answer buttons are not the other way from the panel");
        }
        if (!open) {
            require(!t.ck(10).Enabled(), "the plus-ten box is open while the panel is locked");
        } else if (data_.optype != 3) {
            require(t.ck(10).Enabled(), "the plus-ten box is locked outside multiplication");
        }
        require(t.Start.Enabled() && t.Stop.Enabled() && t.clear.Enabled(), "Start, Pause or Reset is disabled");

        if (data_.started == 0) {
            require(!k && !c && !s && open, "not started, yet not idle");
            return kIdle;
        }
        require(data_.started == 1, "started is neither 0 nor 1");
        if (!k && !c && !s && open) {
            return kStopped;
        }
        require(k && c && s && !open, "the clocks and the panel fit no run state");
        return kRunning;
    }

    // A problem is on display: it is consistent with the pool and shown.
    void checkRunning()
    {
        require(data_.poolcount >= 1, "a run goes on with no fact in play");
        require(data_.pickslot >= 1 && data_.pickslot <= data_.poolcount, "pickslot outside 1..poolcount");
        const int f = data_.curfact;
        require(f >= 1 && f <= kMaxFacts && inPool(f), "the fact on display is not in play");
        require(f == item(data_.pool, data_.pickslot) || (data_.stackcount >= 1 && f == item(data_.reviewstack, 1)),
                "the fact on display is neither drawn nor the head of the review stack");
        require(data_.rightslot >= 1 && data_.rightslot <= 3, "rightslot outside 1..3");
        const Fact& fact = item(data_.facts, f);
        for (int s = 1; s <= 3; ++s) {
            require((item(data_.choices, s) == fact.answer) == (s == data_.rightslot),
                    "the right answer is not exactly on the right slot");
            require(w().but(s - 1).Caption() == digits(item(data_.choices, s)), "an answer button does not show its choice");
        }
        require(w().cap.Caption() == digits(fact.num1) + operatorText(data_.optype) + digits(fact.num2),
                "the problem label does not show the fact on display");
        require(!w().inputBlocked(), "the window is blocked outside the time-out wait");
    }

    void requireFreshTable(const char* what)
    {
        const int n = tableBuilt() ? expectedFacts() : 0;
        require(data_.poolcount == n && data_.stackcount == 0, what);
        for (int x = 1; x <= n; ++x) {
            const Fact& f = item(data_.facts, x);
            require(item(data_.pool, x) == x && f.review == -1 && f.timesright == 0 && f.timeswrong == 0, what);
        }
    }

    void check()
    {
        checkDrill();
        if (closed_) {
            afterClose();  // the window is gone: it has no run state left
            return;
        }
        if (runState() == kRunning) {
            checkRunning();
        }
        require(!w().inputBlocked(), "the window stays blocked after the time-out wait");
        require(!tpop_.Modal(), "the popup stays modal after its wait");
    }

    Input& input_;
    Data data_;
    FuzzRandom random_;
    Tpop tpop_;
    Pf pf_;
    korvane::testing::ScriptedView tpopView_;
    VirtualClock clock_;
    std::unique_ptr<Tallyquip> w_;
    std::vector<Data> saved_;
    PopupScript script_;
    std::optional<Booking> pending_;
    std::int64_t bookings_ = 0;
    std::int64_t virtualMs_ = 0;
    bool closed_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    currentStep = 0;
    Input input(bytes, size);
    try {
        Session session(input);
        session.run();
    } catch (const std::out_of_range& e) {
        std::fprintf(stderr, "drill_actions_fuzz: step %d: index out of range: %s\n", currentStep, e.what());
        __builtin_trap();
    }
    return 0;
}
