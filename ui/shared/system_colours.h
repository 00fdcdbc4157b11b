// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The desktop's system colours that the windows name by number, mapped onto
// the desktop's palette so that text always has a ground it reads on.
//
// In a light scheme both keep the standard scheme's colours, and the
// desktop's dark text is drawn on them. In a dark scheme (window text
// lighter than the windows, as in a dark or high-contrast theme) each
// takes the palette role that does the same job:
//   colour 9, active title-bar text: white; a ground for text (the
//     problem, the answer line, the results grid). Dark: Base, the ground
//     of the desktop's text fields and lists, with their text colour, Text;
//     where Base is the windows' own colour, a shade that stands out.
//   colour 10, active border: (212, 208, 200); the face of the popup and
//     the results window. Dark: Window, the face of every window, with
//     WindowText.

#include <QColor>
#include <QPalette>
#include <QString>

class QWidget;

namespace korvane::colours {

enum class System { TitleText = 9, ActiveBorder = 10 };

// The contrast of two colours as WCAG 2 defines it, from 1 to 21.
double contrast(const QColor& a, const QColor& b);

// Whether the desktop's window text is lighter than its windows.
bool isDark(const QPalette& desktop);

// A ground and the colour of the text drawn on it.
struct TextOnGround {
    QColor ground;
    QColor text;
};

// How far a box of colour 9 stands from the window around it in the light
// scheme (white on the light face, 1.15 : 1): a dark scheme keeps it too,
// so the problem and the answer line still show as boxes.
double boxStep();

// `ground` for a box of text in `text` on `face` where it stands out from
// the face by boxStep(); else the nearest colour that does, darker or
// lighter than the face, on which the text still reads at 4.5 : 1.
QColor boxGround(const QColor& ground, const QColor& face, const QColor& text);

// System colour `number` in one colour group of the desktop's palette.
TextOnGround system(System number, const QPalette& desktop, QPalette::ColorGroup group);

// A ground for text of the fixed colour `ink`: the button face wherever ink
// reads on it at least as well as on the light scheme's face, else the
// ground of colour 9, else black or white.
QColor groundFor(const QColor& ink, const QPalette& desktop, QPalette::ColorGroup group);

// Paints the widget's ground (Window) and text (WindowText) in system colour
// `number`, and again whenever the desktop's palette changes.
void paint(QWidget& widget, System number);

// Paints the widget's text in `ink` on a ground from groundFor, and again
// whenever the desktop's palette changes.
void paintInk(QWidget& widget, const QColor& ink);

// Gives the widget the style sheet, and applies it again whenever the
// desktop's palette changes, so the widget follows the scheme as one
// without a sheet does.
void followWithStyleSheet(QWidget& widget, const QString& sheet);

}  // namespace korvane::colours
