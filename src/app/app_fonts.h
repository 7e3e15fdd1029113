#pragma once
// Fonts of the window program: the report font "ＭＳ ゴシック" mapped to the installed
// fixed-width Japanese fonts, and an explicit interface font, since the fallback glyphs
// would otherwise depend on the locale.

namespace mirtote::app {

// Needs the application object.
void InstallApplicationFonts();

}  // namespace mirtote::app
