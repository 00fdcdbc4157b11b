// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "popup_window.h"

#include <QKeyEvent>
#include <QLabel>

#include "answer_fit.h"
#include "popup_sheet.h"
#include "ui/shared/fonts.h"
#include "ui/shared/right_to_left.h"
#include "ui/shared/system_colours.h"
#include "ui/shared/window_placement.h"

namespace korvane {

PopupWindow::PopupWindow(Tpop& model, ProgramKeys& keys) : QDialog(nullptr)
{
    // An ordinary window with the whole frame, not a dialog: window managers
    // keep a dialog above every window of its program, and the pupil must be
    // able to bring the main window in front of a modeless popup. A modal
    // show makes it a dialog (WindowHost::runModal).
    setWindowFlags(Qt::Window);
    setObjectName(QStringLiteral("tpop"));
    setWindowTitle(QString::fromUtf8(Tpop::kCaption));
    setSizeGripEnabled(false);
    colours::paint(*this, colours::System::ActiveBorder);
    setAutoFillBackground(true);

    // OK, the only control that takes the focus, has it.
    built_ = sheet::build(*this, model, popupSheet(), {keys});
    placeCentred(*this, layout::pixels(popupSheet().client).size());
    rtl::mirror(*this);
}

void PopupWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();  // no cancel button: Escape presses nothing
        return;
    }
    QDialog::keyPressEvent(event);
}

void PopupWindow::beforeShow()
{
    // The headline and the answer line are complete once the popup is
    // shown; OK, which takes the focus, carries both, so a screen reader
    // says them with it.
    const auto* headlineLabel = static_cast<QLabel*>(built_.widget(sheet::Role::Headline));
    const auto* answerLine = static_cast<QLabel*>(built_.widget(sheet::Role::AnswerLine));
    QWidget* ok = built_.widget(sheet::Role::Dismiss);
    const QString headline = binding::spokenWords(headlineLabel->text());
    const QString line = binding::spokenText(answerLine->text());
    const QString description = headline.isEmpty() ? line : headline + QStringLiteral(". ") + line;
    if (ok->accessibleDescription() != description) {
        ok->setAccessibleDescription(description);
    }
    fitAnswerLine();
}

void PopupWindow::fitAnswerLine()
{
    auto* answer = static_cast<QLabel*>(built_.widget(sheet::Role::AnswerLine));
    answer->setFont(fittedOnOneLine(answer->text(), fonts::arial(kAnswerPoints), answer->contentsRect().size()));
}

}  // namespace korvane
