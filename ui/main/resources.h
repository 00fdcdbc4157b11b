// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once

namespace korvane {

// Registers the compiled-in pictures, chime and icon (:/assets/...). The
// views live in a static library, so the linker needs this reference to
// keep them. Safe to call more than once.
void loadResources();

}  // namespace korvane

namespace korvane {

// Names the application "Korvane" 1.00, gives it its icon and lets it end
// when its last window closes: what the program does before its first
// window, shared with anything that starts the program's windows.
void prepareApplication();

}  // namespace korvane
