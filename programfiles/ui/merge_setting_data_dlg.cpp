#include "programfiles/ui/merge_setting_data_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/ui/qt_user_interaction.h"
#include "base/ui/ui_text.h"

using tk73::toQString;

namespace {

enum Column { kKindColumn, kRecordColumn, kVekColumn, kRegColumn, kDifferentColumn, kColumns };

// The check boxes sit in two rows of three.
constexpr int kChecksPerRow = 3;

QTreeWidget* makeList(QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QStringLiteral("mismatchList"));
    list->setColumnCount(kColumns);
    list->setHeaderLabels({QStringLiteral("Kind"), QStringLiteral("No."),
                           QStringLiteral("VEK name"), QStringLiteral("ECR name"),
                           QStringLiteral("Status")});
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setAllColumnsShowFocus(true);
    list->header()->setStretchLastSection(false);
    // Room for the longest kind, a six-digit record number, two names of 16 characters and the
    // difference mark.
    const QFontMetrics metrics = list->fontMetrics();
    const int widths[kColumns] = {
        metrics.horizontalAdvance(QStringLiteral("Pull-down link")) + 24,
        metrics.horizontalAdvance(QStringLiteral("000000")) + 16,
        metrics.horizontalAdvance(QStringLiteral("M")) * 14,
        metrics.horizontalAdvance(QStringLiteral("M")) * 14,
        metrics.horizontalAdvance(QStringLiteral("Different")) + 24,
    };
    // Wide enough for every column and the vertical scroll bar, so that no line is cut.
    int width = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * list->frameWidth();
    for (int column = 0; column < kColumns; ++column) {
        list->setColumnWidth(column, widths[column]);
        width += widths[column];
    }
    list->setMinimumSize(width, metrics.height() * 16);
    return list;
}

}  // namespace

CMergeSettingDataDlg::CMergeSettingDataDlg(QWidget* parent,
                                           const std::vector<tagMISMATCHINFO>& mismatches,
                                           const std::vector<int>& groups)
    : QDialog(parent), request_(mismatches, groups), model_(request_) {
    setWindowTitle(QStringLiteral("Merge VEK/ECR setting"));

    auto* message =
        new QLabel(QStringLiteral("Setting data is mismatch between VEK and ECR."), this);
    list_ = makeList(this);

    auto* pageLabel = new QLabel(QStringLiteral("Page"), this);
    page_ = new QSpinBox(this);
    page_->setObjectName(QStringLiteral("pageSpin"));
    page_->setRange(1, model_.GetPageCount());
    pageLabel->setBuddy(page_);
    range_ = new QLabel(this);
    range_->setObjectName(QStringLiteral("rangeText"));
    auto* pageRow = new QHBoxLayout;
    pageRow->addWidget(pageLabel);
    pageRow->addWidget(page_);
    pageRow->addSpacing(12);
    pageRow->addWidget(range_, 1);

    auto* choices = new QGroupBox(QStringLiteral("Merge"), this);
    auto* choiceColumn = new QVBoxLayout(choices);
    const std::pair<MergeChoice, const char*> choiceTexts[] = {
        {MergeChoice::NoMerge, "No merge"},
        {MergeChoice::VekToReg, "Use VEK setting into ECR"},
        {MergeChoice::RegToVek, "Use ECR setting into VEK"},
    };
    for (const auto& [choice, text] : choiceTexts) {
        auto* radio = new QRadioButton(QString::fromLatin1(text), choices);
        radio->setChecked(model_.GetChoice() == choice);
        connect(radio, &QRadioButton::toggled, this, [this, choice = choice](bool on) {
            if (on) {
                model_.SetChoice(choice);
            }
        });
        choiceColumn->addWidget(radio);
    }

    auto* kinds = new QGroupBox(QStringLiteral("Data"), this);
    auto* kindGrid = new QGridLayout(kinds);
    int group = 0;
    for (const tk73pgm::MergeGroup& merged : tk73pgm::mergeGroups()) {
        auto* check = new QCheckBox(QString::fromLatin1(merged.checkText), kinds);
        check->setChecked(model_.GetGroupCheck(group) != 0);
        check->setEnabled(model_.IsGroupEnabled(group) != 0);
        connect(check, &QCheckBox::toggled, this,
                [this, group](bool on) { model_.SetGroupCheck(group, on ? 1 : 0); });
        kindGrid->addWidget(check, group / kChecksPerRow, group % kChecksPerRow);
        ++group;
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMergeSettingDataDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CMergeSettingDataDlg::reject);

    auto* choiceRow = new QHBoxLayout;
    choiceRow->addWidget(choices);
    choiceRow->addWidget(kinds, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message);
    layout->addWidget(list_, 1);
    layout->addLayout(pageRow);
    layout->addLayout(choiceRow);
    layout->addWidget(buttons);

    connect(page_, &QSpinBox::valueChanged, this, &CMergeSettingDataDlg::ShowPage);
    ShowPage(1);
}

