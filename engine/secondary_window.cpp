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

void SecondaryWindow::ShowModeless()
{
    if (!loaded_) {
        Load();
    }
    visible_ = true;
    modal_ = false;
    if (view_ != nullptr) {
        view_->showModeless();
    }
}

void SecondaryWindow::ShowModal()
{
    if (!loaded_) {
        Load();
    }
    visible_ = true;
    modal_ = true;
    if (view_ != nullptr) {
        view_->runModal();
    }
    Unload();  // the caller goes on only with the window gone
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
        view_->destroyed();
    }
}

}  // namespace korvane
