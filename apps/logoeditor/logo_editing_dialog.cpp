#include "apps/logoeditor/logo_editing_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "apps/editors/framework/editor_texts.h"
#include "apps/logoeditor/logo_texts.h"
#include "apps/logoeditor/logo_work.h"
#include "base/ui/ui_text.h"
#include "base/user_interaction.h"
#include "storedb/ui/manual_window.h"

namespace tk73logo {

namespace {

// The preview is drawn this wide at most, each dot a square of whole pixels.
constexpr int kPreviewWidth = 512;

QString text(LogoText id) {
    return tk73::toQString(logoText(id));
}

bool isBmp(const std::string& path) {
    if (path.size() < 4) {
        return false;
    }
    std::string extension = path.substr(path.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".bmp";
}

}  // namespace

LogoEditingDialog::LogoEditingDialog(const LogoLibrary& library, const LogoPlace& place,
                                     const LogoEntry& entry, const PrintImage& image,
                                     QWidget* parent)
    : QDialog(parent), library_(library), place_(place), entry_(entry), image_(image) {
    setWindowTitle(text(LogoText::EditingTitle));
    // The register's logo as it stands, through the converter as the shell extracts logos.
    std::string failure;
    if (std::optional<std::string> stored = storedLogo(place_, entry_, &failure)) {
        current_ = std::move(*stored);
    }
    build();
    refresh();
}

void LogoEditingDialog::build() {
    auto* layout = new QVBoxLayout(this);

    auto* bitmapRow = new QHBoxLayout;
    bitmapRow->addWidget(new QLabel(text(LogoText::BitmapFile)));
    bitmapField_ = new QLineEdit;
    bitmapField_->setObjectName("bitmapFile");
    bitmapField_->setReadOnly(true);
    bitmapField_->setMinimumWidth(300);
    bitmapRow->addWidget(bitmapField_, 1);
    auto* browse = new QPushButton(text(LogoText::BrowseButton));
    browse->setObjectName("browse");
    connect(browse, &QPushButton::clicked, this, [this] { ChooseBitmap(); });
    bitmapRow->addWidget(browse);
    layout->addLayout(bitmapRow);

    auto* sizes = new QHBoxLayout;
    sizes->addWidget(new QLabel(tk73::toQString(entry_.name + ": " + sizeText(entry_))));
    pictureSize_ = new QLabel;
    pictureSize_->setObjectName("pictureSize");
    sizes->addStretch(1);
    sizes->addWidget(pictureSize_);
    layout->addLayout(sizes);

    auto* previewBox = new QGroupBox(text(LogoText::Preview));
    auto* previewLayout = new QVBoxLayout(previewBox);
    previewLabel_ = new QLabel;
    previewLabel_->setObjectName("preview");
    const int scale = std::clamp(kPreviewWidth / std::max(entry_.width, 1), 1, 4);
    // The frame lies around the dots, one pixel each side.
    previewLabel_->setFixedSize(std::max(entry_.width, 1) * scale + 2,
                                std::max(entry_.height, 1) * scale + 2);
    previewLabel_->setStyleSheet("background: white; border: 1px solid gray");
    previewLayout->addWidget(previewLabel_, 0, Qt::AlignCenter);
    layout->addWidget(previewBox);

    auto* blackWhite = new QGroupBox(text(LogoText::BlackAndWhite));
    auto* ruleLayout = new QHBoxLayout(blackWhite);
    thresholdButton_ = new QRadioButton(text(LogoText::Threshold));
    thresholdButton_->setObjectName("threshold");
    ditherButton_ = new QRadioButton(text(LogoText::Dithering));
    ditherButton_->setObjectName("dither");
    thresholdSlider_ = new QSlider(Qt::Horizontal);
    thresholdSlider_->setObjectName("thresholdSlider");
    thresholdSlider_->setRange(1, 255);
    thresholdSlider_->setMinimumWidth(160);
    thresholdValue_ = new QLabel;
    thresholdValue_->setMinimumWidth(thresholdValue_->fontMetrics().horizontalAdvance("0000"));
    ruleLayout->addWidget(thresholdButton_);
    ruleLayout->addWidget(thresholdSlider_, 1);
    ruleLayout->addWidget(thresholdValue_);
    ruleLayout->addWidget(ditherButton_);
    (image_.dither ? ditherButton_ : thresholdButton_)->setChecked(true);
    thresholdSlider_->setValue(image_.threshold);
    thresholdValue_->setNum(image_.threshold);
    layout->addWidget(blackWhite);

    layout->addWidget(buildPrintImage());

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* help = buttons_->addButton(
        tk73::toQString(tk73editor::editorText(tk73editor::EditorText::HelpButton)),
        QDialogButtonBox::HelpRole);
    connect(help, &QPushButton::clicked, this,
            [this] { tk73storeui::showToolManual(this, tk73storeui::kGuidePrograms); });
    connect(buttons_, &QDialogButtonBox::accepted, this, [this] {
        settingsChanged();
        if (!preview_.empty()) {
            accept();
        }
    });
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons_);

