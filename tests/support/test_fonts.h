#pragma once
// The fonts Qt renders a test with: a fontconfig configuration of the build that holds one font
// set only (cmake/TK73FontSets.cmake), so that sizes and pictures do not depend on the fonts the
// machine has. CTest gives it to the Qt Test programs; the programs that set up their own
// environment (the GoogleTest main, the benchmarks that render) call this before Qt starts.

namespace tk73test {

// Points fontconfig at the pinned font set, unless the run names another set of the build
// (TK73_FONT_SET, beside its FONTCONFIG_FILE), as the second run of the rendering tests does.
void useTestFonts();

}  // namespace tk73test
