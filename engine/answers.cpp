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
        cap.setCaption(say(QT_TRANSLATE_NOOP("Tallyquip", "Correct!")));
        showpic(picture::kRight);
    } else {
        beep.play();
        if (data_.facts(data_.curfact).review == -1) {
            stackadd();
        }
        cap.setCaption(say(QT_TRANSLATE_NOOP("Tallyquip", "Wrong!")));
        showpic(picture::kWrong);
        //: The popup's headline after a wrong answer: keep the marks and blanks around the words.
        tpop_.showFeedback(say(QT_TRANSLATE_NOOP("Tallyquip", " ^.^ !! Wrong Answer !! ^.^ ")), Modality::Modeless);
    }
    organize();
}

}  // namespace korvane
