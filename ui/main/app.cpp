// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "app.h"

#include "resources.h"
#include "ui/shared/fonts.h"
#include "ui/shared/translation.h"

namespace korvane {

App::ToolkitReady::ToolkitReady()
{
    loadResources();
    fonts::installSubstitutions();
    fonts::useScriptFaceOf(translation::language());
    // The drill takes the words it writes from the translation installed now.
    translation::serveCore();
}

App::App()
{
    // The load handler runs before the window is first drawn.
    model_.Form_Load();
    // The time-out popup blocks the main window, so it stays above it.
    popupHost_.ownWhileModal(mainWindow_);
}

void App::show()
{
    mainWindow_.show();
    mainWindow_.raise();
    mainWindow_.activateWindow();
}

}  // namespace korvane
