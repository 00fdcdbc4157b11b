// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The floor program as floor_main.cpp starts it, plus a watch that prints the
// monotonic time of the window's first paint:
//   paint <ns>   the first Paint event arrived
//   frame <ns>   that first frame is drawn
// It then idles like the floor until it is stopped.

#include <cstdio>

#include <QApplication>
#include <QWidget>

#include "floor_window.h"
#include "paint_watch.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    korvane::bench::setUpFloorWindow(window);
    new korvane::bench::PaintWatch(window, [](std::int64_t paintNs, std::int64_t frameNs) {
        std::printf("paint %lld\nframe %lld\n", static_cast<long long>(paintNs), static_cast<long long>(frameNs));
        std::fflush(stdout);
    });
    window.show();
    return QApplication::exec();
}