    connect(thresholdButton_, &QRadioButton::toggled, this, [this] { settingsChanged(); });
    connect(thresholdSlider_, &QSlider::valueChanged, this, [this](int value) {
        thresholdValue_->setNum(value);
        settingsChanged();
    });
}

QWidget* LogoEditingDialog::buildPrintImage() {
    auto* printBox = new QGroupBox(text(LogoText::PrintImage));
    auto* form = new QFormLayout(printBox);
    typeBox_ = new QComboBox;
    typeBox_->addItems({text(LogoText::PrintImageLogo), text(LogoText::PrintImagePop)});
    typeBox_->setCurrentIndex(image_.type);
    form->addRow(text(LogoText::PrintImageType), typeBox_);
    dataFileField_ = new QLineEdit(tk73::toQString(image_.dataFile));
    form->addRow(text(LogoText::PrintImageDataFile), dataFileField_);
    logo1Box_ = new QCheckBox(text(LogoText::Logo1BuiltIn));
    logo1Box_->setChecked(image_.logo1BuiltIn);
    logo2Box_ = new QCheckBox(text(LogoText::Logo2BuiltIn));
    logo2Box_->setChecked(image_.logo2BuiltIn);
    auto* printers = new QHBoxLayout;
    printers->addWidget(logo1Box_);
    printers->addWidget(logo2Box_);
    printers->addStretch(1);
    form->addRow(printers);
    for (const ReceiptImage which : kReceiptImages) {
        auto* row = new QHBoxLayout;
        QLineEdit*& field = receiptFields_[static_cast<size_t>(which)];
        field = new QLineEdit(tk73::toQString(image_.receiptImage(which)));
        field->setObjectName(which == ReceiptImage::Company ? "companyImage" : "addressImage");
        field->setReadOnly(true);
        row->addWidget(field, 1);
        auto* browse = new QPushButton(text(LogoText::BrowseButton));
        connect(browse, &QPushButton::clicked, this, [this, which] { ChooseReceiptImage(which); });
        row->addWidget(browse);
        auto* clear = new QPushButton(text(LogoText::ClearButton));
        connect(clear, &QPushButton::clicked, this, [this, which] { ClearReceiptImage(which); });
        row->addWidget(clear);
        form->addRow(
            text(which == ReceiptImage::Company ? LogoText::CompanyImage : LogoText::AddressImage),
            row);
    }
    paperBox_ = new QComboBox;
    paperBox_->addItems({text(LogoText::Paper58), text(LogoText::Paper80)});
    paperBox_->setCurrentIndex(image_.paper == 80 ? 1 : 0);
    form->addRow(paperBox_);
    return printBox;
}

std::optional<std::string> LogoEditingDialog::pickBitmap() {
    tk73::FileRequest request;
    request.types = {{logoText(LogoText::BitmapFile), "*.bmp"}};
    request.defaultExtension = "bmp";
    for (;;) {
        std::optional<std::string> path = tk73::ui().openFile(request);
        if (!path || isBmp(*path)) {
            return path;
        }
        tk73::ui().message(logoText(LogoText::ChooseBmp), logoText(LogoText::EditingTitle),
                           tk73::MessageIcon::Exclamation);
    }
}

bool LogoEditingDialog::ChooseBitmap() {
    const std::optional<std::string> path = pickBitmap();
    if (!path) {
        return false;
    }
    entry_.bitmap = *path;
    refresh();
    return !preview_.empty();
}

bool LogoEditingDialog::ChooseReceiptImage(ReceiptImage which) {
    const std::optional<std::string> path = pickBitmap();
    if (!path) {
        return false;
    }
    LogoEntry picture = entry_;
    picture.bitmap = *path;
    std::string failure;
    if (!previewLogo(library_, place_, picture, image_, &failure)) {
        tk73::ui().message(failure, logoText(LogoText::EditingTitle), tk73::MessageIcon::Error);
        return false;
    }
    image_.receiptImage(which) = *path;
    receiptFields_[static_cast<size_t>(which)]->setText(tk73::toQString(*path));
    return true;
}

void LogoEditingDialog::ClearReceiptImage(ReceiptImage which) {
    image_.receiptImage(which).clear();
    receiptFields_[static_cast<size_t>(which)]->clear();
}

void LogoEditingDialog::settingsChanged() {
    image_.dither = ditherButton_->isChecked();
    image_.threshold = thresholdSlider_->value();
    image_.type = typeBox_->currentIndex();
    image_.dataFile = tk73::fromQString(dataFileField_->text());
    image_.logo1BuiltIn = logo1Box_->isChecked();
    image_.logo2BuiltIn = logo2Box_->isChecked();
    image_.paper = paperBox_->currentIndex() == 1 ? 80 : 58;
    refresh();
}

void LogoEditingDialog::refresh() {
    preview_.clear();
    previewLabel_->clear();
    pictureSize_->clear();
    bitmapField_->setText(tk73::toQString(entry_.bitmap));
    if (!entry_.bitmap.empty()) {
        std::string failure;
        if (std::optional<std::string> bitmap =
                previewLogo(library_, place_, entry_, image_, &failure)) {
            preview_ = std::move(*bitmap);
        } else {
            tk73::ui().message(failure, logoText(LogoText::EditingTitle), tk73::MessageIcon::Error);
        }
    }
    if (!preview_.empty()) {
        // A bitmap stored top-down reports a negative height.
        const QSize picture = QImageReader(tk73::toQString(entry_.bitmap)).size();
        pictureSize_->setText(tk73::toQString(
            logoText(LogoText::PictureSize, picture.width(), std::abs(picture.height()))));
    } else if (!current_.empty()) {
        pictureSize_->setText(text(LogoText::CurrentLogo));
    }
    const std::string& shown = preview_.empty() ? current_ : preview_;
    if (!shown.empty()) {
        const QImage dots = QImage::fromData(reinterpret_cast<const uchar*>(shown.data()),
                                             static_cast<int>(shown.size()), "BMP");
        previewLabel_->setPixmap(QPixmap::fromImage(dots).scaled(
            previewLabel_->contentsRect().size(), Qt::KeepAspectRatio, Qt::FastTransformation));
    }
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(!preview_.empty());
}

}  // namespace tk73logo
