// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once

#include <QPixmap>
#include <QString>

namespace korvane {

// Registers the compiled-in pictures, chime and icon (:/assets/...). The
// views live in a static library, so the linker needs this reference to
// keep them. Safe to call more than once.
void loadResources();

// The picture in the file `path` for a screen of the given device pixel
// ratio, at the file's own size in logical pixels: the file itself at 1x;
// above 1x its twin drawn at twice the size ("pic0@2x.png" beside
// "pic0.png"), scaled smoothly to the screen's pixels unless the ratio is 2.
// Without a twin, the file itself.
QPixmap pictureForScreen(const QString& path, qreal devicePixelRatio);

}  // namespace korvane

namespace korvane {

// Names the application "Korvane" 1.00, gives it its icon and lets it end
// when its last window closes: what the program does before its first
// window, shared with anything that starts the program's windows.
void prepareApplication();

}  // namespace korvane
