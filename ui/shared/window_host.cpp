// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "window_host.h"

#include <utility>

#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWindow>

#include "window_placement.h"

namespace korvane {

WindowHost::WindowHost(SecondaryWindow& model, Factory make, BeforeShow beforeShow)
    : model_(model), make_(std::move(make)), beforeShow_(std::move(beforeShow))
{
    model_.setView(this);
}

WindowHost::~WindowHost() { model_.setView(nullptr); }

void WindowHost::created()
{
    QWidget& window = window_.adopt(make_());
    window.installEventFilter(this);
}

void WindowHost::unloaded()
{
    if (QWidget* window = window_.get()) {
        const bool held = FocusReturn::holdsFocus(*window);
        window_.release();
        if (modalWait_ != nullptr) {
            modalWait_->exit();
        }
        focusReturn_.giveBack(held);
    }
}

void WindowHost::ownWhileModal(QWidget& owner) { modalOwner_ = &owner; }

void WindowHost::showModeless()
{
    QWidget* window = window_.get();
    if (window == nullptr) {
        return;
    }
    beforeShow_(*window);
    focusReturn_.remember(*window);
    // A window of its own, which the main window can cover.
    if (QWindow* handle = window->windowHandle()) {
        handle->setTransientParent(nullptr);
    }
    window->setWindowModality(Qt::NonModal);
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowHost::runModal()
{
    QPointer<QWidget> window = window_.get();
    if (!window) {
        return;
    }
    beforeShow_(*window);
    focusReturn_.remember(*window);
    // Made modal while on screen modeless, a window would not block the
    // main window: take it down first.
    if (window->isVisible()) {
        window->hide();
    }
    // While it blocks the main window it must stay in front of it: as a
    // dialog that the main window owns, every window manager and Wayland
    // compositor keeps it there. Without an owner a Wayland compositor
    // treats it as a window of its own, which a click on the main window
    // covers: the program would look frozen. The new frame needs a new
    // place in the middle of the screen.
    const QSize client = window->size();
    window->setWindowFlags(Qt::Dialog);
    placeCentred(*window, client);
    if (modalOwner_ && modalOwner_->windowHandle() != nullptr) {
        window->createWinId();
        window->windowHandle()->setTransientParent(modalOwner_->windowHandle());
    }
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    if (window_.get() != window) {
        return;  // unloaded as it came up: nothing to wait for
    }
    // The nested loop of a modal dialog: the run clock and the window's own
    // clicks are served until unloaded() ends it.
    QEventLoop wait;
    modalWait_ = &wait;
    wait.exec(QEventLoop::DialogExec);
    modalWait_ = nullptr;
}

bool WindowHost::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Close) {
        return false;
    }
    // The frame's close button is the window's own close button: the model
    // unloads it. The close goes ahead, so the window counts as closed
    // towards the program ending with its last window.
    event->accept();
    if (watched == window_.get()) {
        model_.Unload();
    }
    return true;
}

}  // namespace korvane
