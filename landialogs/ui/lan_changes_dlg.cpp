#include "landialogs/ui/lan_changes_dlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/ui/row_list.h"
#include "base/ui/ui_text.h"

namespace {

std::string summary(const std::string& address, const tk73lan::RegisterChanges& changes) {
    std::string text = "What a send changes on " + address + ": ";
    text += changes.fields.empty() && changes.known
                ? "nothing."
                : std::to_string(changes.changedRecords) + " changed records.";
    if (!changes.unknownFiles.empty()) {
        text += "\nNot known (the register has no copy yet):";
        for (const std::string& file : changes.unknownFiles) {
            text += " " + file;
        }
    }
    return text;
}

}  // namespace

CLanChangesDlg::CLanChangesDlg(const std::string& address, const tk73lan::RegisterChanges& changes,
                               QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tk73::toQString("Changes - " + address));
    auto* heading = new QLabel(tk73::toQString(summary(address, changes)), this);
    auto* list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("changes"));
    tk73::setUpRowList(list, {QStringLiteral("File"), QStringLiteral("Record"),
                              QStringLiteral("Field"), QStringLiteral("Title"),
                              QStringLiteral("On the register"), QStringLiteral("In the store")});
    for (const tk73lan::FieldChange& change : changes.fields) {
        auto* item = new QTreeWidgetItem(list);
        item->setText(0, tk73::toQString(change.file));
        item->setText(1, QString::number(change.record));
        item->setText(2, change.fieldNo != 0 ? QString::number(change.fieldNo) : QString());
        item->setText(3, tk73::toQString(change.title));
        item->setText(4, tk73::toQString(change.onRegister));
        item->setText(5, tk73::toQString(change.inStore));
    }
    tk73::fitColumnsToContents(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &CLanChangesDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    resize(620, 320);
}
