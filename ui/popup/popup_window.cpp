// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "popup_window.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "answer_fit.h"
#include "ui/shared/caption_fit.h"
#include "ui/shared/fonts.h"
#include "ui/shared/program_keys.h"
#include "ui/shared/right_to_left.h"
#include "ui/shared/system_colours.h"
#include "ui/shared/twips.h"
#include "ui/shared/widget_binding.h"
#include "ui/shared/window_placement.h"

namespace korvane {

namespace {

constexpr layout::Twips kAnswerBox{240, 600, 4215, 1095};
const double kAnswerPoints = 36;

QLabel* label(QWidget* parent, const std::string& name, layout::Twips box)
{
    auto* widget = new QLabel(parent);
    widget->setObjectName(binding::toQt(name));
    widget->setGeometry(layout::pixels(box));
    widget->setAutoFillBackground(true);
    widget->setTextFormat(Qt::PlainText);
    widget->setWordWrap(true);
    widget->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    widget->setFocusPolicy(Qt::NoFocus);
    return widget;
}

}  // namespace

PopupWindow::PopupWindow(Tpop& model, ProgramKeys& keys) : QDialog(nullptr), model_(model)
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

    QLabel* headline = label(this, model.Label1.name(), {480, 120, 3615, 375});
    headline->setFont(fonts::comicSans(15.75));
    // Pure red on the button face, as the main window's labels, not on the
    // popup's grey; on another ground where the face would leave the red
    // harder to read than in the light scheme.
    colours::paintInk(*headline, QColor(255, 0, 0));
    // Read out as its words: "Wrong Answer", "Time Out".
    binding::bindLabel(model.Label1, *headline, binding::Speech::words());

    QLabel* answer = answer_ = label(this, model.giveanswer.name(), kAnswerBox);
    answer->setFont(fonts::arial(kAnswerPoints));
    colours::paint(*answer, colours::System::TitleText);
    // A fixed name of two words: a screen reader reads the line once, with
    // OK (below), not again among the window's loose labels of three words
    // or more.
    binding::bindLabel(model.giveanswer, *answer,
                       //: Spoken only: the name of the popup's line with the right answer.
                       binding::Speech::described(QCoreApplication::translate("PopupWindow", "Right answer")));

    auto* ok = ok_ = new QPushButton(this);
    ok->setObjectName(binding::toQt(model.kill.name()));
    ok->setGeometry(layout::pixels({240, 1800, 4215, 1335}));
    ok->setFont(fonts::arial(24));
    // Enter presses it because it has the focus, not as a default button,
    // and a held key presses it once.
    ok->setAutoDefault(false);
    ok->setDefault(false);
    binding::bindButton(model.kill, *ok);
    keys.watch(*ok);
    ok->setFocus(Qt::OtherFocusReason);
    // The headline and OK show whole in any language.
    captionfit::keepWhole(*headline);
    captionfit::keepWhole(*ok);

    placeCentred(*this, layout::pixels({0, 0, 4680, 3195}).size());  // the client area
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
    const QString headline = binding::spokenWords(binding::toQt(model_.Label1.Caption()));
    const QString line = binding::spokenText(binding::toQt(model_.giveanswer.Caption()));
    const QString description = headline.isEmpty() ? line : headline + QStringLiteral(". ") + line;
    if (ok_->accessibleDescription() != description) {
        ok_->setAccessibleDescription(description);
    }
    fitAnswerLine();
}

void PopupWindow::fitAnswerLine()
{
    answer_->setFont(fittedOnOneLine(answer_->text(), fonts::arial(kAnswerPoints), answer_->contentsRect().size()));
}

}  // namespace korvane
