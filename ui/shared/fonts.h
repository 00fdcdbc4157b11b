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

// The face that draws the letters of a language's own script, where the
// program picks one rather than leave it to the system's fallback: a face
// of UI height for the scripts whose usual faces stand much taller than
// Latin (Arabic, Indic, Thai), Japanese letter forms for Japanese, one face
// for a whole line of Urdu (DejaVu Sans lacks some of its letters, and a
// word drawn from two faces breaks apart). Empty for the others, whose
// letters the program's faces or the system's fallback draw.
QString scriptFace(const QString& language);
// The fonts made from now on draw the letters they lack with that face of
// `language` first (English, "": none). Digits and Latin letters stay in
// the program's faces.
void useScriptFaceOf(const QString& language);

QFont arial(double points);
QFont comicSans(double points);
QFont courier(double points);
// The small sans-serif of the main window's settings panel. Its size is
// chosen so that the digits of the number labels stand over their boxes.
QFont dialog();

}  // namespace korvane::fonts
