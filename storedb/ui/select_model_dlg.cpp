#include "storedb/ui/select_model_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "base/ui/ui_text.h"
#include "storedb/ui/dialog_parts.h"

using tk73::toQString;

CSelectModelDlg::CSelectModelDlg(tk73store::ModelChoice& choice, QWidget* parent)
    : QDialog(parent),
      choice_(choice),
      registers_(new QComboBox),
      useVek_(new QCheckBox(QStringLiteral("Use VEK"))),
      veks_(new QComboBox) {
    setWindowTitle(toQString(choice.title()));
    registers_->setObjectName(QStringLiteral("registerModels"));
    useVek_->setObjectName(QStringLiteral("useVek"));
    veks_->setObjectName(QStringLiteral("vekModels"));
    for (const tk73store::ModelChoiceEntry& entry : choice.registerModels()) {
        registers_->addItem(toQString(entry.name), entry.modelNo);
    }
    for (const tk73store::ModelChoiceEntry& entry : choice.vekModels()) {
        veks_->addItem(toQString(entry.name), entry.modelNo);
    }

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("ECR type:"), registers_);
    form->addRow(QString(), useVek_);
    auto* vekLabel = new QLabel(QStringLiteral("VEK type:"));
    form->addRow(vekLabel, veks_);

    auto* note = new QLabel(toQString(tk73store::ModelChoice::note()));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    layout->addWidget(tk73storeui::promptLabel(choice.prompt()));
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(tk73storeui::okCancelButtons(this));

    const bool showVek = choice.showsVekControls();
    useVek_->setVisible(showVek);
    vekLabel->setVisible(showVek);
    veks_->setVisible(showVek);
    connect(registers_, &QComboBox::currentIndexChanged, this, [this] { updateVekControls(); });
    connect(useVek_, &QCheckBox::toggled, this, [this] { updateVekControls(); });
    registers_->setCurrentIndex(choice.registerModels().empty() ? -1 : 0);
    updateVekControls();
}

int CSelectModelDlg::registerModel() const {
    return registers_->currentIndex() < 0 ? 0 : registers_->currentData().toInt();
}

void CSelectModelDlg::updateVekControls() {
    const bool possible = choice_.canUseVek(registerModel());
    useVek_->setEnabled(possible);
    veks_->setEnabled(possible && useVek_->isChecked());
}

void CSelectModelDlg::accept() {
    const int vek = veks_->currentIndex() < 0 ? 0 : veks_->currentData().toInt();
    if (choice_.accept(registerModel(), useVek_->isEnabled() && useVek_->isChecked(), vek,
                       tk73storeui::ownerCaption(this))) {
        QDialog::accept();
    }
}
