// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "secondary_window.h"

namespace korvane {

void SecondaryWindow::Load()
{
    if (loaded_) {
        loadedAgain();
        return;
    }
    loaded_ = true;
    ++creations_;
    resetControls();
    if (view_ != nullptr) {
        view_->created();
    }
    Form_Load();
}

void SecondaryWindow::ShowModeless() { show(false); }

void SecondaryWindow::ShowModal()
{
    show(true);
    Unload();  // the caller goes on only with the window gone
}

void SecondaryWindow::show(bool modal)
{
    if (!loaded_) {
        Load();
    }
    visible_ = true;
    modal_ = modal;
    if (view_ == nullptr) {
        return;
    }
    if (modal) {
        view_->runModal();
    } else {
        view_->showModeless();
    }
}

void SecondaryWindow::Unload()
{
    if (!loaded_) {
        return;
    }
    loaded_ = false;
    visible_ = false;
    modal_ = false;
    if (view_ != nullptr) {
        view_->unloaded();
    }
    releaseObservers();  // the next Load makes a fresh view that binds them
}

}  // namespace korvane
