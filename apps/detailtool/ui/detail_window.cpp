#include "apps/detailtool/ui/detail_window.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "apps/detailtool/detail_texts.h"
#include "apps/detailtool/editor_launch.h"
#include "apps/detailtool/file_menu.h"
#include "apps/detailtool/ui/front_window.h"
#include "apps/detailtool/ui/program_end_watch.h"
#include "apps/detailtool/ui/select_files_dialog.h"
#include "apps/detailtool/ui/target_dialog.h"
#include "base/ui/ui_text.h"
#include "base/user_interaction.h"
#include "csvexchange/xch_export.h"
#include "operations/ops_csv.h"
#include "programfiles/pgm_db_import.h"

namespace tk73dtl {

DetailWindow::DetailWindow(DetailContext context, QWidget* parent)
    : QDialog(parent),
      context_(std::move(context)),
      files_(new QTreeWidget(this)),
      editors_(new ProgramEndWatch(takeFrontAfter, this)) {
    setWindowTitle(QString::fromLatin1(kAppTitle));
    files_->setColumnCount(4);
    files_->setHeaderHidden(true);
    files_->setRootIsDecorated(false);
    files_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(files_, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const int row = files_->indexOfTopLevelItem(files_->itemAt(at));
        if (row < 0) {
            return;
        }
        QMenu* menu = FileMenu(FileNoOf(row));
        menu->exec(files_->viewport()->mapToGlobal(at));
        delete menu;
    });
    // Enter, like a double click, opens the file.
    connect(files_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { Open(FileNoOf(files_->indexOfTopLevelItem(item))); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* send = buttons->addButton(QString::fromLatin1(kSend), QDialogButtonBox::ActionRole);
    auto* receive = buttons->addButton(QString::fromLatin1(kReceive), QDialogButtonBox::ActionRole);
    connect(send, &QPushButton::clicked, this, [this] { SelectFiles(false); });
    connect(receive, &QPushButton::clicked, this, [this] { SelectFiles(true); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addWidget(files_);
    column->addWidget(buttons);
    Reload();
    resize(560, 420);
}

void DetailWindow::Reload() {
    rows_ = readFileRows(context_.Definition());
    files_->clear();
    for (const FileRow& row : rows_) {
        new QTreeWidgetItem(
            files_, {tk73::toQString(fileNumberText(row.fileNo)), tk73::toQString(row.title),
                     tk73::toQString(row.iconTitle), QString::fromLatin1(row.shown ? kOn : kOff)});
    }
    for (int column = 0; column < files_->columnCount(); ++column) {
        files_->resizeColumnToContents(column);
    }
}

int DetailWindow::FileNoOf(int row) const {
    return row < 0 ? 0 : rows_[static_cast<size_t>(row)].fileNo;
}

QMenu* DetailWindow::FileMenu(int fileNo) {
    auto* menu = new QMenu(this);
    const tk73dtl::FileMenu kind = fileMenuOf(context_.Definition(), fileNo);
    if (!kind.targetOnly) {
        // A data file offers "CREATE"; what it should do was never settled, so it opens as
        // "OPEN" does (for a data file: nothing).
        menu->addAction(QString::fromLatin1(kind.dataFile ? kCreate : kOpen), this,
                        [this, fileNo] { Open(fileNo); });
        if (kind.exportFile) {
            menu->addAction(QString::fromLatin1(kWriteData), this,
                            [this, fileNo] { WriteData(fileNo); });
        }
        if (kind.importFile) {
            QMenu* read = menu->addMenu(QString::fromLatin1(kReadFile));
            read->addAction(QString::fromLatin1(kFromDatabase), this,
                            [this, fileNo] { ReadFromDatabase(fileNo); });
            read->addAction(QString::fromLatin1(kind.dataFile ? kFromDatFile : kFromCsvFile), this,
                            [this, fileNo] { ReadFromFile(fileNo); });
        }
        menu->addSeparator();
    }
    menu->addAction(QString::fromLatin1(kTarget), this, [this, fileNo] { ShowTarget(fileNo); });
    return menu;
}

void DetailWindow::Open(int fileNo) {
    const std::vector<std::string> arguments = dataEditorArguments(context_, fileNo);
    if (arguments.empty()) {
        return;
    }
    QStringList list;
    for (const std::string& argument : arguments) {
        list << tk73::toQString(argument);
    }
    qint64 editor = 0;
    if (!QProcess::startDetached(tk73::toQString(dataEditorProgram()), list, QString(), &editor)) {
        tk73::ui().message(kEditorNotStarted, kAppTitle, tk73::MessageIcon::Error);
        return;
    }
    editors_->Watch(static_cast<uint32_t>(editor));
}

void DetailWindow::WriteData(int fileNo) {
    CTK73xchExport(fileNo, context_.MainteFile(fileNo).c_str(), context_.kind).ExportExecute();
}

void DetailWindow::ReadFromDatabase(int fileNo) {
    CTK73pgmDbImport(fileNo, context_.kind).ImportExecute();
}

void DetailWindow::ReadFromFile(int fileNo) {
    CTK73opsCsv(fileNo, context_.kind).ImportExecute();
}

void DetailWindow::ShowTarget(int fileNo) {
    const CTK73defReg definition = context_.Definition();
    TargetDialog(definition, fileNo, this).exec();
    Reload();
}

void DetailWindow::SelectFiles(bool receive) {
    SelectFilesDialog(context_, receive, this).exec();
}

}  // namespace tk73dtl
