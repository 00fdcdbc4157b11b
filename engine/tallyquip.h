// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The main window Tallyquip as the drill logic sees it: its named controls
// and every handler and procedure of the drill. The Qt window mirrors these
// controls; tests drive them directly in virtual time.
//
// Where each handler lives:
//   fact_table.cpp    prepc, zerotable, preptable
//   presentation.cpp  generate
//   answers.cpp       showpic, but_Click
//   booking.cpp       stackadd, organize, book, goeson
//   startup.cpp       Form_Load, Getpref, stateall, Start_Click
//   clocks.cpp        keeptime_Timer, countdown_Timer, Timershock_Timer, clear_Click
//   pause.cpp         Stop_Click
//   typed_answer.cpp  answers typed from the keyboard (typed)
//   ui/main/model/settings_panel.cpp  Option1_Click, ck_Click, selectall_Click, unselect_Click
//   ui/main/model/results_button.cpp  results_Click

#include <optional>
#include <string>

#include "controls.h"
#include "data.h"
#include "fact_text.h"
#include "feedback_popup.h"
#include "random_source.h"
#include "results_sheet.h"
#include "settings.h"
#include "typed_answer.h"
#include "words.h"

namespace korvane {

// The pictures of showpic: pic(n) for each.
namespace picture {
inline constexpr int kLogo = 0;     // at start-up and after Reset
inline constexpr int kTimeOut = 1;  // three question marks
inline constexpr int kRight = 2;    // a smiling face
inline constexpr int kWrong = 3;    // a surprised face
}  // namespace picture

// The flag of stateall: whether the settings panel is open (between runs)
// or locked with the answer buttons usable (during a run).
namespace panel {
inline constexpr int kLocked = 0;
inline constexpr int kOpen = 1;
}  // namespace panel

// Every control below is made on this window (the base), so a modal wait
// that closes the window's input reaches all of them.
class Tallyquip : public ControlWindow {
public:
    static constexpr const char* kCaption = "Belquist:Korvane";

    Tallyquip(Data& data, RandomSource& random, FeedbackPopup& tpop, ResultsSheet& pf);
    Tallyquip(const Tallyquip&) = delete;
    Tallyquip& operator=(const Tallyquip&) = delete;

    // ---- named controls --------------------------------------------------
    // Fixed captions stay in English here; the window writes them in the
    // desktop's language as it binds them.
    Label cap{*this, "cap", "Tallyquip"};
    //: Main window: the score line before a run, 14-point type, 137 pixels wide.
    Label score{*this, "score", QT_TRANSLATE_NOOP("MainWindow", "Score")};
    //: Main window: the countdown line before a run, 14-point type, 137 pixels wide.
    Label Timecap{*this, "Timecap", QT_TRANSLATE_NOOP("MainWindow", "Time")};
    ControlArray<CommandButton, 3> but;
    //: Main window: the button that starts or resumes a run; 24-point type, 153 pixels wide.
    CommandButton Start{*this, "Start", QT_TRANSLATE_NOOP("MainWindow", "Start")};
    //: Main window: the button that pauses a run; 24-point type, 153 pixels wide.
    CommandButton Stop{*this, "Stop", QT_TRANSLATE_NOOP("MainWindow", "Pause")};
    //: Main window: the button that clears the run's counts and starts afresh; 18-point type, 97 pixels wide.
    CommandButton clear{*this, "clear", QT_TRANSLATE_NOOP("MainWindow", "Reset")};
    //: Main window: the button that opens the results window; 18-point type, 97 pixels wide.
    CommandButton results{*this, "results", QT_TRANSLATE_NOOP("MainWindow", "Results")};
    //: Main window, Values frame: the button that ticks every number box; 73 pixels wide.
    CommandButton selectall{*this, "selectall", QT_TRANSLATE_NOOP("MainWindow", "Select All")};
    //: Main window, Values frame: the button that clears every number box; 73 pixels wide.
    CommandButton unselect{*this, "unselect", QT_TRANSLATE_NOOP("MainWindow", "Unselect")};
    OptionGroup Option1{*this, "Option1", {"( + )", "( - )", "( x )"}, 0};
    OptionGroup setp{*this,
                     "setp",
                     //: Main window, Time frame: how a run ends. Time: after the minutes set; 57 pixels each.
                     {QT_TRANSLATE_NOOP("MainWindow", "Time"),
                      //: How a run ends: after the number of problems set (a word for problems, not for numbers).
                      QT_TRANSLATE_NOOP("MainWindow", "Number"),
                      //: How a run ends: at the later of the two, a longer run (not the plus sign's name).
                      QT_TRANSLATE_NOOP("MainWindow", "More"),
                      //: How a run ends: at the earlier of the two, a shorter run (not the minus sign's name).
                      QT_TRANSLATE_NOOP("MainWindow", "Less")},
                     1};
    ControlArray<CheckBox, 11> ck;
    ComboBox maxtime;
    ComboBox MaxNum;
    ComboBox wrongnum;
    ComboBox NumRepeat;
    ComboBox ShockTime;
    ControlArray<Picture, 4> pic;
    SoundRequest scor{"scor"};  // the chime
    SoundRequest beep{"beep"};  // the system beep
    Timer keeptime{"keeptime", 60000};
    Timer countdown{"countdown", 1000};
    Timer Timershock{"Timershock", 4000};
    // The answer buttons chosen by typing their numbers.
    TypedAnswer typed;

    // ---- handlers and procedures ------------------------------------------
    void Form_Load();
    void Getpref();
    void stateall(int flag);
    void Start_Click();
    void prepc();
    void zerotable();
    void preptable();
    // Shows the next problem; false when no fact is left in play and the
    // run has ended instead.
    bool generate();
    void showpic(int n);
    void but_Click(int Index);
    void stackadd();
    void organize();
    // organize's two steps: count the problem once and move its fact along;
    // then whether the run goes on by its end mode.
    void book();
    bool goeson() const;
    void keeptime_Timer();
    void countdown_Timer();
    void Timershock_Timer();
    void clear_Click();
    void Stop_Click();
    void Option1_Click(int index);
    void ck_Click(int index);
    void selectall_Click();
    void unselect_Click();
    void results_Click();

    // The window is closing: its clocks stop so nothing fires into a
    // window that is gone.
    void windowClosed();

    // Every timer of the window, for a clock to drive.
    std::array<Timer*, 4> timers() { return {&keeptime, &countdown, &Timershock, &typed.forgetClock}; }

    Data& data() { return data_; }
    const Data& data() const { return data_; }

private:
    // The words of this window in the desktop's language.
    static std::string say(const char* source) { return word("MainWindow", source); }
    // Its words for the popup, which it fills.
    static std::string popupWord(const char* source) { return word("PopupWindow", source); }
    double rnd();
    int randomDigit();
    void applyPlusTenRule();

    Data& data_;
    RandomSource& random_;
    FeedbackPopup& tpop_;
    ResultsSheet& pf_;
    SettingsMemory settings_;
    bool closed_ = false;
};

}  // namespace korvane
