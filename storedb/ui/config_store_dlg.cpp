#include "storedb/ui/config_store_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "base/ui/printable_text.h"
#include "base/ui/ui_text.h"
#include "storedb/ui/config_connect_dlg.h"
#include "storedb/ui/dialog_parts.h"

using tk73::fromQString;
using tk73::toQString;

namespace {

constexpr int kNameChars = 40;
constexpr int kClerkChars = 40;
constexpr int kCommentChars = 250;

// A text field that refuses, as they are typed, the characters the installation's code page
// cannot hold: the store table would keep them as "?".
QLineEdit* textField(const char* name, const std::string& text, int maxLength) {
    auto* field = new QLineEdit(toQString(text));
    field->setObjectName(QString::fromLatin1(name));
    field->setMaxLength(maxLength);
    QObject::connect(field, &QLineEdit::textEdited, field, [field] {
        const tk73::CodePageCharacters codePage;
        const QString refused =
            tk73::takeOutRefused(*field, [&](char32_t c) { return !codePage.holds(c); });
        if (!refused.isEmpty()) {
            tk73::showFieldNote(*field, QStringLiteral("Can not enter [%1], the register cannot "
                                                       "print it.")
                                            .arg(refused));
        }
    });
    return field;
}

QComboBox* modelList(const char* name, const std::vector<tk73store::ModelChoiceEntry>& models,
                     bool withNone, int current) {
    auto* list = new QComboBox;
    list->setObjectName(QString::fromLatin1(name));
    if (withNone) {
        list->addItem(QStringLiteral("none"), 0);
    }
    for (const tk73store::ModelChoiceEntry& model : models) {
        list->addItem(toQString(model.name), model.modelNo);
    }
    list->setCurrentIndex(list->findData(current));
    return list;
}

}  // namespace

CVekConfigStoreDlg::CVekConfigStoreDlg(tk73store::StoreConfiguration& configuration,
                                       QWidget* parent)
    : QDialog(parent), configuration_(configuration) {
    setWindowTitle(toQString(tk73store::kStoreSettingCaption));
    const STORE_EDB& record = configuration.record();
    name_ = textField("storeName", record.storeName, kNameChars);
    vekModels_ = modelList("vekModels", configuration.vekModels(), true, record.vekModelNo);
    registerModels_ =
        modelList("registerModels", configuration.registerModels(), false, record.regModelNo);
    connection_ = new QPushButton(QStringLiteral("Communication setting(&T)..."));
    connection_->setObjectName(QStringLiteral("connection"));
    connection_->setAutoDefault(false);
    clerk_ = textField("clerk", record.clerk, kClerkChars);
    comment_ = textField("comment", record.comment, kCommentChars);
    branches_ = new QComboBox;
    branches_->setObjectName(QStringLiteral("branches"));
    for (const tk73store::BranchChoiceEntry& branch : configuration.branches()) {
        branches_->addItem(toQString(branch.name), branch.branchNo);
    }
    branches_->setCurrentIndex(std::max(0, branches_->findData(record.branchNo)));
    vekModels_->setEnabled(configuration.modelsEditable());
    registerModels_->setEnabled(configuration.modelsEditable());

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Store name:"), name_);
    form->addRow(QStringLiteral("VEK model:"), vekModels_);
    form->addRow(QStringLiteral("ECR model:"), registerModels_);
    form->addRow(QString(), connection_);
    form->addRow(QStringLiteral("Clerk:"), clerk_);
    form->addRow(QStringLiteral("Comment:"), comment_);
    form->addRow(QStringLiteral("Branch:"), branches_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(tk73storeui::okCancelButtons(this));
    // The field shows the longest name whole, even of the widest letters.
    tk73storeui::widenFor(name_, QString(kNameChars, QLatin1Char('W')));

    watchModel(vekModels_, 1);
    watchModel(registerModels_, 0);
    connect(connection_, &QPushButton::clicked, this, [this] { openConnection(); });
}

int CVekConfigStoreDlg::modelOf(const QComboBox* models) {
    return models->currentIndex() < 0 ? 0 : models->currentData().toInt();
}

void CVekConfigStoreDlg::watchModel(QComboBox* models, int kind) {
    models->setProperty("previousIndex", models->currentIndex());
    connect(models, &QComboBox::currentIndexChanged, this, [this, models, kind](int index) {
        const int previousIndex = models->property("previousIndex").toInt();
        const int previous = previousIndex < 0 ? 0 : models->itemData(previousIndex).toInt();
        if (!configuration_.confirmModelChange(kind, previous, modelOf(models))) {
            const QSignalBlocker quiet(models);
            models->setCurrentIndex(previousIndex);
            return;
        }
        models->setProperty("previousIndex", index);
    });
}

void CVekConfigStoreDlg::openConnection() {
    CVekConfigConnectDlg dialog(configuration_, this);
    dialog.exec();
}

void CVekConfigStoreDlg::accept() {
    tk73store::StoreFields fields;
    fields.name = fromQString(name_->text());
    fields.clerk = fromQString(clerk_->text());
    fields.comment = fromQString(comment_->text());
    fields.branchNo = branches_->currentData().toInt();
    fields.regModelNo = modelOf(registerModels_);
    fields.vekModelNo = modelOf(vekModels_);
    if (configuration_.accept(fields)) {
        QDialog::accept();
    }
}
