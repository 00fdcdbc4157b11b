// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The model of the window controls that the drill logic uses. The running
// program and the tests use these same objects; a Qt widget only mirrors one
// (through its observer) and feeds the pupil's input back into it.
//
// Event rules of the toolkit live here, once:
// - a check box whose Value changes raises its click handler at once, also
//   while it is disabled; setting the same value raises nothing;
// - choosing an option button selects it, clears the rest of its group and
//   raises its click;
// - a disabled control, or one on a window that takes no input (a modal
//   popup is up), ignores the pupil's clicks.
//
// Timers and sound requests are not controls: the pupil neither sees nor
// clicks them, and each keeps its own rules.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace korvane {

// One observer: the view (or clock) that follows the object. A second one
// would silently stop the first from following, so setting one while another
// is set is a wiring fault: loud in debug builds. A view that goes away
// clears its observer first.
class Observed {
public:
    Observed() = default;
    Observed(const Observed&) = delete;
    Observed& operator=(const Observed&) = delete;

    void setObserver(std::function<void()> observer);
    void clearObserver() { observer_ = nullptr; }
    bool observed() const { return static_cast<bool>(observer_); }

protected:
    ~Observed() = default;
    void notify() const
    {
        if (observer_) {
            observer_();
        }
    }

private:
    std::function<void()> observer_;
};

class Control;

// The window a control lives on. Every control is made with its window and
// registers there, so closing the window's input (while a modal popup is up)
// reaches every control on it, also one added later.
class ControlWindow {
public:
    ControlWindow() = default;
    ControlWindow(const ControlWindow&) = delete;
    ControlWindow& operator=(const ControlWindow&) = delete;

    bool inputBlocked() const { return blocked_; }
    void setInputBlocked(bool on) { blocked_ = on; }
    // The controls made on this window, in the order they were made.
    const std::vector<Control*>& controls() const { return controls_; }

protected:
    // The window's view is gone: no control has an observer any more, so a
    // new view can bind them afresh.
    void releaseObservers();

private:
    friend class Control;
    std::vector<Control*> controls_;
    bool blocked_ = false;
};

// A control the pupil sees on a window: it has a name and can be disabled.
class Control : public Observed {
public:
    Control(ControlWindow& window, std::string name);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    const std::string& name() const { return name_; }
    bool Enabled() const { return enabled_; }
    void setEnabled(bool on);
    const ControlWindow& window() const { return window_; }

protected:
    bool acceptsPupilInput() const { return enabled_ && !window_.inputBlocked(); }

private:
    ControlWindow& window_;
    std::string name_;
    bool enabled_ = true;
};

class Label : public Control {
public:
    Label(ControlWindow& window, std::string name, std::string caption)
        : Control(window, std::move(name)), caption_(std::move(caption))
    {}
    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);

private:
    std::string caption_;
};

class CommandButton : public Control {
public:
    CommandButton(ControlWindow& window, std::string name, std::string caption)
        : Control(window, std::move(name)), caption_(std::move(caption))
    {}
    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);
    // The pupil's click; ignored while disabled or blocked.
    void click();
    std::function<void()> onClick;

private:
    std::string caption_;
};

class CheckBox : public Control {
public:
    CheckBox(ControlWindow& window, std::string name, int value) : Control(window, std::move(name)), value_(value) {}
    int Value() const { return value_; }
    // From the program: a change raises the click handler before returning.
    void setValue(int value);
    // The pupil's click toggles between 0 and 1.
    void click();
    std::function<void()> onClick;

private:
    int value_;
};

class OptionGroup;

class OptionButton : public Control {
public:
    OptionButton(ControlWindow& window, std::string name, std::string caption, OptionGroup& group)
        : Control(window, std::move(name)), caption_(std::move(caption)), group_(group)
    {}
    const std::string& Caption() const { return caption_; }
    void setCaption(std::string caption);
    bool Value() const { return value_; }
    // Chooses this option from the program: clears the others, raises click.
    void choose();
    // The pupil's click: the same, unless disabled or blocked.
    void click();
    std::function<void()> onClick;

private:
    friend class OptionGroup;
    void setSelected(bool on);
    std::string caption_;
    OptionGroup& group_;
    bool value_ = false;
};

