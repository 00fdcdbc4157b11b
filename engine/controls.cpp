// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "controls.h"

#include <algorithm>
#include <cassert>

namespace korvane {

void Observed::setObserver(std::function<void()> observer)
{
    assert(!observer_ && "an observer is already set: clear it first");
    observer_ = std::move(observer);
}

void ControlWindow::releaseObservers()
{
    for (Control* control : controls_) {
        control->clearObserver();
    }
}

Control::Control(ControlWindow& window, std::string name) : window_(window), name_(std::move(name))
{
    window_.controls_.push_back(this);
}

Control::~Control() { std::erase(window_.controls_, this); }

void Control::setEnabled(bool on)
{
    if (enabled_ != on) {
        enabled_ = on;
        notify();
    }
}

void Label::setCaption(std::string caption)
{
    if (caption_ != caption) {
        caption_ = std::move(caption);
        notify();
    }
}

void CommandButton::setCaption(std::string caption)
{
    if (caption_ != caption) {
        caption_ = std::move(caption);
        notify();
    }
}

void OptionButton::setCaption(std::string caption)
{
    if (caption_ != caption) {
        caption_ = std::move(caption);
        notify();
    }
}

void CommandButton::click()
{
    if (acceptsPupilInput() && onClick) {
        onClick();
    }
}

void CheckBox::setValue(int value)
{
    if (value_ == value) {
        return;
    }
    value_ = value;
    notify();
    if (onClick) {
        onClick();
    }
}

void CheckBox::click()
{
    if (acceptsPupilInput()) {
        setValue(value_ == 1 ? 0 : 1);
    }
}

void OptionButton::setSelected(bool on)
{
    if (value_ != on) {
        value_ = on;
        notify();
    }
}

void OptionButton::choose()
{
    group_.select(*this);
    if (onClick) {
        onClick();
    }
}

void OptionButton::click()
{
    if (acceptsPupilInput()) {
        choose();
    }
}

OptionGroup::OptionGroup(ControlWindow& window, const std::string& name, const std::vector<std::string>& captions,
                         int chosen)
{
    for (std::size_t i = 0; i < captions.size(); ++i) {
        buttons_.push_back(
            std::make_unique<OptionButton>(window, name + "(" + std::to_string(i) + ")", captions[i], *this));
    }
    (*this)(chosen).setSelected(true);
}

OptionButton& OptionGroup::operator()(int i)
{
    if (i < 0 || i >= count()) {
        throw std::out_of_range("option index " + std::to_string(i));
    }
    return *buttons_[static_cast<std::size_t>(i)];
}

const OptionButton& OptionGroup::operator()(int i) const { return const_cast<OptionGroup&>(*this)(i); }

void OptionGroup::select(const OptionButton& chosen)
{
    for (auto& button : buttons_) {
        button->setSelected(button.get() == &chosen);
    }
}

void ComboBox::setText(std::string text)
{
    if (text_ != text) {
        text_ = std::move(text);
        notify();
    }
}

void ComboBox::typeText(std::string text)
{
    if (acceptsPupilInput()) {
        text_ = std::move(text);
    }
}

void Picture::setVisible(bool on)
{
    if (visible_ != on) {
        visible_ = on;
        notify();
    }
}

void SoundRequest::play()
{
    ++plays_;
    if (onPlay) {
        onPlay();
    }
}

void Timer::setInterval(int ms)
{
    if (ms == interval_) {
        return;
    }
    interval_ = ms;
    if (Enabled()) {
        ++period_;
    }
    notify();
}

void Timer::setEnabled(bool on)
{
    if (on == enabled_) {
        return;
    }
    if (on) {
        ++period_;
    }
    enabled_ = on;
    notify();
}

void Timer::start()
{
    if (Enabled()) {
        ++period_;
        notify();
    } else {
        setEnabled(true);
    }
}

void Timer::tick()
{
    if (Enabled() && onTimer) {
        onTimer();
    }
}

}  // namespace korvane
