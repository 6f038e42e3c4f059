#include "storedb/ui/config_connect_dlg.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "base/ui/ui_text.h"
#include "storedb/ui/conn_type_page.h"
#include "storedb/ui/dialog_parts.h"

namespace {

constexpr const char* kTitle = "Communication setting";

}  // namespace

CVekConfigConnTabCtrl::CVekConfigConnTabCtrl(const tk73store::StoreConnections& connections,
                                             const std::string& caption, QWidget* parent)
    : QTabWidget(parent) {
    setObjectName(QStringLiteral("connectionPages"));
    const char* titles[] = {"ECR", "VEK"};
    for (const int kind : {0, 1}) {
        pages_[kind] = new CVekConfigConnTypeDlg(connections.connection(kind), caption);
        pages_[kind]->setObjectName(QStringLiteral("page%1").arg(kind));
        addTab(pages_[kind], tk73::toQString(titles[kind]));
    }
}

CVekConfigConnectDlg::CVekConfigConnectDlg(tk73store::StoreConnections& connections,
                                           QWidget* parent)
    : QDialog(parent),
      connections_(connections),
      tabs_(new CVekConfigConnTabCtrl(connections, kTitle)) {
    setWindowTitle(tk73::toQString(kTitle));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(tk73storeui::okCancelButtons(this));
}

void CVekConfigConnectDlg::accept() {
    for (const int kind : {0, 1}) {
        connections_.setConnection(kind, tabs_->page(kind)->connection());
    }
    QDialog::accept();
}
