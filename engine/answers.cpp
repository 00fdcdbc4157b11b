// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Judging an answer: showpic, but_Click.

#include "tallyquip.h"

namespace korvane {

void Tallyquip::showpic(int n)
{
    for (int i = 0; i < pic.count(); ++i) {
        pic(i).setVisible(false);
    }
    pic(n).setVisible(true);
}

void Tallyquip::but_Click(int Index)
{
    Timershock.setEnabled(false);
    countdown.setEnabled(false);

    if (Index + 1 == data_.rightslot) {
        scor.play();
        data_.lastright = 1;
        //: The problem line after a right answer, in 48-point type over 321 pixels.
        cap.setCaption(say(QT_TRANSLATE_NOOP("MainWindow", "Correct!")));
        showpic(picture::kRight);
    } else {
        beep.play();
        if (data_.facts(data_.curfact).review == -1) {
            stackadd();
        }
        //: The problem line after a wrong answer, in 48-point type over 321 pixels.
        cap.setCaption(say(QT_TRANSLATE_NOOP("MainWindow", "Wrong!")));
        showpic(picture::kWrong);
        //: The popup's headline after a wrong answer: keep the marks and blanks around the words.
        //: Popup: its headline after a wrong answer; red, 16-point, 241 pixels; keep the faces.
        tpop_.showFeedback(popupWord(QT_TRANSLATE_NOOP("PopupWindow", " ^.^ !! Wrong Answer !! ^.^ ")),
                           Modality::Modeless);
    }
    organize();
}

}  // namespace korvane
