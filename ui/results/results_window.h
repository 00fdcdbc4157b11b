#pragma once
// The results window pf on screen: a parentless window bound to the Pf
// model. Load makes it, Unload closes and deletes it.

#include <QWidget>

#include "pf.h"
#include "ui/shared/focus_return.h"
#include "ui/shared/owned_window.h"

namespace korvane {

class EnterPressesButton;

// The window itself. Closing it from its frame is the Close button.
class ResultsForm : public QWidget {
public:
    explicit ResultsForm(Pf& model);
    void detach() { model_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Pf* model_;
    EnterPressesButton* enterKey_;  // child of this
};

class ResultsWindowView final : public ResultsView {
public:
    static constexpr int kClientWidth = 8580;  // twips
    static constexpr int kClientHeight = 4035;

    explicit ResultsWindowView(Pf& model);
    ResultsWindowView(const ResultsWindowView&) = delete;
    ResultsWindowView& operator=(const ResultsWindowView&) = delete;
    ~ResultsWindowView() override;

    void created() override;
    void destroyed() override;
    void show() override;

    // The window while it is loaded, else null.
    ResultsForm* window() const { return window_.get(); }

private:
    Pf& model_;
    OwnedWindow<ResultsForm> window_;
    FocusReturn focusReturn_;
};

}  // namespace korvane
