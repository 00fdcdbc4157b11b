// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The floor program: a bare Qt Widgets program with one empty window.

#include <QApplication>
#include <QWidget>

#include "floor_window.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    korvane::bench::setUpFloorWindow(window);
    window.show();
    return QApplication::exec();
}