void CMergeSettingDataDlg::ShowPage(int page) {
    model_.SetPage(page);
    list_->clear();
    QList<QTreeWidgetItem*> rows;
    for (int line = model_.GetFirstLine(); line <= model_.GetLastLine(); ++line) {
        const CMergeSettingDataDlgModel::Line texts = model_.GetLine(line - 1);
        auto* row = new QTreeWidgetItem(
            QStringList{toQString(texts.kind), toQString(texts.record), toQString(texts.vekName),
                        toQString(texts.regName), toQString(texts.different)});
        row->setTextAlignment(kRecordColumn, Qt::AlignRight | Qt::AlignVCenter);
        rows.append(row);
    }
    list_->addTopLevelItems(rows);
    range_->setText(toQString(model_.GetRangeText()));
}

void CMergeSettingDataDlg::accept() {
    if (model_.ConfirmRun()) {
        QDialog::accept();
    }
}

int CMergeSettingDataDlg::CheckOf(int fileNo) const {
    return model_.GetGroupCheck(tk73pgm::mergeGroupIndex(fileNo));
}

int CMergeSettingDataDlg::GetCheck_RdoNoMerge() const {
    return model_.GetChoice() == MergeChoice::NoMerge ? 1 : 0;
}

int CMergeSettingDataDlg::GetCheck_RdoMergeFromVekToReg() const {
    return model_.GetChoice() == MergeChoice::VekToReg ? 1 : 0;
}

int CMergeSettingDataDlg::GetCheck_RdoMergeFromRegToVek() const {
    return model_.GetChoice() == MergeChoice::RegToVek ? 1 : 0;
}

int CMergeSettingDataDlg::GetCheck_ChkbtnPLU() const {
    return CheckOf(tk73pgm::kMergeFilePlu);
}

int CMergeSettingDataDlg::GetCheck_ChkbtnSection() const {
    return CheckOf(tk73pgm::kMergeFileDept);
}

int CMergeSettingDataDlg::GetCheck_ChkbtnCasher() const {
    return CheckOf(tk73pgm::kMergeFileClerk);
}

int CMergeSettingDataDlg::GetCheck_ChkbtnTaxTable() const {
    return CheckOf(tk73pgm::kMergeFileTax);
}

int CMergeSettingDataDlg::GetCheck_ChkbtnSetMenu() const {
    return CheckOf(tk73pgm::kMergeFileSetMenu);
}

int CMergeSettingDataDlg::GetCheck_ChkbtnPullDown() const {
    return CheckOf(tk73pgm::kMergeFilePullDown);
}

void CMergeSettingDataDlg::Register(tk73::QtUserInteraction& ui) {
    ui.addDialog(kMergeDialogName, [](tk73::DialogRequest& request, QWidget* parent) {
        auto& merge = static_cast<CMergeSettingDataRequest&>(request);
        CMergeSettingDataDlg dialog(parent, merge.mismatches, merge.groups);
        if (dialog.exec() != QDialog::Accepted) {
            return tk73::Button::Cancel;
        }
        dialog.StoreChoices(merge);
        return tk73::Button::Ok;
    });
}
