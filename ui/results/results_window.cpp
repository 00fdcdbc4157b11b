// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "results_window.h"

#include <QCoreApplication>
#include <QPushButton>

#include "drawing_widget.h"
#include "ui/shared/caption_fit.h"
#include "ui/shared/fonts.h"
#include "ui/shared/program_keys.h"
#include "ui/shared/right_to_left.h"
#include "ui/shared/system_colours.h"
#include "ui/shared/twips.h"
#include "ui/shared/widget_binding.h"
#include "ui/shared/window_placement.h"

namespace korvane {

ResultsWindow::ResultsWindow(Pf& model, ProgramKeys& keys)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("pf"));
    setWindowTitle(QString::fromUtf8(Pf::kCaption));
    setFont(fonts::arial(9.75));
    colours::paint(*this, colours::System::ActiveBorder);
    setAutoFillBackground(true);

    auto* dt = new DrawingWidget(model.dt, model.shownPage(), this);
    dt->setGeometry(layout::pixels({240, 0, 8055, 3375}));
    dt->setFont(fonts::courier(9.75));
    //: Spoken only: the name of the results window's grid.
    dt->setAccessibleName(QCoreApplication::translate("ResultsWindow", "Results grid"));

    auto button = [this, &keys](CommandButton& control, layout::Twips box) {
        auto* widget = new QPushButton(this);
        widget->setObjectName(binding::toQt(control.name()));
        widget->setGeometry(layout::pixels(box));
        // The window's font held by the button, not a desktop theme's.
        widget->setFont(font());
        widget->setAutoDefault(false);
        binding::bindButton(control, *widget);
        keys.watch(*widget);
        captionfit::keepWhole(*widget);
        return widget;
    };
    QPushButton* show10 = button(model.show10, {360, 3480, 1935, 495});
    QPushButton* show20 = button(model.show20, {2520, 3480, 1935, 495});
    QPushButton* okclose = button(model.okclose, {6720, 3480, 1575, 495});

    tabOrder_ = {show10, okclose, dt, show20};
    for (std::size_t i = 1; i < tabOrder_.size(); ++i) {
        QWidget::setTabOrder(tabOrder_.at(i - 1), tabOrder_.at(i));
    }

    const QSize client = layout::pixels({0, 0, 8580, 4035}).size();  // fixed: no resizing
    setFixedSize(client);
    placeCentred(*this, client);
    rtl::mirror(*this);
    // The first page is drawn as soon as this returns, in dt's font.
    model.dt.setLineHeight(dt->lineHeightTwips());
}

void ResultsWindow::beforeShow()
{
    if (isVisible()) {
        return;
    }
    // The page buttons may be disabled.
    for (QWidget* widget : tabOrder_) {
        if (widget->isEnabled()) {
            widget->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

}  // namespace korvane
