#include "resources.h"

#include <QApplication>
#include <QIcon>
#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initAssets() { Q_INIT_RESOURCE(assets); }

namespace korvane {

void loadResources()
{
    static const bool done = [] {
        initAssets();
        return true;
    }();
    (void)done;
}

void prepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    loadResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/korvane.png")));
    QApplication::setQuitOnLastWindowClosed(true);
}

}  // namespace korvane
