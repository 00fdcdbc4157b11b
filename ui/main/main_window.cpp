// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "main_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

#include "chime.h"
#include "main_sheet.h"
#include "qt_timer_binding.h"
#include "ui/shared/announcer.h"
#include "ui/shared/fonts.h"
#include "ui/shared/program_keys.h"
#include "ui/shared/right_to_left.h"
#include "ui/shared/window_placement.h"

namespace korvane {

MainWindow::MainWindow(Tallyquip& model, ProgramKeys& keys)
    : model_(model), sounds_(new Sounds(Sounds::findChimeFile(), this)), announcer_(new Announcer(*this))
{
    setObjectName(QStringLiteral("Tallyquip"));
    setWindowTitle(QString::fromUtf8(Tallyquip::kCaption));
    setFont(fonts::dialog());
    // Popups of child widgets (the combo lists) use the window's font too.
    setAttribute(Qt::WA_WindowPropagation);

    built_ = sheet::build(*this, model_, mainSheet(), {keys, announcer_});
    answerFromTheKeys(keys);
    // Sounds come only during a run, so the sound library loads when the
    // pupil presses Start, not while the program sits waiting.
    connect(static_cast<QPushButton*>(built_.widget(sheet::Role::Start)), &QPushButton::pressed, sounds_,
            &Sounds::prepare);
    // Each play request sounds once.
    model_.scor.onPlay = [this] { sounds_->chime(); };
    model_.beep.onPlay = [this] { sounds_->bell(); };
    for (Timer* timer : model_.timers()) {
        new QtTimerBinding(*timer, this);
    }
    timeOnRequest();

    // Nothing is laid out again on a resize: every control keeps its place.
    placeCentred(*this, layout::pixels(mainSheet().client).size());
    rtl::mirror(*this);
}

MainWindow::~MainWindow()
{
    model_.scor.onPlay = nullptr;
    model_.beep.onPlay = nullptr;
    model_.typed.onFocus = nullptr;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    model_.windowClosed();
    event->accept();
}

// Typed numbers and the arrow keys move the focus as a keyboard shortcut
// does: the focus frame shows, and a screen reader says the answer.
void MainWindow::answerFromTheKeys(ProgramKeys& keys)
{
    std::array<QPushButton*, 3> answers{};
    const std::vector<QWidget*> made = built_.widgets(sheet::Role::Answer);
    for (std::size_t i = 0; i < answers.size(); ++i) {
        answers.at(i) = static_cast<QPushButton*>(made.at(i));
    }
    keys.answerWith(model_.typed, answers);
    model_.typed.onFocus = [answers](int i) {
        answers.at(static_cast<std::size_t>(i))->setFocus(Qt::ShortcutFocusReason);
    };
}

void MainWindow::timeOnRequest()
{
    // The clock is never read out by itself; T (for time), a key the drill
    // has no other use for, says it on request. A text field that has the
    // focus takes the letter as typed text instead.
    auto* tellTime = new QShortcut(QKeySequence(Qt::Key_T), this);
    tellTime->setContext(Qt::WindowShortcut);
    const auto* clock = static_cast<QLabel*>(built_.widget(sheet::Role::Clock));
    connect(tellTime, &QShortcut::activated, this, [this, clock] { announcer_->announce(clock->text()); });
}

}  // namespace korvane
