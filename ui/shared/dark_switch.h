// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The desktop's dark switch. From Qt 6.5 the desktop's wish for a light or
// a dark style comes as a hint of its own (on GNOME from the settings
// portal), while Qt's gtk3 and gnome platform themes keep handing over their
// light palette. Where the desktop asks for dark and its palette is light,
// the program takes a dark palette of its own, built like GNOME's dark
// theme, and gives it back when the desktop asks for light again; the
// windows' colours follow as in any dark theme (system_colours.h). Qt 6.4
// has no such hint, and there nothing changes.

#include <QMetaObject>
#include <QPalette>

namespace korvane::colours {

// GNOME's dark theme as Qt's gtk3 platform theme hands it over
// (GTK_THEME=Adwaita:dark): the same colours active and inactive, dimmer
// text when disabled.
QPalette adwaitaDark();

class DarkSwitch {
public:
    // Follows the desktop's hint from now on, the wish of now included.
    DarkSwitch();
    // Gives the desktop its own palette back.
    ~DarkSwitch();
    DarkSwitch(const DarkSwitch&) = delete;
    DarkSwitch& operator=(const DarkSwitch&) = delete;

    // The desktop asks for a dark style (true) or not.
    void follow(bool dark);

private:
    QMetaObject::Connection hint_;
    bool own_ = false;  // the application palette is this switch's
};

}  // namespace korvane::colours
