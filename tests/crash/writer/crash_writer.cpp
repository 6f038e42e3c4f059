// Writes every kind of stored file of the crash-consistency test with the contents of one
// generation (0 or 1): "crash_writer <folder> <generation>" writes once, "crash_writer <folder>
// loop" alternates between both until it is killed. The exit code has a bit for each kind of
// write that failed. The store database, the hives, the temporary folder and the active store
// that takes the received file are the ones the environment names; the program file and both
// received files are there before the first run.

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

#include "base/database_frame.h"
#include "base/table_writer.h"
#include "network/file_conversion.h"
#include "operations/ops_crp.h"
#include "platform/ini_profile.h"
#include "platform/registry_hive.h"
#include "programfiles/pgm_file_rw.h"
#include "tests/crash/crash_files.h"

namespace {

// The layout whose active store is the desktop selection, the store that takes the received file
// and whose archive is saved.
constexpr int kProfessionalLayout = 2;

bool writeTable(int generation) {
    DBC* frame = AecrdbCreateDBC(nullptr);
    SFW* writer = frame != nullptr ? AecrdbCreateSFW(frame, "BRANCH") : nullptr;
    bool written = writer != nullptr;
    for (int branch = 1; written && branch <= tk73crash::kBranches + generation * 50; ++branch) {
        written = AecrdbSetDataSFW(writer, "BranchNo", std::to_string(branch).c_str()) == 1 &&
                  AecrdbSetDataSFW(writer, "BranchName",
                                   tk73crash::generationText(generation, 60).c_str()) == 1 &&
                  AecrdbWriteRecordSFW(writer) == 1;
    }
    written = AecrdbDeleteSFW(writer) == 1 && written;
    AecrdbDeleteDBC(frame);
    return written;
}

bool writeProgramFileItem(const std::string& folder, int generation) {
    CTK73pgmPgmFileRW file((folder + "/" + tk73crash::kProgramFile).c_str());
    if (file.ReadPgmFile() != 1) {
        return false;
    }
    // The item of every record: the whole field after the record number, changed in place.
    for (int record = 0; record < file.m_nRecordCount; ++record) {
        char* field = file.m_pContents.get() + file.m_nHeaderLength +
                      record * file.m_nRecordLength + file.m_nNumberWidth + 1;
        std::memset(field, generation == 0 ? 'a' : 'b', tk73crash::kItemWidth);
    }
    return file.WritePgmFile() == 1;
}

// Every kind of write is tried; the result has the bit of each kind that failed (0: all written).
int writeAll(const std::string& folder, int generation) {
    const bool written[] = {
        writeTable(generation),
        tk73::registryWriteString(tk73::Hive::User, tk73crash::kHiveKey, "Text",
                                  tk73crash::generationText(generation, 20000)),
        tk73_WritePrivateProfileStringA("Model", "Text",
                                        tk73crash::generationText(generation, 2000).c_str(),
                                        (folder + "/" + tk73crash::kDefinitionFile).c_str()) != 0,
        writeProgramFileItem(folder, generation),
        TK73ssl_UnPackBinFile(tk73crash::receivedSource(folder, generation).c_str(),
                              tk73crash::kReceivedFileNo) == 1,
        // After the received file, so that the archive holds it: each archive saved goes with one
        // generation of the received file.
        CTK73opsCrp(kProfessionalLayout)
                .SaveCrpFile((folder + "/" + tk73crash::kArchive).c_str()) == 1};
    int failed = 0;
    for (size_t kind = 0; kind < std::size(written); ++kind) {
        failed |= written[kind] ? 0 : 1 << kind;
    }
    return failed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    const std::string folder = argv[1];
    if (std::strcmp(argv[2], "loop") != 0) {
        return writeAll(folder, std::atoi(argv[2]));
    }
    for (int generation = 0;; generation = 1 - generation) {
        if (const int failed = writeAll(folder, generation)) {
            return failed;
        }
    }
}
