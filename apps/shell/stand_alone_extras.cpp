#include "apps/shell/stand_alone_extras.h"

#include <QAbstractButton>
#include <QMenu>

#include "apps/shell/hub_dlg.h"
#include "apps/shell/hub_texts.h"
#include "base/ui/ui_text.h"
#include "operations/working_store.h"
#include "storedb/sys_mainte.h"

namespace tk73hub {

bool StandAloneExtras::Handle(const ToolRow& row) {
    if (row.command != ToolCommand::RegisterMenu) {
        return false;
    }
    QMenu menu(&window_);
    menu.addAction(tk73::toQString(text::kConnectionBackup),
                   [] { CTK73mntSysMainte().ExecuteConnectInfoBackup(); });
    menu.addAction(tk73::toQString(text::kConnectionRestore),
                   [] { CTK73mntSysMainte().ExecuteConnectInfoRestore(); });
    QAbstractButton* button = window_.Button(row.controlId);
    menu.exec(button->mapToGlobal(QPoint(0, button->height())));
    return true;
}

int StandAloneExtras::CurrentStore() const {
    return tk73ops::kWorkingStore;
}

}  // namespace tk73hub
