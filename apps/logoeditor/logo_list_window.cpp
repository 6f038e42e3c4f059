#include "apps/logoeditor/logo_list_window.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "apps/logoeditor/logo_card.h"
#include "apps/logoeditor/logo_editing_dialog.h"
#include "apps/logoeditor/logo_texts.h"
#include "apps/logoeditor/logo_work.h"
#include "base/ui/ui_text.h"

namespace tk73logo {

namespace {

QString text(LogoText id) {
    return tk73::toQString(logoText(id));
}

}  // namespace

LogoListWindow::LogoListWindow(tk73editor::PgmMenuContext& context)
    : PageSetWindow(context, logoText(LogoText::ListTitle), Front::Take) {
    auto* layout = new QVBoxLayout(this);
    list_ = new QTreeWidget;
    list_->setObjectName("logos");
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({text(LogoText::TypeColumn), text(LogoText::SizeColumn)});
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list_->setMinimumSize(420, 160);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { edit(); });
    layout->addWidget(list_);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* editButton =
        buttons_->addButton(text(LogoText::EditButton), QDialogButtonBox::ActionRole);
    editButton->setObjectName("edit");
    connect(editButton, &QPushButton::clicked, this, [this] { edit(); });
    QPushButton* cardButton =
        buttons_->addButton(text(LogoText::SaveToCardButton), QDialogButtonBox::ActionRole);
    cardButton->setObjectName("saveToCard");
    connect(cardButton, &QPushButton::clicked, this, [this] { SaveToCard(selectedRow()); });
    connect(buttons_, &QDialogButtonBox::accepted, this, [this] {
        if (Convert()) {
            accept();
        }
    });
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(false);
    layout->addWidget(buttons_);
}

int LogoListWindow::Open() {
    place_ = LogoPlace::activeStore(Context().DefinitionFile(), Context().MainteFolder());
    entries_ = readLogoEntries(Context().DefinitionFile());
    previews_.assign(entries_.size(), std::string());
    list_->clear();
    if (entries_.empty()) {
        Tell(logoText(LogoText::ListFailed), tk73::MessageIcon::Error);
        return 0;
    }
    for (const LogoEntry& entry : entries_) {
        list_->addTopLevelItem(
            new QTreeWidgetItem({tk73::toQString(entry.name), tk73::toQString(sizeText(entry))}));
    }
    list_->setCurrentItem(list_->topLevelItem(0));
    return 1;
}

std::unique_ptr<LogoEditingDialog> LogoListWindow::EditingPage(int row) {
    const LogoEntry& entry = entries_.at(static_cast<size_t>(row));
    return std::make_unique<LogoEditingDialog>(library_, place_, entry, imageOf(entry), this);
}

void LogoListWindow::Apply(int row, const LogoEditingDialog& page) {
    const auto at = static_cast<size_t>(row);
    entries_.at(at) = page.Entry();
    previews_.at(at) = page.Preview();
    images_[page.Entry().fileNo] = page.Image();
    QTreeWidgetItem* item = list_->topLevelItem(row);
    item->setToolTip(0, tk73::toQString(page.Entry().bitmap));
    bool chosen = false;
    for (const std::string& preview : previews_) {
        chosen = chosen || !preview.empty();
    }
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(chosen);
}

void LogoListWindow::edit() {
    const int row = selectedRow();
    if (row < 0) {
        return;
    }
    std::unique_ptr<LogoEditingDialog> page = EditingPage(row);
    if (page->exec() == QDialog::Accepted) {
        Apply(row, *page);
    }
}

void LogoListWindow::SaveToCard(int row) {
    if (row < 0 || static_cast<size_t>(row) >= entries_.size()) {
        return;
    }
    const LogoEntry& entry = entries_[static_cast<size_t>(row)];
    std::string bitmap = previews_[static_cast<size_t>(row)];
    if (bitmap.empty()) {
        std::string failure;
        std::optional<std::string> stored = storedLogo(place_, entry, &failure);
        if (!stored) {
            if (!failure.empty()) {
                Tell(failure, tk73::MessageIcon::Error);
            }
            return;
        }
        bitmap = std::move(*stored);
    }
    saveLogoToCard(place_, entry, bitmap, Title());
}

bool LogoListWindow::Convert() {
    std::map<int, std::vector<const LogoEntry*>> chosen;
    for (size_t row = 0; row < entries_.size(); ++row) {
        if (!previews_[row].empty()) {
            chosen[entries_[row].fileNo].push_back(&entries_[row]);
        }
    }
    if (chosen.empty()) {
        Tell(logoText(LogoText::SourceMissing), tk73::MessageIcon::Error);
        return false;
    }
    for (const auto& [fileNo, files] : chosen) {
        std::string failure;
        if (!convertLogoFile(library_, place_, files, imageOf(*files.front()), &failure)) {
            if (!failure.empty()) {
                Tell(failure, tk73::MessageIcon::Error);
            }
            return false;
        }
    }
    return true;
}

PrintImage LogoListWindow::imageOf(const LogoEntry& entry) const {
    const auto edited = images_.find(entry.fileNo);
    return edited != images_.end() ? edited->second
                                   : PrintImage::read(place_.settingsInForce(entry));
}

int LogoListWindow::selectedRow() const {
    return list_->currentItem() != nullptr ? list_->indexOfTopLevelItem(list_->currentItem()) : -1;
}

}  // namespace tk73logo
