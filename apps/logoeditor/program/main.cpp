// TK73LOGO: the graphic logo editor.

#include <string>
#include <vector>

#include "apps/editors/framework/editor_command_line.h"
#include "apps/logoeditor/logo_editor.h"

int main(int argc, char** argv) {
    // The list opens for whichever flag comes first; without one the editor ends like the others.
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const std::string flag = tk73editor::EditorCommandLine::parse(arguments).pageSetFlag();
    return tk73editor::editorMain(argc, argv, tk73logo::logoEditor(flag.empty() ? "GP" : flag));
}
