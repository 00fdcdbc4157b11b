#include "tallyquip.h"

#include <cmath>

namespace korvane {

namespace {

std::string indexed(const char* name, int i) { return std::string(name) + "(" + std::to_string(i) + ")"; }

// The settings lists, each item exactly as stored, blanks included.
std::vector<std::string> maxtimeItems()
{
    return {"   1", "   2", "   3 ", "   4", "   5 ", "   6", "   7 ", "   8", "   9", "  10", "  15", "  20", "  25", "  30"};
}

std::vector<std::string> maxNumItems()
{
    return {"  10", "  15", "   20", "   25", "   30", "   35", "   40",
            "   45", "   50", "   60", "   70", "   80", "   90", " 100"};
}

std::vector<std::string> wrongnumItems()
{
    std::vector<std::string> items;
    for (int n = 1; n <= 20; ++n) {
        std::string text = std::to_string(n);
        items.push_back(std::string(4 - text.size(), ' ') + text);
    }
    return items;
}

std::vector<std::string> numRepeatItems()
{
    std::vector<std::string> items;
    for (int n = 1; n <= 9; ++n) {
        items.push_back("   " + std::to_string(n));
    }
    items.push_back(" 10");
    items.push_back("   ");
    return items;
}

std::vector<std::string> shockTimeItems()
{
    std::vector<std::string> items;
    for (int n = 1; n <= 9; ++n) {
        items.push_back("   " + std::to_string(n));
    }
    items.push_back("  10");
    items.push_back(" ");
    return items;
}

}  // namespace

Tallyquip::Tallyquip(Data& data, RandomSource& random, SecondaryWindow& tpop, Label& tpopHeadline,
                     SecondaryWindow& pf)
    : but([](int i) { return std::make_unique<CommandButton>(indexed("but", i), std::to_string(i + 1)); }),
      ck([](int i) { return std::make_unique<CheckBox>(indexed("ck", i), i < 10 ? 1 : 0); }),
      maxtime("maxtime", "Maxtime", maxtimeItems()),
      MaxNum("MaxNum", "MaxNum", maxNumItems()),
      wrongnum("wrongnum", "Combo1", wrongnumItems()),
      NumRepeat("NumRepeat", "NumRepeat", numRepeatItems()),
      ShockTime("ShockTime", "ShockTime", shockTimeItems()),
      pic([](int i) { return std::make_unique<Picture>(indexed("pic", i), i == 0); }),
      data_(data),
      random_(random),
      tpop_(tpop),
      tpopHeadline_(tpopHeadline),
      pf_(pf)
{
    for (int i = 0; i < but.count(); ++i) {
        but(i).onClick = [this, i] { but_Click(i); };
    }
    for (int i = 0; i < ck.count(); ++i) {
        ck(i).onClick = [this, i] { ck_Click(i); };
    }
    for (int i = 0; i < Option1.count(); ++i) {
        Option1(i).onClick = [this, i] { Option1_Click(i); };
    }
    Start.onClick = [this] { Start_Click(); };
    Stop.onClick = [this] { Stop_Click(); };
    clear.onClick = [this] { clear_Click(); };
    results.onClick = [this] { results_Click(); };
    selectall.onClick = [this] { selectall_Click(); };
    unselect.onClick = [this] { unselect_Click(); };
    keeptime.onTimer = [this] { keeptime_Timer(); };
    countdown.onTimer = [this] { countdown_Timer(); };
    Timershock.onTimer = [this] { Timershock_Timer(); };

    // Every control the pupil can click on this window shares one gate,
    // closed while the modal time-out popup is up.
    for (int i = 0; i < but.count(); ++i) {
        but(i).setInputGate(&gate_);
    }
    for (int i = 0; i < ck.count(); ++i) {
        ck(i).setInputGate(&gate_);
    }
    for (int i = 0; i < Option1.count(); ++i) {
        Option1(i).setInputGate(&gate_);
    }
    for (int i = 0; i < setp.count(); ++i) {
        setp(i).setInputGate(&gate_);
    }
    for (Control* c : std::initializer_list<Control*>{&Start, &Stop, &clear, &results, &selectall, &unselect, &maxtime,
                                                      &MaxNum, &wrongnum, &NumRepeat, &ShockTime}) {
        c->setInputGate(&gate_);
    }
}

double Tallyquip::rnd() { return clampUnit(random_.next()); }

int Tallyquip::randomDigit() { return static_cast<int>(std::floor(rnd() * 10.0)); }

void Tallyquip::windowClosed()
{
    closed_ = true;
    Timershock.setEnabled(false);
    countdown.setEnabled(false);
    keeptime.setEnabled(false);
}

}  // namespace korvane
