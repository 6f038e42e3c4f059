#include "apps/logoeditor/logo_editor.h"

#include "apps/logoeditor/logo_list_window.h"

namespace tk73logo {

tk73editor::EditorDescription logoEditor(const std::string& pageSetFlag) {
    tk73editor::EditorDescription description;
    description.pageSets = {{pageSetFlag, [](tk73editor::PgmMenuContext& context) {
                                 return std::make_unique<LogoListWindow>(context);
                             }}};
    return description;
}

}  // namespace tk73logo
