// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "tallyquip.h"

#include <cmath>

namespace korvane {

namespace {

std::string indexed(const char* name, int i) { return std::string(name) + "(" + std::to_string(i) + ")"; }

// The settings lists, each item exactly as stored, blanks included.
std::vector<std::string> maxtimeItems()
{
    return {"   1", "   2", "   3 ", "   4", "   5 ", "   6", "   7 ",
            "   8", "   9", "  10",  "  15", "  20",  "  25", "  30"};
}

std::vector<std::string> maxNumItems()
{
    return {"  10",  "  15",  "   20", "   25", "   30", "   35", "   40",
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

Tallyquip::Tallyquip(Data& data, RandomSource& random, FeedbackPopup& tpop, ResultsSheet& pf)
    : but([this](int i) { return std::make_unique<CommandButton>(*this, indexed("but", i), std::to_string(i + 1)); }),
      ck([this](int i) { return std::make_unique<CheckBox>(*this, indexed("ck", i), i < 10 ? 1 : 0); }),
      maxtime(*this, "maxtime", "Maxtime", maxtimeItems()),
      MaxNum(*this, "MaxNum", "MaxNum", maxNumItems()),
      wrongnum(*this, "wrongnum", "Combo1", wrongnumItems()),
      NumRepeat(*this, "NumRepeat", "NumRepeat", numRepeatItems()),
      ShockTime(*this, "ShockTime", "ShockTime", shockTimeItems()),
      pic([this](int i) { return std::make_unique<Picture>(*this, indexed("pic", i), i == 0); }),
      typed(*this, but, data, Timershock),
      data_(data),
      random_(random),
      tpop_(tpop),
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
}

double Tallyquip::rnd() { return clampUnit(random_.next()); }

int Tallyquip::randomDigit() { return static_cast<int>(std::floor(rnd() * 10.0)); }

void Tallyquip::windowClosed()
{
    closed_ = true;
    Timershock.setEnabled(false);
    countdown.setEnabled(false);
    keeptime.setEnabled(false);
    typed.forgetClock.setEnabled(false);
}

}  // namespace korvane
