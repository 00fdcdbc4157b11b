// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The clocks and Reset: keeptime_Timer, countdown_Timer, Timershock_Timer,
// clear_Click.

#include "counters.h"
#include "number_text.h"
#include "tallyquip.h"

namespace korvane {

void Tallyquip::keeptime_Timer() { countUp(data_.elapsed); }

void Tallyquip::countdown_Timer()
{
    if (data_.shockleft == -1) {
        return;
    }
    //: The seconds left to answer; said again when the pupil presses T.
    //: Main window: the seconds (%1) left to answer; 14-point type, 137 pixels; also said on the T key.
    Timecap.setCaption(filled(say(QT_TRANSLATE_NOOP("MainWindow", "Time:  %1")), {digits(data_.shockleft)}));
    --data_.shockleft;
}

void Tallyquip::Timershock_Timer()
{
    beep.play();
    Timershock.setEnabled(false);
    countdown.setEnabled(false);
    showpic(picture::kTimeOut);

    // The window takes no input until the popup is gone.
    setInputBlocked(true);
    //: The popup's headline when the answer clock ran out: keep the marks and blanks around the words.
    //: Popup: its headline when the time to answer ran out; red, 16-point, 241 pixels; keep the faces.
    tpop_.showFeedback(popupWord(QT_TRANSLATE_NOOP("PopupWindow", " ^_^ !!Time Out!! ^_^ ")), Modality::Modal);
    setInputBlocked(false);
    if (closed_) {
        return;  // the window went away during the wait
    }

    if (data_.facts(data_.curfact).review == -1) {
        stackadd();
    }
    organize();
}

void Tallyquip::clear_Click()
{
    Stop_Click();
    preptable();
    data_.elapsed = 0;
    data_.totalright = 0;
    data_.started = 0;
    data_.totalprobs = 0;
    showpic(picture::kLogo);
    score.setCaption(say(QT_TRANSLATE_NOOP("MainWindow", "Score")));
    Timecap.setCaption(say(QT_TRANSLATE_NOOP("MainWindow", "Time")));
    stateall(panel::kOpen);
}

}  // namespace korvane
