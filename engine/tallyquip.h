#pragma once
// The main window Tallyquip as the drill logic sees it: its named controls
// and every handler and procedure of the drill. The Qt window mirrors these
// controls; tests drive them directly in virtual time.
//
// Where each handler lives:
//   fact_table.cpp    prepc, zerotable, preptable
//   presentation.cpp  generate
//   answers.cpp       showpic, but_Click
//   booking.cpp       stackadd, organize
//   startup.cpp       Form_Load, Getpref, stateall, Start_Click
//   clocks.cpp        keeptime_Timer, countdown_Timer, Timershock_Timer, clear_Click
//   pause.cpp         Stop_Click
//   ui/main/settings_panel.cpp  Option1_Click, ck_Click, selectall_Click, unselect_Click
//   ui/main/results_button.cpp  results_Click

#include <optional>
#include <string>

#include "controls.h"
#include "data.h"
#include "random_source.h"
#include "settings.h"
#include "secondary_window.h"

namespace korvane {

class Tallyquip {
public:
    static constexpr const char* kCaption = "Belquist:Korvane";

    // The popup comes with its headline label, which the window writes
    // before showing it.
    Tallyquip(Data& data, RandomSource& random, SecondaryWindow& tpop, Label& tpopHeadline, SecondaryWindow& pf);
    Tallyquip(const Tallyquip&) = delete;
    Tallyquip& operator=(const Tallyquip&) = delete;

    // ---- named controls --------------------------------------------------
    Label cap{"cap", "Tallyquip"};
    Label score{"score", "Score"};
    Label Timecap{"Timecap", "Time"};
    ControlArray<CommandButton, 3> but;
    CommandButton Start{"Start", "Start"};
    CommandButton Stop{"Stop", "Pause"};
    CommandButton clear{"clear", "Reset"};
    CommandButton results{"results", "Results"};
    CommandButton selectall{"selectall", "Select All"};
    CommandButton unselect{"unselect", "Unselect"};
    OptionGroup Option1{"Option1", {"( + )", "( - )", "( x )"}, 0};
    OptionGroup setp{"setp", {"Time", "Number", "More", "Less"}, 1};
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

    // ---- handlers and procedures ------------------------------------------
    void Form_Load();
    void Getpref();
    void stateall(int flag);
    void Start_Click();
    void prepc();
    void zerotable();
    void preptable();
    void generate();
    void showpic(int n);
    void but_Click(int Index);
    void stackadd();
    void organize();
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
    std::array<Timer*, 3> timers() { return {&keeptime, &countdown, &Timershock}; }
    // True while the modal time-out popup blocks this window.
    bool inputBlocked() const { return gate_.blocked; }

    Data& data() { return data_; }
    const Data& data() const { return data_; }

private:
    double rnd();
    int randomDigit();
    void applyPlusTenRule();
    std::int16_t readShockSeconds();

    Data& data_;
    RandomSource& random_;
    SecondaryWindow& tpop_;
    Label& tpopHeadline_;
    SecondaryWindow& pf_;
    SettingsMemory settings_;
    InputGate gate_;
    bool closed_ = false;
};

}  // namespace korvane
