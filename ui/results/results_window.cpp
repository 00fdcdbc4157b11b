// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "results_window.h"

#include "drawing_widget.h"
#include "results_sheet.h"
#include "ui/shared/fonts.h"
#include "ui/shared/right_to_left.h"
#include "ui/shared/system_colours.h"
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

    built_ = sheet::build(*this, model, resultsSheet(), {keys, nullptr, &model.shownPage()});

    const QSize client = layout::pixels(resultsSheet().client).size();  // fixed: no resizing
    setFixedSize(client);
    placeCentred(*this, client);
    rtl::mirror(*this);
    // The first page is drawn as soon as this returns, in the grid's font.
    model.dt.setLineHeight(static_cast<DrawingWidget*>(built_.widget(sheet::Role::Grid))->lineHeightTwips());
}

void ResultsWindow::beforeShow()
{
    if (isVisible()) {
        return;
    }
    // The page buttons may be disabled.
    for (QWidget* widget : built_.tabOrder()) {
        if (widget->isEnabled()) {
            widget->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

}  // namespace korvane
