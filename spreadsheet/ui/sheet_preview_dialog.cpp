#include "spreadsheet/ui/sheet_preview_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <set>

#include "base/ui/ui_text.h"

namespace tk73sheetui {

namespace {

QStandardItem* numberItem(int value) {
    auto* item = new QStandardItem;
    item->setData(value, Qt::DisplayRole);  // sorts as a number
    return item;
}

QStandardItem* textItem(const std::string& text) {
    return new QStandardItem(tk73::toQString(text));
}

QTableView* table(QStandardItemModel* model, QWidget* parent) {
    auto* view = new QTableView(parent);
    model->setParent(view);
    view->setModel(model);
    view->setSortingEnabled(true);
    view->sortByColumn(0, Qt::AscendingOrder);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    view->resizeColumnsToContents();
    return view;
}

QString plural(size_t count, const char* one, const char* many) {
    return QString::number(count) + QLatin1Char(' ') + QLatin1String(count == 1 ? one : many);
}

}  // namespace

SheetPreviewDialog::SheetPreviewDialog(const tk73sheet::ImportPreview& preview,
                                       const std::string& fileTitle, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Read from spreadsheet - ") + tk73::toQString(fileTitle));
    auto* changeModel = new QStandardItemModel(0, 4);
    changeModel->setHorizontalHeaderLabels({QStringLiteral("Record"), QStringLiteral("Field"),
                                            QStringLiteral("Old value"),
                                            QStringLiteral("New value")});
    for (const tk73sheet::FieldChange& change : preview.changes) {
        changeModel->appendRow({numberItem(change.record),
                                textItem(preview.columns[change.column].title),
                                textItem(change.oldValue), textItem(change.newValue)});
    }
    auto* refusalModel = new QStandardItemModel(0, 3);
    refusalModel->setHorizontalHeaderLabels(
        {QStringLiteral("Row"), QStringLiteral("Column"), QStringLiteral("Reason")});
    std::set<int> refusedRows;
    for (const tk73sheet::Refusal& refusal : preview.refusals) {
        refusalModel->appendRow(
            {numberItem(refusal.row), textItem(refusal.column), textItem(refusal.reason)});
        refusedRows.insert(refusal.row);
    }
    changes_ = table(changeModel, this);
    changes_->setObjectName(QStringLiteral("changes"));
    refusals_ = table(refusalModel, this);
    refusals_->setObjectName(QStringLiteral("refusals"));

    auto* tabs = new QTabWidget(this);
    tabs->addTab(changes_, QStringLiteral("Changes (%1)").arg(preview.changes.size()));
    tabs->addTab(refusals_, QStringLiteral("Refused rows (%1)").arg(refusedRows.size()));

    QString summary =
        plural(preview.changes.size(), "field changes", "fields change") + QStringLiteral(" in ") +
        plural(static_cast<size_t>(preview.changedRecords), "record", "records") +
        QStringLiteral("; ") +
        (preview.unchangedRecords == 1
             ? QStringLiteral("1 record stays as it is.")
             : QStringLiteral("%1 records stay as they are.").arg(preview.unchangedRecords));
    if (!refusedRows.empty()) {
        summary +=
            QLatin1Char('\n') +
            plural(refusedRows.size(), "row of the sheet is", "rows of the sheet are") +
            QStringLiteral(" refused: nothing is written unless you apply the valid rows only.");
    }
    for (const std::string& note : preview.notes) {
        summary += QLatin1Char('\n') + tk73::toQString(note);
    }
    auto* summaryLabel = new QLabel(summary, this);
    summaryLabel->setObjectName(QStringLiteral("summary"));
    summaryLabel->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* apply = buttons->addButton(QStringLiteral("Apply"), QDialogButtonBox::AcceptRole);
    apply->setObjectName(QStringLiteral("apply"));
    apply->setEnabled(refusedRows.empty() && !preview.changes.empty());
    // Offered only when rows are refused: otherwise Apply takes the same changes.
    if (!refusedRows.empty()) {
        QPushButton* validOnly = buttons->addButton(QStringLiteral("Apply valid rows only"),
                                                    QDialogButtonBox::AcceptRole);
        validOnly->setObjectName(QStringLiteral("validOnly"));
        validOnly->setEnabled(!preview.changes.empty());
        connect(validOnly, &QPushButton::clicked, this, [this] {
            choice_ = tk73sheet::ApplyChoice::ValidRowsOnly;
            accept();
        });
    }
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(apply, &QPushButton::clicked, this, [this] {
        choice_ = tk73sheet::ApplyChoice::AllOrNothing;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summaryLabel);
    layout->addWidget(tabs, 1);
    layout->addWidget(buttons);
    resize(640, 420);
}

}  // namespace tk73sheetui
