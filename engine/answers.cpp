// Judging an answer: showpic, but_Click.

#include "tallyquip.h"

namespace korvane {

void Tallyquip::showpic(int n)
{
    for (int i = 0; i <= 3; ++i) {
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
        cap.setCaption("Correct!");
        showpic(2);
    } else {
        beep.play();
        if (data_.facts(data_.curfact).review == -1) {
            stackadd();
        }
        cap.setCaption("Wrong!");
        showpic(3);
        tpop_.Load();
        tpopHeadline_.setCaption(" ^.^ !! Wrong Answer !! ^.^ ");
        tpop_.ShowModeless();
    }
    organize();
}

}  // namespace korvane
