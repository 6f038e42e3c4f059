#include "apps/shell/hub_dlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMetaObject>
#include <QPainter>

#include "apps/shell/archive_flows.h"
#include "apps/shell/change_detection.h"
#include "apps/shell/csv_flows.h"
#include "apps/shell/header_table.h"
#include "apps/shell/hub_app.h"
#include "apps/shell/hub_texts.h"
#include "apps/shell/lan_flows.h"
#include "apps/shell/picture_art.h"
#include "apps/shell/reading_order.h"
#include "apps/shell/tool_button.h"
#include "apps/shell/wait_cursor.h"
#include "base/ui/ui_text.h"
#include "base/user_interaction.h"
#include "operations/working_store.h"
#include "platform/window_activation.h"
#include "storedb/edb_model.h"
#include "storedb/select_model.h"
#include "storedb/ui/manual_window.h"

namespace tk73hub {

CHubDlg::CHubDlg(CHubApp& app, HubLayout layout, std::string archiveFile)
    : app_(app),
      layout_(layout),
      archiveFile_(std::move(archiveFile)),
      document_(*this),
      launch_(*this) {
    setObjectName(QStringLiteral("TK73HUBClass"));
    setWindowTitle(tk73::toQString(text::kTitle));
}

CHubDlg::~CHubDlg() {
    CloseExtras();
}

bool CHubDlg::InitDialog() {
    setWindowIcon(applicationIcon());
    document_.SetBaseTitle(tk73::fromQString(windowTitle()));
    const WindowSize size = windowSize(layout_);
    setFixedSize(size.width, size.height);
    ground_ = groundPicture(this->size(), devicePixelRatioF());
    PlaceHeaders();
    BuildTools();
    EnableForState(document_.GetState());

    extras_ = CreateLayoutExtras(*this, layout_);
    if (extras_ != nullptr && !extras_->Create()) {
        return false;
    }
    OrderTabs();
    tk73storeui::addHelpKey(this, tk73storeui::kGuideGettingStarted);
    endpoint_ = std::make_unique<tk73::ActivationEndpoint>([this] { return RaiseRequested(); });
    // The archive file named on the command line is loaded by Open in its place once the window
    // shows; without one, the first row's button (Open) is pressed as soon as the window runs.
    if (!archiveFile_.empty()) {
        QMetaObject::invokeMethod(
            this, [this] { LoadArchive(*this, archiveFile_); }, Qt::QueuedConnection);
    } else if (!tools_.empty() && tools_.front().button != nullptr) {
        QMetaObject::invokeMethod(tools_.front().button, &QAbstractButton::click,
                                  Qt::QueuedConnection);
    }
    return true;
}

void CHubDlg::CloseExtras() {
    endpoint_.reset();
    if (extras_ != nullptr) {
        extras_->Close();
        extras_.reset();
    }
}

void CHubDlg::PlaceHeaders() {
    const qreal dpr = devicePixelRatioF();
    for (const HeaderPlace& header : headerPlaces(layout_)) {
        if (header.rect.isEmpty()) {
            continue;
        }
        auto* picture = new QLabel(this);
        picture->setObjectName(QString::fromLatin1(header.caption));
        picture->setPixmap(headerPicture(tk73::toQString(header.caption), header.rect.size(), dpr));
        picture->setGeometry(header.rect);
    }
    const QRect banner = bannerPlace(layout_);
    if (!banner.isEmpty()) {
        auto* picture = new QLabel(this);
        picture->setObjectName(QStringLiteral("Banner"));
        picture->setPixmap(bannerPicture(QStringLiteral("ECR Setting Tool"),
                                         QStringLiteral("for LMX/TK series\nVer1.00"),
                                         banner.size(), dpr));
        picture->setGeometry(banner);
    }
}

void CHubDlg::BuildTools() {
    for (const ToolRow& row : toolTable(layout_)) {
        QAbstractButton* button = CToolButton::Create(row, this);
        if (row.hidden()) {
            button->hide();
        } else {
            button->move(row.place.x, row.place.y);
            if (dynamic_cast<CToolButton*>(button) == nullptr) {
                button->adjustSize();
            }
        }
        const ToolRow* rowPointer = &row;
        connect(button, &QAbstractButton::clicked, this,
                [this, rowPointer] { PressTool(*rowPointer); });
        tools_.push_back({&row, button});
    }
}

void CHubDlg::OrderTabs() {
    std::vector<QWidget*> stops;
    for (QWidget* widget : findChildren<QWidget*>()) {
        if (widget->isVisibleTo(this) && (widget->focusPolicy() & Qt::TabFocus) != 0 &&
            widget->focusProxy() == nullptr) {
            stops.push_back(widget);
        }
    }
    std::vector<QWidget*> ordered = readingOrder(stops, this);
    for (size_t i = 1; i < ordered.size(); ++i) {
        setTabOrder(ordered[i - 1], ordered[i]);
    }
}

QAbstractButton* CHubDlg::Button(int controlId) const {
    for (const Tool& tool : tools_) {
        if (tool.row->controlId == controlId) {
            return tool.button;
        }
    }
    return nullptr;
}

int CHubDlg::CurrentStore() const {
    return extras_ != nullptr ? extras_->CurrentStore() : tk73ops::kWorkingStore;
}

std::string CHubDlg::Caption() const {
    return tk73::fromQString(windowTitle());
}

void CHubDlg::ShowTitle(const std::string& title) {
    setWindowTitle(tk73::toQString(title));
}

void CHubDlg::EnableForState(int state) {
    const bool known = state >= 0 && state < kDocumentStates;
    for (const Tool& tool : tools_) {
        tool.button->setEnabled(known && tool.row->place.enabled[static_cast<size_t>(state)]);
    }
    if (extras_ != nullptr) {
        extras_->RestrictEnabled();
    }
    if (state == CHubDocument::kLoaded) {
        if (const ToolRow* focusRow = focusRowOnLoad(layout_)) {
            if (QAbstractButton* button = Button(focusRow->controlId); button->isEnabled()) {
                button->setFocus();
            }
        }
    }
}

void CHubDlg::PressTool(const ToolRow& row) {
    if (extras_ != nullptr && extras_->Handle(row)) {
        return;
    }
    switch (row.command) {
        case ToolCommand::Launch:
            LaunchProgram(row);
            return;
        case ToolCommand::New:
            OnFileNew();
            return;
        case ToolCommand::Open:
            OpenArchiveFromCard(*this);
            return;
        case ToolCommand::Save:
            SaveArchiveToCard(*this);
            return;
        case ToolCommand::SaveAs:
            SaveArchiveAs(*this);
            return;
        case ToolCommand::Help:
            OnHelp();
            return;
        case ToolCommand::Exit:
            OnExit();
            return;
        case ToolCommand::ImportCsv:
            OnFileCsvImport(*this);
            return;
        case ToolCommand::ExportCsv:
            OnFileCsvExport();
            return;
        case ToolCommand::SendToLan:
            SendToLan(*this);
            return;
        case ToolCommand::RecvFromLan:
            ReceiveFromLan(*this);
            return;
        default:
            return;
    }
}

bool CHubDlg::LaunchProgram(const ToolRow& row) {
    if (row.program[0] == '\0') {
        return false;
    }
    return launch_.Start(ProgramPath(app_.ProgramFolder(), row.program), row.programSwitch,
                         Caption());
}

void CHubDlg::OnFileNew() {
    if (!QueryDiscard()) {
        return;
    }
    int registerModelNo = 0;
    int vekModelNo = 0;
    if (CSelectModel().Select(tk73store::kSelectModelNew, &registerModelNo, &vekModelNo) == 0) {
        return;
    }
    WaitCursor wait;
    // New settings have no file yet: a later save of them asks for one, and never writes over the
    // archive that was loaded before.
    document_.SetFilePath({});
    app_.ModelTable().GetModelFromModelNo(registerModelNo, &registerModel_);
    CTK73edbVekModel().GetModelFromModelNo(vekModelNo, &vekModel_);
    if (tk73ops::ResetWorkingStore(app_.UserMode(), registerModel_, vekModel_) == 0) {
        // What was loaded is gone or half made: nothing is usable until the next New or Open.
        document_.SetState(CHubDocument::kNoData);
        document_.SetTitle(nullptr);
        return;
    }
    document_.SetState(CHubDocument::kLoaded);
    document_.SetTitle(nullptr);
    document_.TouchLastTime();
}

void CHubDlg::SetModels(const MODEL_EDB& registerModel, const MODEL_EDB& vekModel) {
    registerModel_ = registerModel;
    vekModel_ = vekModel;
}

bool CHubDlg::IsModified() const {
    return document_.GetState() == CHubDocument::kLoaded &&
           StoreChangedSince(CurrentStore(), document_.GetLastTime());
}

bool CHubDlg::QueryDiscard() {
    if (!IsModified()) {
        return true;
    }
    const tk73::Button answer = tk73::ui().question(text::kSaveModified, document_.GetBaseTitle(),
                                                    tk73::Buttons::YesNoCancel, tk73::Button::Yes,
                                                    tk73::MessageIcon::Exclamation);
    // Yes goes on only once the settings were saved, so nothing is lost that the user wanted
    // kept.
    return answer == tk73::Button::No || (answer == tk73::Button::Yes && SaveBeforeDiscard(*this));
}

void CHubDlg::OnExit() {
    if (QueryDiscard()) {
        done(1);
    }
}

void CHubDlg::OnHelp() {
    tk73storeui::showToolManual(this, tk73storeui::kGuideGettingStarted);
}

void CHubDlg::OnAbout() {
    tk73::ui().message(text::kTitle, text::kAboutCaption, tk73::MessageIcon::Information);
}

bool CHubDlg::RaiseRequested() {
    if (!shown_.load()) {
        return false;
    }
    QMetaObject::invokeMethod(
        this,
        [this] {
            showNormal();
            raise();
            activateWindow();
        },
        Qt::QueuedConnection);
    return true;
}

void CHubDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    OnExit();
}

void CHubDlg::reject() {
    OnExit();
}

void CHubDlg::showEvent(QShowEvent* event) {
    shown_.store(true);
    QDialog::showEvent(event);
}

void CHubDlg::hideEvent(QHideEvent* event) {
    shown_.store(false);
    QDialog::hideEvent(event);
}

void CHubDlg::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(tk73::toQString(text::kAboutEntry), this, &CHubDlg::OnAbout);
    menu.exec(event->globalPos());
}

void CHubDlg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, ground_);
}

}  // namespace tk73hub
