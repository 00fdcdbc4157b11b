// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The desktop's system colours that the windows name by number, as the
// standard colour scheme has them.

#include <QColor>

namespace korvane::colours {

// System colour 10, the border of an active window: light grey.
inline QColor activeBorder() { return {212, 208, 200}; }

}  // namespace korvane::colours
