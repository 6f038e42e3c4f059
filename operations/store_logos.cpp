#include "operations/store_logos.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "archive/archive_files.h"
#include "archive/pack_archive.h"
#include "base/file_utils.h"
#include "base/folder_tree.h"
#include "base/install_folders.h"
#include "definitions/def_file_inf.h"
#include "definitions/def_reg.h"
#include "operations/logo_bitmap.h"
#include "platform/whole_file.h"
#include "programfiles/pgm_file.h"
#include "storedb/edb_model.h"
#include "storedb/edb_store.h"

namespace tk73ops {

namespace {

constexpr const char* kCannotMakeFolder = "Failed to create a new directory";
constexpr const char* kIniCorrupted = "Machine ini file is corrupted.";
constexpr const char* kNoSource = "A image source file is not found.";
constexpr const char* kConversionFailed = "Failed to convert graphic logo.";
// The converter has shown its own message.
constexpr const char* kConverterTold = "";

std::string numbered(const char* format, int number) {
    char text[32];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

// The width and height of a logo from its "G_LOGO" value "width,height[,...]"; false when the
// value does not begin with two numbers.
bool logoSize(const std::string& value, int* width, int* height) {
    return std::sscanf(value.c_str(), "%d , %d", width, height) == 2;
}

// A temporary bitmap name that is not taken, from the millisecond tick count.
std::string uniqueTempBitmap() {
    char folder[TK73_MAX_PATH] = {};
    AecrbsGetTempPath(folder);
    static std::string previous;
    for (;;) {
        const auto ticks = std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::steady_clock::now().time_since_epoch())
                               .count();
        char name[64];
        std::snprintf(name, sizeof name, "LGO%.8X.BMP", static_cast<unsigned>(ticks));
        const std::string path = tk73pack::inFolder(folder, name);
        if (path != previous && !tk73::pathExists(path)) {
            previous = path;
            return path;
        }
    }
}

// A file that goes when the scope ends, however it ends.
struct RemovedAtEnd {
    const std::string& path;
    // A temporary file left behind holds nothing the store needs.
    ~RemovedAtEnd() { (void)AecrbsDeleteFile(path.c_str()); }
};

// The bitmap of one logo: converted by the converter from the text program file into a logo
// program file beside it, which goes again whatever happens, then written as a bitmap.
const char* extractLogo(int fileNo, int width, int height, const std::string& mainte,
                        const std::string& definition, const std::string& logoFolder) {
    const std::string text = tk73pack::inFolder(mainte, numbered("FILE%03dP.TXT", fileNo));
    const std::string binary = tk73pack::inFolder(mainte, numbered("FILE%03dP.DAT", fileNo));
    const RemovedAtEnd removeBinary{binary};
    if (!tk73::pathExists(text)) {
        return kNoSource;
    }
    const std::string command =
        "S \"" + text + "\" \"" + binary + "\" -lc -d\"" + definition + "\" -T";
    if (CTK73packArchive().CallConverterDLL(command.c_str()) != 1) {
        return kConverterTold;
    }
    const std::optional<std::string> logo = tk73::readWholeFile(binary);
    if (!logo) {
        return kNoSource;
    }
    const std::optional<std::string> bitmap = LogoBitmapFromProgramFile(*logo, width, height);
    if (!bitmap) {
        return kConversionFailed;
    }
    const std::string temporary = uniqueTempBitmap();
    char target[40];
    std::snprintf(target, sizeof target, "FILE%04d.%03d", fileNo, fileNo);
    const bool written = tk73pack::writeWholeFile(temporary, *bitmap) &&
                         tk73pack::copyReplacing(temporary, tk73pack::inFolder(logoFolder, target));
    // A temporary file left behind holds nothing the store needs.
    (void)AecrbsDeleteFile(temporary.c_str());
    return written ? nullptr : kConversionFailed;
}

}  // namespace

std::string StoreLogoFolder(int storeNo) {
    char folder[TK73_MAX_PATH] = {};
    if (AecrbsGetTK73DataBasePath(folder) != 1 ||
        AecrbsAddPath(folder, numbered("S%03d", storeNo).c_str()) != 1 ||
        AecrbsAddPath(folder, "M001") != 1 || AecrbsAddPath(folder, "LOGO") != 1) {
        return {};
    }
    return folder;
}

const char* ExtractStoreLogos(int storeNo) {
    const std::string logoFolder = StoreLogoFolder(storeNo);
    if (logoFolder.empty() || AecrbsMakeDirectory(logoFolder.c_str()) != 1) {
        return kCannotMakeFolder;
    }
    STORE_EDB store;
    MODEL_EDB model;
    char definition[TK73_MAX_PATH] = {};
    char mainte[TK73_MAX_PATH] = {};
    if (CTK73edbStore().GetStoreFromStoreNo(storeNo, &store) != 1 ||
        CTK73edbModel().GetModelFromModelNo(store.regModelNo, &model) != 1 ||
        CTK73defReg(model.indentName.c_str(), storeNo, 0).GetDbIniFilePath(definition) != 1 ||
        CTK73pgmPgmFile(storeNo).GetMaintePath(mainte, 0) != 1) {
        return kIniCorrupted;
    }
    const CTK73defFILEINF fileInf(definition);
    for (int index = 1; index < fileInf.GetLogoFilesValueCount(); ++index) {
        int fileNo = 0;
        fileInf.GetLogoFilesValueFromIndex(index, &fileNo);
        int width = 0;
        int height = 0;
        if (!logoSize(fileInf.GetDefReg().GetKeyValueString("G_LOGO",
                                                            numbered("FILE%04d", fileNo).c_str()),
                      &width, &height)) {
            return kIniCorrupted;
        }
        if (const char* failure =
                extractLogo(fileNo, width, height, mainte, definition, logoFolder)) {
            return failure;
        }
    }
    return nullptr;
}

bool CopyStoreLogosToCard(int storeNo, const std::string& cardLogoFolder) {
    const std::string logoFolder = StoreLogoFolder(storeNo);
    std::error_code error;
    if (logoFolder.empty() || !std::filesystem::is_directory(logoFolder, error) ||
        AecrbsMakeDirectory(cardLogoFolder.c_str()) != 1) {
        return false;
    }
    for (const auto& entry : std::filesystem::directory_iterator(logoFolder, error)) {
        if (entry.is_regular_file(error) &&
            AecrbsCopyFile(entry.path().c_str(),
                           tk73pack::inFolder(cardLogoFolder, entry.path().filename()).c_str(),
                           0) != 1) {
            return false;
        }
    }
    return !error;
}

}  // namespace tk73ops
