// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Windows in a language written from right to left. Qt mirrors layouts and
// draws each widget the other way round (the circle of an option button on
// its right), but leaves widgets placed at fixed geometry where they are:
// here they move to the mirror image of their place.

#include <QRect>

class QWidget;

namespace korvane::rtl {

// The place mirrored within a container `width` pixels wide.
QRect mirrored(const QRect& box, int width);

// When `window` is laid out right to left, every control at a fixed place
// in it or in one of its frames moves to the mirror image of that place.
// Call once, after the window is built at its size; left-to-right windows
// are left exactly as they are.
void mirror(QWidget& window);

}  // namespace korvane::rtl
