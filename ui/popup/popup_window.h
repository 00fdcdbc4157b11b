#pragma once
// The feedback popup tpop on screen: a parentless dialog bound to the Tpop
// model. Each Load makes a fresh dialog; Unload closes and deletes it,
// which also ends a modal wait.

#include <QDialog>

#include "tpop.h"
#include "ui/shared/focus_return.h"
#include "ui/shared/owned_window.h"

namespace korvane {

// The dialog itself. Closing it from its frame is the OK button's Unload;
// Escape does nothing.
class PopupDialog : public QDialog {
public:
    explicit PopupDialog(Tpop& model);
    // From now on the dialog no longer reports to the model.
    void detach() { model_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Tpop* model_;
};

class PopupWindow final : public PopupView {
public:
    static constexpr int kClientWidth = 4680;  // twips
    static constexpr int kClientHeight = 3195;

    explicit PopupWindow(Tpop& model);
    PopupWindow(const PopupWindow&) = delete;
    PopupWindow& operator=(const PopupWindow&) = delete;
    ~PopupWindow() override;

    void created() override;
    void destroyed() override;
    void showModeless() override;
    void runModal() override;

    // The dialog while the popup is loaded, else null.
    PopupDialog* dialog() const { return window_.get(); }

private:
    void describeForScreenReaders();

    Tpop& model_;
    OwnedWindow<PopupDialog> window_;
    FocusReturn focusReturn_;
};

}  // namespace korvane
