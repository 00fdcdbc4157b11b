// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Puts a secondary window's model on screen: makes its Qt window, parentless,
// each time the model is loaded and owns it until the model unloads it;
// shows it modeless, or modal above the window that owns it while modal;
// takes the frame's close button for the model's Unload; and hands the
// keyboard back to the window that had it when the window goes.

#include <functional>
#include <memory>

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "engine/secondary_window.h"
#include "focus_return.h"
#include "owned_window.h"

class QEventLoop;

namespace korvane {

class ProgramKeys;

class WindowHost final : public QObject, public WindowView {
public:
    // Makes a fresh window, hidden, its controls bound to the model.
    using Factory = std::function<std::unique_ptr<QWidget>()>;
    // Brings what the window shows up to date just before it is shown or
    // brought to the front.
    using BeforeShow = std::function<void(QWidget&)>;

    WindowHost(SecondaryWindow& model, Factory make, BeforeShow beforeShow);
    WindowHost(const WindowHost&) = delete;
    WindowHost& operator=(const WindowHost&) = delete;
    ~WindowHost() override;

    // While shown modal, the window is owned by `owner` (its transient
    // parent), so the desktop keeps it above that; shown modeless, it has
    // no owner.
    void ownWhileModal(QWidget& owner);

    // The window while the model is loaded, else null.
    QWidget* window() const { return window_.get(); }

    void created() override;
    void unloaded() override;
    void showModeless() override;
    void runModal() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SecondaryWindow& model_;
    Factory make_;
    BeforeShow beforeShow_;
    OwnedWindow<QWidget> window_;
    FocusReturn focusReturn_;
    QPointer<QWidget> modalOwner_;
    QEventLoop* modalWait_ = nullptr;
};

// The host of a window class W, made as W(model, keys) with the program's
// keys, whose beforeShow() runs before each show.
template <typename W, typename Model>
WindowHost hostOf(Model& model, ProgramKeys& keys)
{
    return WindowHost(
        model, [&model, &keys] { return std::make_unique<W>(model, keys); },
        // The window is one this host made, so it is a W.
        [](QWidget& window) { static_cast<W&>(window).beforeShow(); });
}

}  // namespace korvane
