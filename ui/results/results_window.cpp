#include "results_window.h"

#include <array>
#include <utility>

#include <QCloseEvent>
#include <QPushButton>

#include "drawing_widget.h"
#include "ui/shared/enter_key.h"
#include "ui/shared/fonts.h"
#include "ui/shared/twips.h"
#include "ui/shared/widget_binding.h"
#include "ui/shared/window_placement.h"

namespace korvane {

namespace {

// System colour 10, the border of an active window in the standard scheme.
const QColor kLightGrey(212, 208, 200);

}  // namespace

ResultsForm::ResultsForm(Pf& model)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      model_(&model), enterKey_(new EnterPressesButton(this))
{
    setObjectName(QStringLiteral("pf"));
    setWindowTitle(QString::fromUtf8(Pf::kCaption));
    setFont(fonts::arial(9.75));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, kLightGrey);
    setPalette(grey);
    setAutoFillBackground(true);

    auto* dt = new DrawingWidget(model.dt, this);
    dt->setGeometry(layout::pixels({240, 0, 8055, 3375}));
    dt->setFont(fonts::courier(9.75));
    dt->setAccessibleName(QStringLiteral("Results grid"));

    auto button = [this](CommandButton& control, layout::Twips box) {
        auto* widget = new QPushButton(this);
        widget->setObjectName(binding::toQt(control.name()));
        widget->setGeometry(layout::pixels(box));
        widget->setAutoDefault(false);
        binding::bindButton(control, *widget);
        enterKey_->watch(*widget);
        return widget;
    };
    QPushButton* show10 = button(model.show10, {360, 3480, 1935, 495});
    QPushButton* show20 = button(model.show20, {2520, 3480, 1935, 495});
    QPushButton* okclose = button(model.okclose, {6720, 3480, 1575, 495});

    QWidget::setTabOrder(show10, okclose);
    QWidget::setTabOrder(okclose, dt);
    QWidget::setTabOrder(dt, show20);
}

void ResultsForm::closeEvent(QCloseEvent* event)
{
    // The frame's close button is the Close button; this close goes ahead,
    // so the window counts as closed.
    event->accept();
    if (Pf* model = std::exchange(model_, nullptr)) {
        model->okclose_Click();
    }
}

ResultsWindowView::ResultsWindowView(Pf& model) : model_(model) { model_.setView(this); }

ResultsWindowView::~ResultsWindowView() { model_.setView(nullptr); }

void ResultsWindowView::created()
{
    ResultsForm& form = window_.adopt(std::make_unique<ResultsForm>(model_));
    const QSize client = layout::pixels({0, 0, kClientWidth, kClientHeight}).size();
    form.setFixedSize(client);
    placeCentred(form, client);
    if (auto* dt = form.findChild<DrawingWidget*>()) {
        model_.dt.setLineHeight(dt->lineHeightTwips());
    }
}

void ResultsWindowView::destroyed()
{
    if (ResultsForm* form = window_.get()) {
        form->detach();
        const bool held = FocusReturn::holdsFocus(*form);
        window_.release();
        focusReturn_.giveBack(held);
    }
}

void ResultsWindowView::show()
{
    ResultsForm* form = window_.get();
    if (form == nullptr) {
        return;
    }
    focusReturn_.remember(*form);
    if (!form->isVisible()) {
        // The focus starts on the first control in the tab order that can
        // take it; the page buttons may be disabled.
        for (const char* name : {"show10", "okclose", "dt", "show20"}) {
            auto* widget = form->findChild<QWidget*>(QString::fromLatin1(name));
            if (widget != nullptr && widget->isEnabled()) {
                widget->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
        form->show();
    }
    form->raise();
    form->activateWindow();
}

}  // namespace korvane
