// Korvane: an arithmetic drill for children.

#include <QApplication>
#include <QIcon>

#include "ui/main/app.h"
#include "ui/main/resources.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    korvane::loadResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/korvane.png")));

    // The program ends when its last window has been closed.
    QApplication::setQuitOnLastWindowClosed(true);
    korvane::App program;
    program.show();
    return QApplication::exec();
}
