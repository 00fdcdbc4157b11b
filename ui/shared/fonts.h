// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The program's fonts. Sizes are set in pixels (points * 96 / 72) so the
// fixed pixel layout holds whatever font DPI the desktop reports.

#include <QFont>

namespace korvane::fonts {

// Arial, Comic Sans MS and Courier resolve to their metric twins where the
// originals are not installed. Safe to call more than once.
void installSubstitutions();

int pixelsForPoints(double points);

QFont arial(double points);
QFont comicSans(double points);
QFont courier(double points);
// The small sans-serif of the main window's settings panel. Its size is
// chosen so that the digits of the number labels stand over their boxes.
QFont dialog();

}  // namespace korvane::fonts
