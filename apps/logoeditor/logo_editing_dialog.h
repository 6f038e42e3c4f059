#pragma once
// "Graphic Logo Editing": the bitmap of one logo and its print image settings, with a preview of
// the logo exactly as the register prints it. The preview is a trial conversion by the logo
// conversion library itself, so the dots shown are the dots the logo program file will hold.
// A colour or grey picture becomes black and white by a threshold (the slider) or by dithering.
// The official receipt's company and address images are bitmaps chosen like the logo's, each
// taken only when it converts as the logo does. Help opens the user guide as the editors do.

#include <QDialog>

#include <iterator>
#include <optional>
#include <string>

#include "apps/logoeditor/logo_entries.h"
#include "apps/logoeditor/logo_library.h"
#include "apps/logoeditor/logo_place.h"
#include "apps/logoeditor/print_image.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;

namespace tk73logo {

class LogoEditingDialog : public QDialog {
  public:
    LogoEditingDialog(const LogoLibrary& library, const LogoPlace& place, const LogoEntry& entry,
                      const PrintImage& image, QWidget* parent = nullptr);

    // Asks for a bitmap until the user chooses a ".bmp" file or cancels, and shows it. True when
    // a bitmap was chosen and converts.
    bool ChooseBitmap();
    // Asks for the bitmap of an official receipt image in the same way; it is taken, and true
    // answered, only when it converts at the logo's size, else the user is told why.
    bool ChooseReceiptImage(ReceiptImage which);
    void ClearReceiptImage(ReceiptImage which);

    const LogoEntry& Entry() const { return entry_; }
    const PrintImage& Image() const { return image_; }
    // The bitmap file of the logo as previewed; empty while no bitmap converts.
    const std::string& Preview() const { return preview_; }
    // The logo as the store's program file holds it now, which the preview shows until a
    // bitmap is chosen; empty when there is none to show.
    const std::string& Current() const { return current_; }

  private:
    void build();
    // The print image settings' group, with the rows of the receipt images.
    QWidget* buildPrintImage();
    // The picker until a ".bmp" is chosen; nothing when the user cancels.
    std::optional<std::string> pickBitmap();
    // Takes the controls' settings and converts again.
    void settingsChanged();
    void refresh();

    const LogoLibrary& library_;
    const LogoPlace& place_;
    LogoEntry entry_;
    PrintImage image_;
    std::string preview_;
    std::string current_;

    QLineEdit* bitmapField_ = nullptr;
    QLabel* pictureSize_ = nullptr;
    QLabel* previewLabel_ = nullptr;
    QRadioButton* thresholdButton_ = nullptr;
    QRadioButton* ditherButton_ = nullptr;
    QSlider* thresholdSlider_ = nullptr;
    QLabel* thresholdValue_ = nullptr;
    QComboBox* typeBox_ = nullptr;
    QLineEdit* dataFileField_ = nullptr;
    QCheckBox* logo1Box_ = nullptr;
    QCheckBox* logo2Box_ = nullptr;
    QComboBox* paperBox_ = nullptr;
    QLineEdit* receiptFields_[std::size(kReceiptImages)] = {};
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace tk73logo
