// The calls into the converter library: the stage between the pack text file and the binary
// file.

#include <atomic>
#include <filesystem>

#include "archive/archive_files.h"
#include "archive/pack_archive.h"
#include "base/file_utils.h"
#include "base/install_folders.h"
#include "base/memory.h"
#include "base/user_interaction.h"
#include "definitions/def_cf.h"
#include "platform/running_program.h"

namespace {

// The converter keeps state of its own between the calls of one conversion, so this module lets
// one conversion at a time use it.
std::atomic<bool> g_converterInUse{false};

using InitGlconv = int (*)(const char*, int);

void showStop(const char* text) {
    tk73::ui().message(text, tk73::runningProgramName(), tk73::MessageIcon::Error);
}

// Loads the converter and runs the command; the module's flag is held for the whole call.
int runConverter(const char* command) {
    if (g_converterInUse.exchange(true)) {
        showStop("Failed to load GLCONV.dll.");
        return 0;
    }
    void* module = AecrbsLoadLibrary("GLCONV.DLL");
    if (module == nullptr) {
        g_converterInUse = false;
        showStop("Failed to load GLCONV.dll.");
        return 0;
    }
    const auto init = reinterpret_cast<InitGlconv>(AecrbsGetProcAddress(module, "InitGLCONV"));
    int result = 0;
    if (init != nullptr) {
        if (init(command, 0) == 0) {
            // The converter's log of a call that worked says nothing; one left behind is
            // overwritten by the next call.
            (void)AecrbsDeleteFile("ECR.LOG");
            result = 1;
        } else {
            showStop("Failed to convert the program file.");
        }
    }
    AecrbsFreeLibrary(module);
    g_converterInUse = false;
    return result;
}

}  // namespace

int CTK73packArchive::CallConverterDLL(const char* command) {
    if (command == nullptr) {
        return 0;
    }
    char folder[TK73_MAX_PATH] = {};
    if (AecrbsGetTK73DataBasePath(folder) != 1) {
        AecrbsGetTempPath(folder);
    }
    std::error_code error;
    const std::filesystem::path previous = std::filesystem::current_path(error);
    std::filesystem::current_path(folder, error);
    if (error) {
        return 0;
    }
    const int result = runConverter(command);
    std::filesystem::current_path(previous, error);
    return result;
}

int CTK73packArchive::ConvertPackText(bool toBinary) {
    if (m_binPath.empty()) {
        m_binPath = tk73pack::tempFile("PgmFile.bin");
    }
    m_packTextPath = tk73pack::tempFile("PgmFile.txt");
    // An earlier output that stays would be taken for this call's.
    if (AecrbsDeleteFile((toBinary ? m_binPath : m_packTextPath).c_str()) == 0) {
        return 0;
    }

    // The converter finds a binary file named without a folder in the definition's converter
    // folder, so that folder is pointed at the binary file's for the call. Only the converter
    // reads that value, and only after it was set for its call: neither write is flushed to the
    // disk (each would cost a wait on it), and a crash between them leaves a value that the next
    // call sets again.
    constexpr auto kUnflushed = tk73::FileReplacement::Durability::Unflushed;
    const CTK73defVekCF cf(m_definitionFile.c_str());
    char saved[CTK73defVekCF::kMaxFolder + 1] = {};
    cf.GetPath_FOLDER_AUTOPGM(saved);
    cf.SetPath_FOLDER_AUTOPGM(tk73pack::folderOf(m_binPath).c_str(), kUnflushed);

    const std::string command = std::string(toBinary ? "S" : "R") + " \"" + m_packTextPath +
                                "\" \"" + tk73pack::nameOf(m_binPath) + "\" -lc -d\"" +
                                m_definitionFile + "\" -T";
    const int result = CallConverterDLL(command.c_str());
    cf.SetPath_FOLDER_AUTOPGM(saved, kUnflushed);
    return result;
}
