#include "apps/logoeditor/logo_work.h"

#include <cerrno>

#include "apps/logoeditor/logo_texts.h"
#include "archive/archive_files.h"
#include "archive/pack_archive.h"
#include "base/file_utils.h"
#include "base/folder_tree.h"
#include "base/temp_files.h"
#include "operations/logo_bitmap.h"
#include "outside/logoconv/logoconv_results.h"
#include "platform/whole_file.h"

namespace tk73logo {

namespace {

// A work file in the temporary folder that goes when the scope ends.
class WorkFile {
  public:
    explicit WorkFile(const char* extension) {
        char path[TK73_MAX_PATH] = {};
        errno = 0;
        if (AecrbsMakeTempFile(path, "LGO", extension) == 1) {
            path_ = path;
        } else {
            error_ = errno != 0 ? errno : -1;
        }
    }
    ~WorkFile() {
        if (!path_.empty()) {
            // A work file left behind holds nothing the store needs.
            (void)AecrbsDeleteFile(path_.c_str());
        }
    }
    WorkFile(const WorkFile&) = delete;
    WorkFile& operator=(const WorkFile&) = delete;

    bool made() const { return !path_.empty(); }
    int error() const { return error_; }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
    int error_ = 0;
};

std::string workFileFailed(int code) {
    return logoText(LogoText::WorkFileFailed, code);
}

// The message of a library result that is not success.
std::string libraryFailure(const LogoLibrary& library, int result) {
    switch (result) {
        case kLibraryMissing: {
            std::string text = logoText(LogoText::LibraryMissing);
            const size_t at = text.find("%s");
            return at == std::string::npos ? text : text.replace(at, 2, library.Name());
        }
        case logoconv::kSourceMissing:
            return logoText(LogoText::SourceMissing);
        case logoconv::kBitmapUnreadable:
            return logoText(LogoText::BitmapUnreadable);
        case logoconv::kOutputNotWritten:
            return workFileFailed(result);
        default:
            return logoText(LogoText::ConversionFailed);
    }
}

// One logo of a logo program file holding logos of the entry's size one under the other.
std::optional<std::string> logoOfFile(const std::string& programFile, const LogoEntry& entry) {
    const size_t rows = static_cast<size_t>(entry.width / 8) * entry.height;
    const size_t at = tk73ops::kLogoHeaderBytes + rows * entry.slot;
    if (entry.width <= 0 || programFile.size() != tk73ops::kLogoHeaderBytes + rows * entry.logos) {
        return std::nullopt;
    }
    return tk73ops::LogoBitmapFromProgramFile(
        programFile.substr(0, tk73ops::kLogoHeaderBytes) + programFile.substr(at, rows),
        entry.width, entry.height);
}

std::string quoted(const std::string& path) {
    return "\"" + path + "\"";
}

// Runs the converter; false when it failed, after it has told the user.
bool runConverter(char mode, const LogoPlace& place, const std::string& text,
                  const std::string& binary) {
    const std::string command = std::string(1, mode) + " " + quoted(text) + " " + quoted(binary) +
                                " -lc -d" + quoted(place.definitionFile) + " -T";
    return CTK73packArchive().CallConverterDLL(command.c_str()) == 1;
}

// The logo file's official receipt images as the store's logo folder is to hold them, by name:
// each chosen one converted as the logo is, nothing for one not chosen.
using ReceiptImages = std::vector<std::pair<std::string, std::optional<std::string>>>;

std::optional<ReceiptImages> receiptImages(const LogoLibrary& library, const LogoPlace& place,
                                           const LogoEntry& entry, const PrintImage& image,
                                           std::string* failure) {
    ReceiptImages images;
    for (const ReceiptImage which : kReceiptImages) {
        std::optional<std::string> bitmap;
        if (!image.receiptImage(which).empty()) {
            LogoEntry picture = entry;
            picture.bitmap = image.receiptImage(which);
            bitmap = previewLogo(library, place, picture, image, failure);
            if (!bitmap) {
                return std::nullopt;
            }
        }
        images.emplace_back(LogoPlace::receiptImageName(entry, which), std::move(bitmap));
    }
    return images;
}

// Writes the logo's bitmap into the store's logo folder (made when missing) and puts the receipt
// images beside it, so they go to the card with it: one not chosen is removed.
bool placeStoreBitmaps(const std::string& logoFolder, const std::string& logoName,
                       const std::string& logo, const ReceiptImages& images) {
    if (logoFolder.empty() || AecrbsMakeDirectory(logoFolder.c_str()) != 1 ||
        !tk73pack::writeWholeFile(tk73pack::inFolder(logoFolder, logoName), logo)) {
        return false;
    }
    for (const auto& [name, image] : images) {
        const std::string path = tk73pack::inFolder(logoFolder, name);
        const bool placed = image ? tk73pack::writeWholeFile(path, *image)
                                  : !tk73::pathExists(path) || AecrbsDeleteFile(path.c_str()) == 1;
        if (!placed) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<std::string> previewLogo(const LogoLibrary& library, const LogoPlace& place,
                                       const LogoEntry& entry, const PrintImage& image,
                                       std::string* failure) {
    WorkFile settings(".HAD");
    WorkFile output(".DAT");
    if (!settings.made() || !output.made()) {
        *failure = workFileFailed(settings.made() ? output.error() : settings.error());
        return std::nullopt;
    }
    // The trial holds this one logo, whatever else its file holds.
    LogoEntry alone = entry;
    alone.logos = 1;
    alone.slot = 0;
    if (!image.write(settings.path(), alone)) {
        *failure = workFileFailed(errno);
        return std::nullopt;
    }
    const int result = library.Convert({entry.bitmap}, output.path(), settings.path(),
                                       place.textFile(entry), place.machineId);
    if (result != logoconv::kConverted) {
        *failure = libraryFailure(library, result);
        return std::nullopt;
    }
    const std::optional<std::string> programFile = tk73::readWholeFile(output.path());
    std::optional<std::string> bitmap =
        programFile ? logoOfFile(*programFile, alone) : std::nullopt;
    if (!bitmap) {
        *failure = logoText(LogoText::ConversionFailed);
    }
    return bitmap;
}

bool convertLogoFile(const LogoLibrary& library, const LogoPlace& place,
                     const std::vector<const LogoEntry*>& chosen, const PrintImage& image,
                     std::string* failure) {
    if (chosen.empty()) {
        *failure = logoText(LogoText::SourceMissing);
        return false;
    }
    const LogoEntry& first = *chosen.front();
    if (first.width <= 0 || first.height <= 0) {
        *failure = logoText(LogoText::IniCorrupted);
        return false;
    }
    WorkFile output(".DAT");
    if (!output.made()) {
        *failure = workFileFailed(output.error());
        return false;
    }
    if (!place.takeOwnSettings(first) || !image.write(place.settingsFile(first), first)) {
        *failure = logoText(LogoText::ConversionFailed);
        return false;
    }
    std::vector<std::string> bitmaps;
    for (const LogoEntry* entry : chosen) {
        bitmaps.push_back(entry->bitmap);
    }
    const int result = library.Convert(bitmaps, output.path(), place.settingsFile(first),
                                       place.textFile(first), place.machineId);
    if (result != logoconv::kConverted) {
        *failure = libraryFailure(library, result);
        return false;
    }
    const std::optional<ReceiptImages> images =
        receiptImages(library, place, first, image, failure);
    if (!images) {
        return false;
    }
    const std::optional<std::string> programFile = tk73::readWholeFile(output.path());
    if (!programFile || !runConverter('R', place, place.textFile(first), output.path())) {
        failure->clear();
        return false;
    }
    // The store's bitmaps follow the logos, as after opening an archive.
    const std::optional<std::string> bitmap = logoOfFile(*programFile, first);
    if (!bitmap ||
        !placeStoreBitmaps(place.storeLogoFolder, LogoPlace::bitmapName(first), *bitmap, *images)) {
        *failure = logoText(LogoText::BmpCopyFailed);
        return false;
    }
    return true;
}

std::optional<std::string> storedLogo(const LogoPlace& place, const LogoEntry& entry,
                                      std::string* failure) {
    WorkFile binary(".DAT");
    if (!binary.made()) {
        *failure = workFileFailed(binary.error());
        return std::nullopt;
    }
    if (!tk73::pathExists(place.textFile(entry))) {
        *failure = logoText(LogoText::SourceMissing);
        return std::nullopt;
    }
    if (!runConverter('S', place, place.textFile(entry), binary.path())) {
        failure->clear();
        return std::nullopt;
    }
    const std::optional<std::string> programFile = tk73::readWholeFile(binary.path());
    std::optional<std::string> bitmap =
        programFile ? logoOfFile(*programFile, entry) : std::nullopt;
    if (!bitmap) {
        *failure = logoText(LogoText::ConversionFailed);
    }
    return bitmap;
}

}  // namespace tk73logo
