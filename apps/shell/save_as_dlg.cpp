#include "apps/shell/save_as_dlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/ui/file_filter.h"
#include "base/ui/ui_text.h"

namespace tk73hub {

namespace {

QSpinBox* codeField(QWidget* parent, const char* name) {
    auto* field = new QSpinBox(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setRange(PartialPluRange::kLowest, PartialPluRange::kHighest);
    // A step of the arrows, or leaving the field, applies the range's rule at once; not each
    // digit typed, which would pull the other field along with a half-typed number.
    field->setKeyboardTracking(false);
    field->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    return field;
}

}  // namespace

CSaveAsDlg::CSaveAsDlg(SaveAsChoice& choice, QWidget* parent)
    : QFileDialog(parent, tk73::toQString(SaveAsChoice::title()),
                  tk73::toQString(choice.startFolder()), tk73::qtFileFilter(choice.types())),
      choice_(choice) {
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setDefaultSuffix(tk73::toQString(SaveAsChoice::defaultExtension()));
    if (!choice.fileName().empty()) {
        selectFile(tk73::toQString(choice.fileName()));
    }
    // The suite's own file dialog lays its parts out in a grid: the panel takes a row of its own
    // below them.
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        grid->addWidget(MakePanel(), grid->rowCount(), 0, 1, grid->columnCount());
    }
    const auto enableRange = [this] {
        const bool enabled = SaveAsChoice::rangeEnabled(typeIndex());
        from_->setEnabled(enabled);
        to_->setEnabled(enabled);
    };
    connect(this, &QFileDialog::filterSelected, this, enableRange);
    enableRange();
}

QWidget* CSaveAsDlg::MakePanel() {
    auto* panel = new QGroupBox(tk73::toQString(SaveAsChoice::panelTitle()), this);
    panel->setObjectName(QStringLiteral("PartialPluPanel"));
    from_ = codeField(panel, "CodeFrom");
    to_ = codeField(panel, "CodeTo");
    auto* fields = new QHBoxLayout;
    fields->addWidget(from_);
    fields->addWidget(new QLabel(tk73::toQString(SaveAsChoice::rangeJoin()), panel));
    fields->addWidget(to_);
    fields->addStretch();
    auto* column = new QVBoxLayout(panel);
    column->addWidget(new QLabel(tk73::toQString(SaveAsChoice::rangePrompt()), panel));
    column->addLayout(fields);
    column->addWidget(new QLabel(tk73::toQString(SaveAsChoice::panelNote()), panel));
    ShowRange();
    connect(from_, &QSpinBox::valueChanged, this, [this](int value) {
        choice_.range().setFrom(value);
        ShowRange();
    });
    connect(to_, &QSpinBox::valueChanged, this, [this](int value) {
        choice_.range().setTo(value);
        ShowRange();
    });
    return panel;
}

void CSaveAsDlg::ShowRange() {
    const QSignalBlocker blockFrom(from_);
    const QSignalBlocker blockTo(to_);
    from_->setValue(choice_.range().from());
    to_->setValue(choice_.range().to());
}

int CSaveAsDlg::typeIndex() const {
    return static_cast<int>(nameFilters().indexOf(selectedNameFilter()));
}

void CSaveAsDlg::accept() {
    // QFileDialog's accept may stay open (a folder was chosen, or an overwrite was declined);
    // the choice is taken only when it really ends.
    QFileDialog::accept();
    if (result() == QDialog::Accepted && !selectedFiles().isEmpty()) {
        choice_.accept(tk73::fromQString(selectedFiles().constFirst()), typeIndex());
    }
}

tk73::Button showSaveAsDialog(tk73::DialogRequest& request, QWidget* parent) {
    if (request.dialogName() != SaveAsRequest::kName) {
        return tk73::Button::Cancel;
    }
    CSaveAsDlg dialog(static_cast<SaveAsRequest&>(request).choice, parent);
    return dialog.exec() == QDialog::Accepted ? tk73::Button::Ok : tk73::Button::Cancel;
}

}  // namespace tk73hub
