// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "drill_session.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace korvane::fuzz {

int currentStep = 0;

void fail(const std::string& what)
{
    std::fprintf(stderr, "drill_actions_fuzz: step %d: %s\n", currentStep, what.c_str());
    __builtin_trap();
}

void require(bool ok, const char* what)
{
    if (!ok) {
        fail(what);
    }
}

void require(const checks::Broken& broken)
{
    if (broken) {
        fail(*broken);
    }
}

namespace {

// Bookings are counted by the window with saturation; no input gets near it.
constexpr std::int64_t kBookingCap = std::numeric_limits<std::int16_t>::max();
// Virtual time an input may spend, so that every input runs quickly.
constexpr std::int64_t kMaxVirtualMs = 60LL * 60 * 1000;

// One saved copy of the drill state, on the session's stack of copies.
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

}  // namespace

Session::Session(Input& input) : random_(input), tpop_(data_), pf_(data_)
{
    w_ = std::make_unique<Tallyquip>(data_, random_, tpop_, pf_);
    for (Timer* timer : w_->timers()) {
        clock_.attach(*timer);
    }
    saved_.reserve(4);
    tpop_.setView(&tpopView_);
    tpopView_.duringModal = [this] { timeOutWait(); };
    w_->Form_Load();
    check();
}

// A settings control: when it takes the click, rebuilds say whether the
// table must come out fresh; otherwise nothing may change.
template <typename Click>
void Session::settingsClick(const Control& control, Click click, bool rebuilds)
{
    if (!accepts(control)) {
        ignoredClick(click, "an ignored settings click changed something");
        return;
    }
    require(currentRunState() != checks::RunState::Running, "a settings control takes clicks during a run");
    const Saved before(saved_, data_);
    click();
    require(data_.totalprobs == before->totalprobs && data_.totalright == before->totalright &&
                data_.elapsed == before->elapsed && data_.started == before->started,
            "a settings click changed the run's counters");
    if (rebuilds) {
        require(checks::freshTable(data_));
    } else {
        require(checks::sameData(*before, data_), "choosing an end mode changed the drill state");
    }
}

void Session::operation(int i)
{
    settingsClick(
        w().Option1(i), [&] { w().Option1(i).click(); }, true);
}

void Session::endMode(int i)
{
    settingsClick(
        w().setp(i), [&] { w().setp(i).click(); }, false);
}

void Session::numberBox(int i)
{
    settingsClick(
        w().ck(i), [&] { w().ck(i).click(); }, true);
}

void Session::selectAll()
{
    settingsClick(
        w().selectall, [&] { w().selectall.click(); }, true);
}

void Session::unselectAll()
{
    settingsClick(
        w().unselect, [&] { w().unselect.click(); }, true);
}

checks::RunState Session::currentRunState()
{
    checks::RunState state{};
    require(checks::runState(w(), data_, &clock_, state));
    return state;
}

checks::Booking Session::capture(bool right)
{
    checks::Booking b;
    require(checks::bookingBefore(data_, right, b));
    return b;
}

void Session::answer(int k)
{
    CommandButton& button = w().but(k);
    if (!accepts(button)) {
        ignoredClick([&] { button.click(); }, "an ignored answer click changed something");
        return;
    }
    require(currentRunState() == checks::RunState::Running, "an answer button takes clicks outside a running drill");
    const bool right = k + 1 == data_.rightslot;
    const checks::Booking b = capture(right);
    const std::string line = answerLine(data_.optype, b.before);
    button.click();
    ++bookings_;
    require(checks::bookedOnce(b, data_));
    require(w().pic(right ? picture::kRight : picture::kWrong).Visible(), "the answer picture is not shown");
    if (!right) {
        require(tpop_.IsLoaded() && tpop_.Visible() && !tpop_.Modal(), "a miss does not show the popup modeless");
        require(tpop_.giveanswer.Caption() == line, "the popup does not show the missed fact");
    }
    if (currentRunState() != checks::RunState::Running) {
        require(w().cap.Caption() == (right ? "Correct!" : "Wrong!"), "an ended run does not show the verdict");
    }
}

void Session::start()
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
        require(currentRunState() == checks::RunState::Running, "Start with facts in play does not run the drill");
    } else {
        require(currentRunState() == checks::RunState::Stopped, "Start with no fact in play leaves the run going");
    }
    if (fresh) {
        require(data_.stackcount == 0 && data_.poolcount == checks::expectedFactCount(data_),
                "a fresh run does not start from the whole table");
    }
}

