#pragma once

namespace korvane {

// Registers the compiled-in pictures, chime and icon (:/assets/...). The
// views live in a static library, so the linker needs this reference to
// keep them. Safe to call more than once.
void loadResources();

}  // namespace korvane
