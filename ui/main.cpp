// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Korvane: an arithmetic drill for children.

#include <QApplication>

#include "ui/main/app.h"
#include "ui/main/resources.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    korvane::prepareApplication();

    korvane::App program;
    program.show();
    return QApplication::exec();
}
