// The demo editor: the framework with the demo page sets, as a program of its own for the tests
// that start editors as real processes.

#include "apps/editors/framework/tests/demo/demo_page_sets.h"

int main(int argc, char** argv) {
    return tk73editor::editorMain(argc, argv, tk73editordemo::demoEditor());
}