void Session::pause()
{
    if (!accepts(w().Stop)) {
        ignoredClick([&] { w().Stop.click(); }, "an ignored Pause changed something");
        return;
    }
    const Saved before(saved_, data_);
    const checks::RunState was = currentRunState();
    w().Stop.click();
    require(checks::sameData(*before, data_), "Pause changed the drill state");
    require(currentRunState() == (was == checks::RunState::Idle ? checks::RunState::Idle : checks::RunState::Stopped),
            "Pause does not stop the run");
}

void Session::reset()
{
    if (!accepts(w().clear)) {
        ignoredClick([&] { w().clear.click(); }, "an ignored Reset changed something");
        return;
    }
    w().clear.click();
    bookings_ = 0;
    require(data_.totalprobs == 0 && data_.totalright == 0 && data_.elapsed == 0 && data_.started == 0,
            "Reset does not clear the run's counters");
    require(currentRunState() == checks::RunState::Idle, "Reset does not leave the program idle");
    require(checks::freshTable(data_));
    require(w().pic(picture::kLogo).Visible() && w().score.Caption() == "Score", "Reset does not restore the display");
}

void Session::results()
{
    if (!accepts(w().results)) {
        ignoredClick([&] { w().results.click(); }, "an ignored Results click changed something");
        return;
    }
    const Saved before(saved_, data_);
    w().results.click();
    require(checks::sameData(*before, data_), "the results window changed the drill state");
    require(pf_.IsLoaded() && pf_.Visible() && pf_.page() >= 1, "Results does not show the results window");
}

void Session::resultsButton(int which)
{
    if (!pf_.IsLoaded()) {
        return;  // its buttons exist only while it is open
    }
    const Saved before(saved_, data_);
    CommandButton& button = which == 0 ? pf_.show10 : which == 1 ? pf_.show20 : pf_.okclose;
    const bool enabled = button.Enabled();
    button.click();
    require(checks::sameData(*before, data_), "the results window changed the drill state");
    if (enabled && which < 2) {
        require(pf_.page() == which + 1, "the results window does not show the chosen page");
    }
    if (which == 2) {
        require(!pf_.IsLoaded(), "Close does not close the results window");
    }
}

ComboBox& Session::combo(std::uint8_t b)
{
    std::array<ComboBox*, 5> boxes{&w().maxtime, &w().MaxNum, &w().wrongnum, &w().NumRepeat, &w().ShockTime};
    return *boxes[b % boxes.size()];
}

void Session::type(ComboBox& box, const std::string& text)
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
    require(checks::sameData(*before, data_), "typing into a combo box changed the drill state");
}

void Session::advance(std::int64_t ms)
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

void Session::toTimeout(int offset)
{
    std::int64_t until = clock_.untilNextTick(w().Timershock);
    if (until < 0) {
        until = clock_.untilNextTick(w().keeptime);
    }
    advance(until < 0 ? 1000 : std::max<std::int64_t>(0, until + offset));
}

void Session::popupOk()
{
    if (tpop_.IsLoaded()) {
        const Saved before(saved_, data_);
        tpop_.kill.click();
        require(!tpop_.IsLoaded() && !tpop_.Visible(), "OK does not close the popup");
        require(checks::sameData(*before, data_), "closing the popup changed the drill state");
    }
}

void Session::closeWindow()
{
    w().windowClosed();
    closed_ = true;
    afterClose();
}

// Nothing runs into a closed window, however long the clock goes on.
void Session::afterClose()
{
    require(!w().keeptime.Enabled() && !w().countdown.Enabled() && !w().Timershock.Enabled(),
            "a clock runs on after the window closed");
    const Saved before(saved_, data_);
    clock_.advance(3600000);
    require(checks::sameData(*before, data_), "the drill went on after the window closed");
}

void Session::checkDrill()
{
    require(checks::windowState(w(), data_));
    require(table_.check(data_));
    require(data_.totalprobs == std::min(bookings_, kBookingCap), "totalprobs is not the number of bookings");
}

void Session::check()
{
    checkDrill();
    if (closed_) {
        afterClose();  // the window is gone: it has no run state left
        return;
    }
    currentRunState();
    require(!tpop_.Modal(), "the popup stays modal after its wait");
}

}  // namespace korvane::fuzz
