#include "resources.h"

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

}  // namespace korvane
