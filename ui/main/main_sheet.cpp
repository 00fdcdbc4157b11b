// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "main_sheet.h"

#include <array>

#include "ui/shared/sheet_check.h"

namespace korvane {

namespace {

using sheet::control;
using sheet::fixed;
using sheet::item;
using sheet::Kind;
using sheet::Row;
using T = Tallyquip;
using enum binding::Speech::Kind;
using enum sheet::Face;
using enum sheet::Look;
using enum sheet::Role;

constexpr int kValues = 1;  // the frame of the number boxes
constexpr int kTime = 2;    // the frame of the run's settings

//: Spoken only: the name of the box that puts number %1 (1 to 10) into the problems.
constexpr const char* kNumber = QT_TRANSLATE_NOOP("MainWindow", "Number %1");
//: Spoken only: the name of answer button %1 (1, 2 or 3).
constexpr const char* kAnswer = QT_TRANSLATE_NOOP("MainWindow", "Answer %1");

// In the order the widgets are made: a later one is drawn over an earlier
// one where they meet.
// clang-format off
constexpr std::array kRows{
    // The two frames; the rows that name one as their container lie inside.
    Row{.target = fixed(Kind::Frame, "Value"), .box = {120, 0, 3015, 2175}, .tab = 14,
        //: Main window: the title of the frame with the number boxes 1 to 10; about 150 pixels.
        .caption = QT_TRANSLATE_NOOP("MainWindow", "Values"), .frame = kValues},
    Row{.target = fixed(Kind::Frame, "Ftime"), .box = {3240, 120, 4575, 2415}, .tab = 3,
        //: Main window: the title of the frame with the run's settings; about 150 pixels.
        .caption = QT_TRANSLATE_NOOP("MainWindow", "Time"), .frame = kTime},

    // The problem, said as it comes ("Correct!" and "Wrong!" too), wherever
    // the focus is; the clock never by itself, as it changes every second;
    // the score after each answer.
    Row{.target = control<&T::cap>(), .box = {2760, 2880, 4815, 1335}, .tab = 6, .font = {Arial, 48},
        //: Spoken only: the name of the big line that shows the problem.
        .spoken = QT_TRANSLATE_NOOP("MainWindow", "Problem"), .speech = Announced, .look = Problem, .centred = true},
    Row{.target = control<&T::Timecap>(), .box = {8040, 2400, 2055, 615}, .tab = 7, .font = {Arial, 14.25},
        .caption = "Time",
        //: Spoken only: the name of the line that counts down the seconds to answer.
        .spoken = QT_TRANSLATE_NOOP("MainWindow", "Time left"), .speech = Quiet, .centred = true, .role = Clock},
    Row{.target = control<&T::score>(), .box = {8040, 3360, 2055, 855}, .tab = 8, .font = {Arial, 14.25},
        .caption = "Score",
        //: Spoken only: the name of the score line.
        .spoken = QT_TRANSLATE_NOOP("MainWindow", "Score"), .speech = Description, .centred = true},

    // Labels that name other controls; the drill never writes to them.
    Row{.target = fixed(Kind::Label, "L1to5"), .in = kValues, .box = {120, 240, 2415, 255}, .tab = 26,
        .caption = "    1        2         3         4        5", .translate = false},
    Row{.target = fixed(Kind::Label, "Lplusten"), .in = kValues, .box = {2520, 600, 375, 255}, .tab = 28,
        .caption = " +10", .translate = false},
    Row{.target = fixed(Kind::Label, "L610"), .in = kValues, .box = {120, 960, 2295, 255}, .tab = 27,
        .caption = "    6         7        8         9       10 ", .translate = false},
    Row{.target = fixed(Kind::Label, "Lmaxtime"), .in = kTime, .box = {360, 240, 855, 255}, .tab = 12,
        //: Main window, Time frame: the label over the box of minutes a run lasts; 57 pixels wide, one line.
        .caption = QT_TRANSLATE_NOOP("MainWindow", "MaxTime"), .names = control<&T::maxtime>()},
    Row{.target = fixed(Kind::Label, "Lmaxnumber"), .in = kTime, .box = {240, 960, 975, 255}, .tab = 13,
        //: Main window, Time frame: the label over the box of how many problems a run has; 65 pixels, one line.
        .caption = QT_TRANSLATE_NOOP("MainWindow", "MaxNumber"), .names = control<&T::MaxNum>()},
    Row{.target = fixed(Kind::Label, "Label1"), .in = kTime, .box = {3720, 240, 735, 255}, .tab = 39,
        //: Main window, Time frame: beside the box of how often a missed problem comes back; 49 pixels, one line.
        .caption = QT_TRANSLATE_NOOP("MainWindow", "Wrong"), .names = control<&T::wrongnum>()},
    Row{.target = fixed(Kind::Label, "Label2"), .in = kTime, .box = {3720, 720, 735, 255}, .tab = 40,
        //: Main window, Time frame: beside the box of right answers that retire a problem; 49 pixels, one line.
        .caption = QT_TRANSLATE_NOOP("MainWindow", "Right"), .names = control<&T::NumRepeat>()},
    Row{.target = fixed(Kind::Label, "Label3"), .in = kTime, .box = {3720, 1200, 735, 255}, .tab = 41,
        //: Main window, Time frame: beside the box of seconds to answer one problem; 49 pixels, one line.
        .caption = QT_TRANSLATE_NOOP("MainWindow", "TimeLimit"), .names = control<&T::ShockTime>()},

    // The number boxes: the numbers stand in the labels over them.
    Row{.target = item<&T::ck, 0>(), .in = kValues, .box = {240, 480, 255, 375}, .tab = 15, .spoken = kNumber},
    Row{.target = item<&T::ck, 1>(), .in = kValues, .box = {720, 480, 255, 375}, .tab = 16, .spoken = kNumber},
    Row{.target = item<&T::ck, 2>(), .in = kValues, .box = {1200, 480, 255, 375}, .tab = 17, .spoken = kNumber},
    Row{.target = item<&T::ck, 3>(), .in = kValues, .box = {1680, 480, 255, 375}, .tab = 18, .spoken = kNumber},
    Row{.target = item<&T::ck, 4>(), .in = kValues, .box = {2160, 480, 255, 375}, .tab = 19, .spoken = kNumber},
    Row{.target = item<&T::ck, 5>(), .in = kValues, .box = {240, 1200, 255, 375}, .tab = 21, .spoken = kNumber},
    Row{.target = item<&T::ck, 6>(), .in = kValues, .box = {720, 1200, 255, 375}, .tab = 22, .spoken = kNumber},
    Row{.target = item<&T::ck, 7>(), .in = kValues, .box = {1200, 1200, 255, 375}, .tab = 23, .spoken = kNumber},
    Row{.target = item<&T::ck, 8>(), .in = kValues, .box = {1680, 1200, 255, 375}, .tab = 24, .spoken = kNumber},
    Row{.target = item<&T::ck, 9>(), .in = kValues, .box = {2160, 1200, 255, 375}, .tab = 20, .spoken = kNumber},
    Row{.target = item<&T::ck, 10>(), .in = kValues, .box = {2640, 840, 255, 375}, .tab = 25,
        //: Spoken only: the name of the +10 box, which adds 11 to 20 to the other number of + and - problems.
        .spoken = QT_TRANSLATE_NOOP("MainWindow", "Plus ten")},

    // How a run ends.
    Row{.target = item<&T::setp, 0>(), .in = kTime, .box = {1440, 240, 855, 255}, .tab = 34, .caption = "Time"},
    Row{.target = item<&T::setp, 1>(), .in = kTime, .box = {1440, 600, 855, 255}, .tab = 35, .caption = "Number"},
    Row{.target = item<&T::setp, 2>(), .in = kTime, .box = {1440, 960, 855, 255}, .tab = 36, .caption = "More"},
    Row{.target = item<&T::setp, 3>(), .in = kTime, .box = {1440, 1320, 855, 255}, .tab = 37, .caption = "Less"},
    // The operation choice belongs to the window, drawn above the lower band
    // of the Time frame and never grouped with the end-mode buttons inside
    // it. Its captions are signs: a screen reader says the operation.
    Row{.target = item<&T::Option1, 0>(), .box = {3480, 1680, 855, 255}, .tab = 42,
        //: Spoken only: the name of the ( + ) option button, which chooses plus problems.
        .spoken = QT_TRANSLATE_NOOP("MainWindow", "Addition")},
    Row{.target = item<&T::Option1, 1>(), .box = {3480, 1920, 855, 255}, .tab = 43,
        //: Spoken only: the name of the ( - ) option button, which chooses minus problems.
        .spoken = QT_TRANSLATE_NOOP("MainWindow", "Subtraction")},
    Row{.target = item<&T::Option1, 2>(), .box = {3480, 2160, 975, 255}, .tab = 44,
        //: Spoken only: the name of the ( x ) option button, which chooses times problems.
        .spoken = QT_TRANSLATE_NOOP("MainWindow", "Multiplication")},

    // The run's settings, each named by its label.
    Row{.target = control<&T::maxtime>(), .in = kTime, .box = {120, 480, 1215, 315}, .tab = 4},
    Row{.target = control<&T::MaxNum>(), .in = kTime, .box = {120, 1200, 1215, 315}, .tab = 5},
    Row{.target = control<&T::wrongnum>(), .in = kTime, .box = {2400, 240, 1215, 315}, .tab = 38},
    Row{.target = control<&T::NumRepeat>(), .in = kTime, .box = {2400, 720, 1215, 315}, .tab = 32},
    Row{.target = control<&T::ShockTime>(), .in = kTime, .box = {2400, 1200, 1215, 315}, .tab = 33},

    // An answer button is called by its slot; its value is its description.
    Row{.target = item<&T::but, 0>(), .box = {360, 4680, 2775, 2055}, .tab = 9, .font = {Arial, 48},
        .spoken = kAnswer, .speech = Description, .role = Answer},
    Row{.target = item<&T::but, 1>(), .box = {3720, 4680, 2775, 2055}, .tab = 10, .font = {Arial, 48},
        .spoken = kAnswer, .speech = Description, .role = Answer},
    Row{.target = item<&T::but, 2>(), .box = {7200, 4680, 2775, 2055}, .tab = 11, .font = {Arial, 48},
        .spoken = kAnswer, .speech = Description, .role = Answer},
    Row{.target = control<&T::Start>(), .box = {7920, 120, 2295, 975}, .tab = 2, .font = {Arial, 24},
        .caption = "Start", .role = Start},
    Row{.target = control<&T::Stop>(), .box = {7920, 1200, 2295, 975}, .tab = 1, .font = {Arial, 24},
        .caption = "Pause"},
    // Results and Reset lie over the empty lower band of the Time frame but
    // belong to the window; made after the frame, they are drawn above it.
    Row{.target = control<&T::results>(), .box = {4560, 1800, 1455, 495}, .tab = 31, .font = {Arial, 18},
        .caption = "Results"},
    Row{.target = control<&T::clear>(), .box = {6120, 1800, 1455, 495}, .tab = 0, .font = {Arial, 18},
        .caption = "Reset"},
    Row{.target = control<&T::selectall>(), .in = kValues, .box = {240, 1680, 1095, 255}, .tab = 29,
        .caption = "Select All"},
    Row{.target = control<&T::unselect>(), .in = kValues, .box = {1680, 1680, 1095, 255}, .tab = 30,
        .caption = "Unselect"},

    // The pictures of showpic, one at a time in one place, and the chime.
    Row{.target = item<&T::pic, 0>(), .box = {360, 2520, 1800, 1800},
        //: Spoken only: the picture shown before a run, the program's logo.
        .spoken = QT_TRANSLATE_NOOP("MainWindow", "Belquist logo"), .picture = ":/assets/pic0.png"},
    Row{.target = item<&T::pic, 1>(), .box = {360, 2520, 1800, 1800},
        //: Spoken only: the picture shown after a time-out.
        .spoken = QT_TRANSLATE_NOOP("MainWindow", "Three question marks"), .picture = ":/assets/pic1.png"},
    Row{.target = item<&T::pic, 2>(), .box = {360, 2520, 1800, 1800},
        //: Spoken only: the picture shown after a right answer.
        .spoken = QT_TRANSLATE_NOOP("MainWindow", "Smiling face"), .picture = ":/assets/pic2.png"},
    Row{.target = item<&T::pic, 3>(), .box = {360, 2520, 1800, 1800},
        //: Spoken only: the picture shown after a wrong answer.
        .spoken = QT_TRANSLATE_NOOP("MainWindow", "Surprised face"), .picture = ":/assets/pic3.png"},
    Row{.target = fixed(Kind::Sound, "scor"), .box = {3960, 4320, 615, 255}, .tab = 45,
        //: Spoken only: the name of the small sound control that plays the chime.
        .spoken = QT_TRANSLATE_NOOP("MainWindow", "Chime")},
};
// clang-format on
static_assert(sheet::wellFormed(kRows));

constexpr sheet::SheetOf<Tallyquip> kSheet{{"MainWindow", "main window", {0, 0, 10410, 6930}, kRows}};

}  // namespace

const sheet::SheetOf<Tallyquip>& mainSheet() { return kSheet; }

}  // namespace korvane
