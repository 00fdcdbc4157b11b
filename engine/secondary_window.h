// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The life of the main window's two secondary windows, the popup and the
// results window: Load creates the window hidden and runs its load handler,
// Show puts it on screen modeless or modal and brings it to the front when
// it is shown again, Unload (its own button or its frame) destroys it. Each
// exists at most once; the next Load after an Unload creates it afresh.

#include "controls.h"

namespace korvane {

// The window on screen, as the model drives it: the program's Qt host, or
// a test's scripted stand-in.
class WindowView {
public:
    virtual ~WindowView() = default;
    virtual void created() = 0;       // make the window, hidden
    virtual void unloaded() = 0;      // close and destroy it; this ends a modal wait
    virtual void showModeless() = 0;  // show it and bring it to the front
    virtual void runModal() = 0;      // show it and wait until unloaded() ends the wait
};

class SecondaryWindow : public ControlWindow {
public:
    SecondaryWindow(const SecondaryWindow&) = delete;
    SecondaryWindow& operator=(const SecondaryWindow&) = delete;

    // Creates the window hidden and runs its load handler. On a window that
    // exists already, only what loadedAgain() does.
    void Load();
    // Returns at once; the main window stays usable.
    void ShowModeless();
    // Returns once the window has been unloaded, whatever ended the wait;
    // without a view there is no one to wait for, and it returns at once.
    void ShowModal();
    void Unload();

    bool IsLoaded() const { return loaded_; }
    bool Visible() const { return visible_; }
    bool Modal() const { return modal_; }
    // How many times the window has been created since the program started.
    int creations() const { return creations_; }

    void setView(WindowView* view) { view_ = view; }

protected:
    SecondaryWindow() = default;
    ~SecondaryWindow() = default;

    // Puts the controls back to their designer values before a fresh window
    // is made for them.
    virtual void resetControls() = 0;
    virtual void Form_Load() = 0;
    // A Load while the window exists.
    virtual void loadedAgain() {}

private:
    void show(bool modal);

    WindowView* view_ = nullptr;
    bool loaded_ = false;
    bool visible_ = false;
    bool modal_ = false;
    int creations_ = 0;
};

}  // namespace korvane
