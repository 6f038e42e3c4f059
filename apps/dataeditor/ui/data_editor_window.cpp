#include "apps/dataeditor/ui/data_editor_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "apps/dataeditor/dataeditor_texts.h"
#include "apps/dataeditor/field_search.h"
#include "apps/dataeditor/field_table.h"
#include "apps/dataeditor/field_typing.h"
#include "apps/dataeditor/field_value.h"
#include "apps/dataeditor/ui/clipboard_item.h"
#include "apps/dataeditor/ui/data_exchange_bar.h"
#include "apps/dataeditor/ui/data_grid_model.h"
#include "apps/dataeditor/ui/data_grid_view.h"
#include "apps/dataeditor/ui/entry_dialog.h"
#include "apps/dataeditor/ui/overtype_edit.h"
#include "apps/dataeditor/ui/range_dialog.h"
#include "apps/dataeditor/ui/search_dialog.h"
#include "base/ui/ui_text.h"
#include "base/user_interaction.h"
#include "storedb/help_manuals.h"

namespace tk73edit {

namespace {

// A text with one "%s" filled in; the texts are the editor's own, never typed ones.
std::string filled(const char* format, const std::string& value) {
    const std::string text(format);
    const size_t at = text.find("%s");
    return at == std::string::npos ? text : text.substr(0, at) + value + text.substr(at + 2);
}

std::string paneText(const char* name, const std::string& value) {
    return std::string(name) + ":" + value;
}

}  // namespace

DataEditorWindow::DataEditorWindow(const StartContext& context, const WindowPlacement& placement)
    : context_(context), placement_(placement) {
    const std::string title = std::string(kAppTitle) + "     " + context_.store.storeName + "   " +
                              context_.model.viewName + "   " + FileName();
    setWindowTitle(tk73::toQString(title));
    BuildMenus();
    BuildStatusBar();
}

DataEditorWindow::~DataEditorWindow() {
    if (!placementSaved_) {
        saveWindowPlacement(Placement());
    }
}

std::string DataEditorWindow::FileName() const {
    const size_t slash = context_.path.find_last_of("\\/");
    return slash == std::string::npos ? context_.path : context_.path.substr(slash + 1);
}

void DataEditorWindow::Message(const std::string& text, int icon) const {
    tk73::ui().message(text, kAppTitle, static_cast<tk73::MessageIcon>(icon));
}

bool DataEditorWindow::OpenDocument() {
    const ProgramDocument::OpenResult result =
        document_.Open(context_.path, context_.title,
                       loadFieldTable(context_.definitionFile, context_.kind, context_.fileNo));
    if (result == ProgramDocument::OpenResult::ReadFailed) {
        Message(filled(kReadFailed, FileName()), static_cast<int>(tk73::MessageIcon::Error));
        return false;
    }
    if (result == ProgramDocument::OpenResult::NoEditField) {
        QApplication::beep();
        Message(kNoEditField, static_cast<int>(tk73::MessageIcon::Exclamation));
        return false;
    }
    model_ = new DataGridModel(document_);
    grid_ = new DataGridView(*model_, placement_.zoom, this);
    // The grid's rows and columns belong to it, where the tools that read a view find them.
    model_->setParent(grid_);
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    grid_->addAction(Action(QStringLiteral("Copy field")));
    grid_->addAction(Action(QStringLiteral("Copy record")));
    connect(grid_, &DataGridView::positionChanged, this, &DataEditorWindow::ShowPosition);
    connect(grid_, &DataGridView::overtypeChanged, this,
            [this](bool overtype) { append_->setEnabled(!overtype); });
    DataExchangeBar* exchange =
        DataExchangeBar::Create(context_, document_,
                                {[this] { grid_->CommitEdit(); },
                                 [this] {
                                     model_->ImageReplaced();
                                     ShowPosition(grid_->CurrentRow(), grid_->CurrentField());
                                 }},
                                this);
    if (exchange == nullptr) {
        setCentralWidget(grid_);
    } else {
        auto* central = new QWidget(this);
        auto* column = new QVBoxLayout(central);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(0);
        column->addWidget(exchange);
        column->addWidget(grid_);
        setCentralWidget(central);
    }
    ShowPosition(grid_->CurrentRow(), grid_->CurrentField());
    grid_->setFocus();
    return true;
}

void DataEditorWindow::ShowPlaced() {
    std::vector<ScreenArea> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect room = screen->availableGeometry();
        const ScreenArea area{room.left(), room.top(), room.left() + room.width(),
                              room.top() + room.height()};
        if (screen == QGuiApplication::primaryScreen()) {
            screens.insert(screens.begin(), area);
        } else {
            screens.push_back(area);
        }
    }
    placement_ =
        placementOnScreens(placement_, screens, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    setGeometry(placement_.left, placement_.top, placement_.right - placement_.left,
                placement_.bottom - placement_.top);
    if (placement_.maximized) {
        showMaximized();
    } else if (placement_.iconic) {
        showMinimized();
    } else {
        show();
    }
    // The middle of a large file is still being read while the first screen paints; once the
    // window is up, a file that could not be read to its end is reported as at the start, and the
    // window goes.
    QTimer::singleShot(0, this, [this] {
        if (!document_.WhollyRead()) {
            Message(filled(kReadFailed, FileName()), static_cast<int>(tk73::MessageIcon::Error));
            close();
        }
    });
}

WindowPlacement DataEditorWindow::Placement() const {
    WindowPlacement placement = placement_;
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    placement.left = normal.left();
    placement.top = normal.top();
    placement.right = normal.left() + normal.width();
    placement.bottom = normal.top() + normal.height();
    placement.iconic = isMinimized();
    placement.maximized = isMaximized();
    placement.zoom = grid_ != nullptr ? grid_->Zoomed() : placement_.zoom;
    return placement;
}

void DataEditorWindow::BuildMenus() {
    const auto add = [this](QMenu* menu, const QString& text, auto slot,
                            QKeySequence keys = QKeySequence()) {
        auto* action = new QAction(text, this);
        action->setObjectName(text);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        if (menu != nullptr) {
            menu->addAction(action);
        }
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    add(file, QStringLiteral("Close"), &QWidget::close);
    QAction* save = add(file, QStringLiteral("Save"), &DataEditorWindow::Save, QKeySequence::Save);
    file->addSeparator();
    add(file, QStringLiteral("Exit"), &QWidget::close);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    QAction* cut = add(edit, QStringLiteral("Cut"), &DataEditorWindow::Cut, QKeySequence::Cut);
    QAction* copy = add(edit, QStringLiteral("Copy"), &DataEditorWindow::Copy, QKeySequence::Copy);
    QAction* paste =
        add(edit, QStringLiteral("Paste"), &DataEditorWindow::Paste, QKeySequence::Paste);
    QAction* rectangle = add(edit, QStringLiteral("Paste rectangle"),
                             &DataEditorWindow::PasteRectangle, QKeySequence(Qt::CTRL | Qt::Key_R));
    edit->addSeparator();
    add(edit, QStringLiteral("Enter record..."), &DataEditorWindow::EnterRecord,
        QKeySequence(Qt::Key_F2));
    add(edit, QStringLiteral("Enter for all records..."), &DataEditorWindow::EnterAllRecords,
        QKeySequence(Qt::SHIFT | Qt::Key_F2));
    edit->addSeparator();
    QAction* search =
        add(edit, QStringLiteral("Search..."), &DataEditorWindow::Search, QKeySequence::Find);
    QAction* zoom = add(edit, QStringLiteral("Zoom up"), &DataEditorWindow::ToggleZoom);
    zoom->setCheckable(true);
    zoom->setChecked(placement_.zoom);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction* manual = add(help, QStringLiteral("Help File"),
                          [this] { CTK73hlp().ShowHelpPgmFileManual(context_.store.regModelNo); });
    manual->setShortcut(QKeySequence::HelpContents);

    add(nullptr, QStringLiteral("Copy field"), &DataEditorWindow::CopyField);
    add(nullptr, QStringLiteral("Copy record"), &DataEditorWindow::CopyRecord);

    QToolBar* tools = addToolBar(QStringLiteral("Tools"));
    tools->setObjectName(QStringLiteral("Tools"));
    tools->setMovable(false);
    for (QAction* action : {save, cut, copy, paste, rectangle, search, zoom, manual}) {
        tools->addAction(action);
    }
}

QAction* DataEditorWindow::Action(const QString& text) const {
    return findChild<QAction*>(text);
}

void DataEditorWindow::BuildStatusBar() {
    const auto pane = [this](const std::string& text) {
        auto* label = new QLabel(tk73::toQString(text));
        statusBar()->addPermanentWidget(label);
        return label;
    };
    position_ = new QLabel;
    statusBar()->addWidget(position_, 1);
    pane(paneText(kStoreNamePane, context_.store.storeName));
    pane(paneText(kMachineTypePane, context_.model.viewName));
    pane(paneText(kFileNamePane, FileName()));
    append_ = pane(kAppendIndicator);
    append_->setEnabled(false);
}

void DataEditorWindow::ShowPosition(int row, int field) {
    if (row < 0 || field < 0) {
        position_->clear();
        return;
    }
    position_->setText(QStringLiteral("Record #%1  %2")
                           .arg(row + 1, 5, 10, QLatin1Char('0'))
                           .arg(tk73::toQString(document_.Field(field).title)));
}

void DataEditorWindow::Refresh(int firstRow, int lastRow) {
    model_->RecordsChanged(firstRow, lastRow);
}

bool DataEditorWindow::Save() {
    if (grid_ == nullptr) {
        return false;
    }
    grid_->CommitEdit();
    if (!document_.FileUnchanged() &&
        tk73::ui().question(filled(kChangedOnDisk, FileName()), kAppTitle, tk73::Buttons::YesNo,
                            tk73::Button::No,
                            tk73::MessageIcon::Exclamation) != tk73::Button::Yes) {
        return false;
    }
    if (!document_.Save()) {
        Message(filled(kSaveFailed, FileName()), static_cast<int>(tk73::MessageIcon::Error));
        return false;
    }
    return true;
}

void DataEditorWindow::closeEvent(QCloseEvent* event) {
    if (grid_ != nullptr) {
        grid_->CommitEdit();
    }
    if (document_.Modified()) {
        const tk73::Button answer = tk73::ui().question(
            filled(kSaveChanges, FileName()), kAppTitle, tk73::Buttons::YesNoCancel,
            tk73::Button::Yes, tk73::MessageIcon::Exclamation);
        if (answer == tk73::Button::Cancel || (answer == tk73::Button::Yes && !Save())) {
            event->ignore();
            return;
        }
    }
    saveWindowPlacement(Placement());
    placementSaved_ = true;
    event->accept();
}

void DataEditorWindow::Copy() {
    if (grid_ == nullptr) {
        return;
    }
    if (OvertypeEdit* edit = grid_->OpenEdit()) {
        putOnClipboard(edit->Copy());
        return;
    }
    CopyField();
}

void DataEditorWindow::CopyField() {
    if (grid_ == nullptr) {
        return;
    }
    grid_->CommitEdit();
    const int field = grid_->CurrentField();
    const std::string value = document_.Shown(grid_->CurrentRow(), field);
    putOnClipboard({document_.Field(field).fieldNo, 0, static_cast<int32_t>(value.size()), value});
}

void DataEditorWindow::CopyRecord() {
    if (grid_ == nullptr) {
        return;
    }
    grid_->CommitEdit();
    putOnClipboard(recordClip(document_.ShownRecord(grid_->CurrentRow())));
}

void DataEditorWindow::Cut() {
    if (grid_ == nullptr) {
        return;
    }
    if (OvertypeEdit* edit = grid_->OpenEdit()) {
        putOnClipboard(edit->Cut());
        return;
    }
    const int row = grid_->CurrentRow();
    const int field = grid_->CurrentField();
    const EditField& info = document_.Field(field);
    if (!info.editable) {
        QApplication::beep();
        Message(kCannotEdit, static_cast<int>(tk73::MessageIcon::Exclamation));
        return;
    }
    CopyField();
    std::string value = document_.Shown(row, field);
    closeGap(value, 0, value.size(), info);
    document_.Write(row, field, value);
    Refresh(row, row);
}

bool DataEditorWindow::AcceptsFieldClip(const FieldClip& clip) const {
    const EditField& field = document_.Field(grid_->CurrentField());
    if (!field.editable) {
        QApplication::beep();
        Message(kCannotEdit, static_cast<int>(tk73::MessageIcon::Exclamation));
        return false;
    }
    if (clip.fieldNo != field.fieldNo) {
        QApplication::beep();
        Message(kOtherFieldClip, static_cast<int>(tk73::MessageIcon::Exclamation));
        return false;
    }
    return true;
}

std::optional<std::vector<std::string>> DataEditorWindow::RecordClipValues(
    const FieldClip& clip) const {
    std::optional<std::vector<std::string>> values =
        recordValues(clip, static_cast<size_t>(document_.FieldCount()));
    for (const EditField& field : document_.Fields()) {
        if (!field.editable) {
            values.reset();
        }
    }
    if (!values) {
        QApplication::beep();
        Message(kRecordClipMismatch, static_cast<int>(tk73::MessageIcon::Exclamation));
    }
    return values;
}

void DataEditorWindow::PasteInto(int row, int field, const FieldClip& clip) {
    std::string value = document_.Shown(row, field);
    overwriteAt(value, static_cast<size_t>(clip.start), clip.text);
    document_.Write(row, field, value);
}

void DataEditorWindow::Paste() {
    if (grid_ == nullptr) {
        return;
    }
    const std::optional<FieldClip> clip = takeFromClipboard();
    if (!clip) {
        QApplication::beep();
        return;
    }
    const int row = grid_->CurrentRow();
    if (clip->fieldNo == kRecordClip) {
        grid_->CommitEdit();
        if (const auto values = RecordClipValues(*clip)) {
            for (int field = 0; field < document_.FieldCount(); ++field) {
                document_.Write(row, field, (*values)[static_cast<size_t>(field)]);
            }
            Refresh(row, row);
        }
        return;
    }
    if (!AcceptsFieldClip(*clip)) {
        return;
    }
    if (OvertypeEdit* edit = grid_->OpenEdit()) {
        edit->Paste(*clip);
        return;
    }
    PasteInto(row, grid_->CurrentField(), *clip);
    Refresh(row, row);
}

bool DataEditorWindow::AskRange(int& first, int& last) {
    RangeDialog dialog(document_.RecordCount(), grid_->CurrentRow() + 1, this);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    first = dialog.First() - 1;
    last = dialog.Last() - 1;
    return true;
}

void DataEditorWindow::PasteRectangle() {
    if (grid_ == nullptr) {
        return;
    }
    grid_->CommitEdit();
    const std::optional<FieldClip> clip = takeFromClipboard();
    if (!clip) {
        QApplication::beep();
        return;
    }
    int first = 0;
    int last = 0;
    if (clip->fieldNo == kRecordClip) {
        const auto values = RecordClipValues(*clip);
        if (!values || !AskRange(first, last)) {
            return;
        }
        for (int row = first; row <= last; ++row) {
            for (int field = 0; field < document_.FieldCount(); ++field) {
                document_.Write(row, field, (*values)[static_cast<size_t>(field)]);
            }
        }
        Refresh(first, last);
        return;
    }
    if (!AcceptsFieldClip(*clip) || !AskRange(first, last)) {
        return;
    }
    const int field = grid_->CurrentField();
    for (int row = first; row <= last; ++row) {
        PasteInto(row, field, *clip);
    }
    Refresh(first, last);
}

void DataEditorWindow::Search() {
    if (grid_ == nullptr) {
        return;
    }
    grid_->CommitEdit();
    const int field = grid_->CurrentField();
    SearchDialog dialog(tk73::toQString(document_.Field(field).title), tk73::toQString(lastSearch_),
                        this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    lastSearch_ = tk73::fromQString(dialog.Text());
    lastForward_ = dialog.Forward();
    const std::optional<SearchHit> hit =
        searchField(document_, field, grid_->CurrentRow(), lastSearch_, lastForward_);
    if (!hit) {
        QApplication::beep();
        return;
    }
    grid_->GoTo(hit->row, field);
    if (document_.Field(field).editable && grid_->StartEdit()) {
        grid_->OpenEdit()->SetCaretByte(hit->position);
    }
}

void DataEditorWindow::EnterRecord() {
    if (grid_ == nullptr) {
        return;
    }
    grid_->CommitEdit();
    const int row = grid_->CurrentRow();
    std::vector<std::string> saved;
    for (int field = 0; field < document_.FieldCount(); ++field) {
        saved.push_back(document_.Stored(row, field));
    }
    int field = 0;
    int step = 1;
    while (field >= 0 && field < document_.FieldCount()) {
        const EditField& info = document_.Field(field);
        if (!info.editable) {
            QApplication::beep();
            Message(kCannotEdit, static_cast<int>(tk73::MessageIcon::Exclamation));
            field += step;
            if (field < 0) {
                field = 0;
                step = 1;
            }
            continue;
        }
        grid_->GoTo(row, field);
        EntryDialog dialog(info, row + 1, document_.Shown(row, field), this);
        const EntryDialog::Answer answer = dialog.Run();
        if (answer == EntryDialog::Answer::Cancel) {
            for (int f = 0; f < document_.FieldCount(); ++f) {
                document_.Write(row, f, saved[static_cast<size_t>(f)]);
            }
            break;
        }
        document_.Commit(row, field, dialog.Value());
        if (answer == EntryDialog::Answer::Exit) {
            break;
        }
        step = answer == EntryDialog::Answer::Previous ? -1 : 1;
        field += step;
        if (field < 0) {
            field = 0;
            step = 1;
        }
    }
    Refresh(row, row);
}

void DataEditorWindow::EnterAllRecords() {
    if (grid_ == nullptr) {
        return;
    }
    grid_->CommitEdit();
    const int field = grid_->CurrentField();
    const EditField& info = document_.Field(field);
    if (!info.editable) {
        QApplication::beep();
        Message(kCannotEdit, static_cast<int>(tk73::MessageIcon::Exclamation));
        return;
    }
    EntryDialog dialog(info, 0, document_.Shown(grid_->CurrentRow(), field), this);
    const EntryDialog::Answer answer = dialog.Run();
    if (answer == EntryDialog::Answer::Cancel) {
        return;
    }
    for (int row = 0; row < document_.RecordCount(); ++row) {
        document_.Commit(row, field, dialog.Value());
    }
    Refresh(0, document_.RecordCount() - 1);
}

void DataEditorWindow::ToggleZoom() {
    if (grid_ == nullptr) {
        return;
    }
    grid_->SetZoom(!grid_->Zoomed());
    Action(QStringLiteral("Zoom up"))->setChecked(grid_->Zoomed());
}

}  // namespace tk73edit
