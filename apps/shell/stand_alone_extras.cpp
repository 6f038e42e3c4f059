#include "apps/shell/stand_alone_extras.h"

#include <QAbstractButton>
#include <QMenu>

#include "apps/shell/hub_dlg.h"
#include "apps/shell/hub_texts.h"
#include "apps/shell/lan_flows.h"
#include "base/ui/ui_text.h"
#include "operations/working_store.h"
#include "storedb/connection_setting.h"
#include "storedb/edb_store.h"
#include "storedb/sys_mainte.h"

namespace tk73hub {

bool StandAloneExtras::Handle(const ToolRow& row) {
    if (row.command != ToolCommand::RegisterMenu) {
        return false;
    }
    QMenu menu(&window_);
    QAction* connection = menu.addAction(tk73::toQString(text::kConnectionSetting), [] {
        tk73store::EditStoreConnection(tk73ops::kWorkingStore);
    });
    // The working store, whose machines the setting names, exists once New or Open made it.
    connection->setEnabled(CTK73edbStore().IsExistStoreNo(tk73ops::kWorkingStore) != 0);
    menu.addAction(tk73::toQString(text::kConnectionBackup),
                   [] { CTK73mntSysMainte().ExecuteConnectInfoBackup(); });
    menu.addAction(tk73::toQString(text::kConnectionRestore),
                   [] { CTK73mntSysMainte().ExecuteConnectInfoRestore(); });
    menu.addSeparator();
    QAction* history = menu.addAction(tk73::toQString(text::kTransferHistory),
                                      [this] { ShowTransferHistory(window_); });
    history->setEnabled(connection->isEnabled());
    QAbstractButton* button = window_.Button(row.controlId);
    menu.exec(button->mapToGlobal(QPoint(0, button->height())));
    return true;
}

int StandAloneExtras::CurrentStore() const {
    return tk73ops::kWorkingStore;
}

}  // namespace tk73hub
