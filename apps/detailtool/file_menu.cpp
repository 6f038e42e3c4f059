#include "apps/detailtool/file_menu.h"

#include "definitions/def_dtl_popup_menu.h"
#include "definitions/def_file_export.h"
#include "definitions/def_file_import.h"
#include "definitions/def_file_inf.h"
#include "definitions/kind_forms.h"

namespace tk73dtl {

FileMenu fileMenuOf(const CTK73defReg& definition, int fileNo) {
    FileMenu menu;
    menu.targetOnly = tk73def::NeighbourSection<CTK73defRegVekTK73DTL_POPUPMENU>(definition)
                          .IsPopupMenu(fileNo) == 1;
    menu.dataFile =
        tk73def::NeighbourSection<CTK73defRegVekFILEINF>(definition).IsDataFile(fileNo) == 1;
    menu.exportFile =
        tk73def::NeighbourSection<CTK73defRegVekFILE_EXPORT>(definition).IsExportFile(fileNo) == 1;
    menu.importFile =
        tk73def::NeighbourSection<CTK73defRegVekFILE_IMPORT>(definition).IsImportFile(fileNo) == 1;
    return menu;
}

}  // namespace tk73dtl