// Option buttons of one container; at most one is chosen.
class OptionGroup {
public:
    OptionGroup(ControlWindow& window, const std::string& name, const std::vector<std::string>& captions, int chosen);
    OptionButton& operator()(int i);
    const OptionButton& operator()(int i) const;
    int count() const { return static_cast<int>(buttons_.size()); }
    void select(const OptionButton& chosen);

private:
    std::vector<std::unique_ptr<OptionButton>> buttons_;
};

class ComboBox : public Control {
public:
    ComboBox(ControlWindow& window, std::string name, std::string text, std::vector<std::string> items)
        : Control(window, std::move(name)), text_(std::move(text)), items_(std::move(items))
    {}
    const std::string& Text() const { return text_; }
    // Written by the program (the view follows) or by the pupil's typing or
    // choosing (the view already shows it); neither raises anything.
    void setText(std::string text);
    void typeText(std::string text);
    const std::vector<std::string>& items() const { return items_; }

private:
    std::string text_;
    std::vector<std::string> items_;
};

class Picture : public Control {
public:
    Picture(ControlWindow& window, std::string name, bool visible) : Control(window, std::move(name)), visible_(visible)
    {}
    bool Visible() const { return visible_; }
    void setVisible(bool on);

private:
    bool visible_;
};

// A sound the window asks for (the chime, the beep). Not a control: it has
// nothing to show or disable. The view plays it from onPlay; the count lets
// tests tell how often it was asked for.
class SoundRequest {
public:
    explicit SoundRequest(std::string name) : name_(std::move(name)) {}
    SoundRequest(const SoundRequest&) = delete;
    SoundRequest& operator=(const SoundRequest&) = delete;

    const std::string& name() const { return name_; }
    void play();
    int plays() const { return plays_; }
    std::function<void()> onPlay;

private:
    std::string name_;
    int plays_ = 0;
};

// A timer: Interval in milliseconds and Enabled. A clock (the virtual one in
// tests, QTimer in the program) observes it and calls tick() when a period
// has passed. Not a control, so nothing can switch it on past its own rule.
class Timer : public Observed {
public:
    Timer(std::string name, int intervalMs) : name_(std::move(name)), interval_(intervalMs) {}

    const std::string& name() const { return name_; }
    int Interval() const { return interval_; }
    // Like the toolkit's timers: a new interval on a running timer begins a
    // fresh period.
    void setInterval(int ms);
    bool Enabled() const { return enabled_; }
    // Enabling a stopped timer begins a fresh period; enabling a running one
    // changes nothing; disabling drops the partial period.
    void setEnabled(bool on);
    // Runs the timer with a fresh period whether or not it was running.
    void start();
    // Each fresh period gets a new number, so a clock can tell a restart.
    std::uint64_t period() const { return period_; }
    // Called by the clock; runs the handler only while enabled.
    void tick();
    std::function<void()> onTimer;

private:
    std::string name_;
    int interval_;
    bool enabled_ = false;
    std::uint64_t period_ = 0;
};

// Control arrays are indexed from 0, bounds-checked.
template <typename T, std::size_t N>
class ControlArray {
public:
    template <typename Make>
    explicit ControlArray(Make make)
    {
        for (std::size_t i = 0; i < N; ++i) {
            items_[i] = make(static_cast<int>(i));
        }
    }
    T& operator()(int i) { return *items_.at(checked(i)); }
    const T& operator()(int i) const { return *items_.at(checked(i)); }
    static constexpr int count() { return static_cast<int>(N); }

private:
    static std::size_t checked(int i)
    {
        if (i < 0 || i >= static_cast<int>(N)) [[unlikely]] {
            outOfRange(i);
        }
        return static_cast<std::size_t>(i);
    }
    [[noreturn, gnu::cold, gnu::noinline]] static void outOfRange(int i)
    {
        throw std::out_of_range("control index " + std::to_string(i));
    }
    std::array<std::unique_ptr<T>, N> items_;
};

}  // namespace korvane
