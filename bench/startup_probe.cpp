// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The program exactly as ui/main.cpp starts it, plus a watch on the main
// window that prints the monotonic time of its first paint:
//   paint <ns>   the first Paint event arrived
//   frame <ns>   that first frame, every control drawn
// It then idles like the program until it is stopped.

#include <cstdio>

#include <QApplication>

#include "paint_watch.h"
#include "ui/main/app.h"
#include "ui/main/resources.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    korvane::prepareApplication();

    korvane::App program;
    new korvane::bench::PaintWatch(program.mainWindow(), [](std::int64_t paintNs, std::int64_t frameNs) {
        std::printf("paint %lld\nframe %lld\n", static_cast<long long>(paintNs), static_cast<long long>(frameNs));
        std::fflush(stdout);
    });
    program.show();
    return QApplication::exec();
}
