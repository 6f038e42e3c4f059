#include "operations/vek_rs_sock.h"

#include <cstdio>
#include <filesystem>

#include "archive/pack_archive.h"
#include "archive/text_pgm_conv.h"
#include "base/file_utils.h"
#include "base/install_folders.h"
#include "base/memory.h"
#include "definitions/def_file_inf.h"
#include "definitions/def_tcpip.h"
#include "definitions/model_info.h"
#include "operations/active_store_info.h"
#include "operations/glconv_result_text.h"
#include "operations/lan_task_lines.h"
#include "operations/ops_sock_register.h"
#include "platform/path_rule.h"

namespace {

using InitGlconv = int (*)(const char*, int);

constexpr size_t kMessageRoom = CTK73opsSockRegister::kMessageRoom;
constexpr size_t kDetailRoom = CTK73opsSockRegister::kDetailRoom;
constexpr int kArabicFailed = 10001;

// The converter library for the length of one controller's transfer.
class Converter {
  public:
    Converter() : module_(AecrbsLoadLibrary("GLCONV.DLL")) {
        if (module_ != nullptr) {
            init_ = reinterpret_cast<InitGlconv>(AecrbsGetProcAddress(module_, "InitGLCONV"));
        }
    }
    ~Converter() {
        if (module_ != nullptr) {
            AecrbsFreeLibrary(module_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    InitGlconv entry() const { return init_; }

  private:
    void* module_;
    InitGlconv init_ = nullptr;
};

// The converter writes its log into the current folder, which is the database folder while it
// runs; the previous current folder comes back at the end.
class DatabaseFolderCurrent {
  public:
    DatabaseFolderCurrent() {
        char folder[TK73_MAX_PATH] = {};
        if (AecrbsGetTK73DataBasePath(folder) != 1) {
            AecrbsGetTempPath(folder);
        }
        previous_ = std::filesystem::current_path(error_);
        if (!error_) {
            std::filesystem::current_path(folder, error_);
        }
    }
    ~DatabaseFolderCurrent() {
        if (!error_) {
            std::filesystem::current_path(previous_, error_);
        }
    }
    DatabaseFolderCurrent(const DatabaseFolderCurrent&) = delete;
    DatabaseFolderCurrent& operator=(const DatabaseFolderCurrent&) = delete;

    bool entered() const { return !error_; }

  private:
    std::filesystem::path previous_;
    std::error_code error_;
};

// The file in the folder, joined with the folder's own separator.
std::string fileIn(const char* folder, const char* format, int fileNo) {
    char name[32];
    std::snprintf(name, sizeof name, format, fileNo);
    return tk73::joinPath(folder, name);
}

}  // namespace

int CVekRSSock::ExecuteSocket(int receive, int /*regModelNo*/, int /*unused*/,
                              const std::vector<uint32_t>& regFiles,
                              const std::vector<uint32_t>& vekFiles) {
    m_workKind = receive ? CTK73opsSockRegister::kReceive : CTK73opsSockRegister::kSend;
    m_regFiles = regFiles;
    m_vekFiles = vekFiles;
    TK73LanHandle* registers = TK73LanCreateRWD();
    TK73LanHandle* controllers = TK73LanVekCreateRWD();
    const int chosen =
        TK73LanVekDoModalRSD(registers, controllers, "Select target machine", receive) == 0 ? 1 : 0;
    if (chosen == 1) {
        ExecuteSocketForVek(controllers, receive);
        ExecuteSocketForReg(registers, receive);
    }
    TK73LanVekDeleteRWD(controllers);
    TK73LanDeleteRWD(registers);
    return chosen;
}

int CVekRSSock::ExecuteVekSocket(int receive, int /*unused*/,
                                 const std::vector<uint32_t>& vekFiles) {
    m_workKind = receive ? CTK73opsSockRegister::kReceive : CTK73opsSockRegister::kSend;
    m_vekFiles = vekFiles;
    const CTK73opsActiveStoreInfo store;
    TK73LanHandle* select = TK73LanVekCreateRWD();
    if (TK73LanVekDoModalRSDIndividual(
            select, "Select target machine",
            CTK73opsSockRegister::ConvertRegModelNoToRmCode(store.GetRegModel().modelNo).c_str(),
            receive) == 0) {
        ExecuteSocketForVek(select, receive);
    }
    TK73LanVekDeleteRWD(select);
    return 1;
}

void CVekRSSock::ExecuteSocketForVek(TK73LanHandle* select, int receive) {
    if (TK73LanVekGetRSDCount(select) == 0) {
        return;
    }
    TK73LanHandle* run = TK73LanVekCreateRWD();
    TK73LanVekSetInfoRWD(
        run, tk73ops::taskLinesOf(select, TK73LanVekGetRSDCount, TK73LanVekGetRSDIPAddr).c_str());
    TK73LanVekDoModalRWD(run, receive ? "Receiving" : "Sending", RunSendJCVek, this);
    TK73LanVekDeleteRWD(run);
    char definition[TK73_MAX_PATH] = {};
    char mainte[TK73_MAX_PATH] = {};
    char defaults[TK73_MAX_PATH] = {};
    if (CTK73opsActiveStoreInfo().GetPathInfo(definition, mainte, defaults, 1) == 1) {
        CTK73packArchive(definition, mainte, 1).ConvertFILE004InitValue();
    }
}

void CVekRSSock::ExecuteSocketForReg(TK73LanHandle* select, int receive) {
    CTK73opsSockRegister(receive ? CTK73opsSockRegister::kReceive : CTK73opsSockRegister::kSend,
                         m_regFiles)
        .ExecuteSocketForReg(select);
}

void CVekRSSock::CreateGlconvCmdLine(std::string& line, const char* letter, int machineNo,
                                     int fileNo, const char* programFolder,
                                     const char* quotedDefinition, int dataFile, int convert,
                                     std::string& textFile, std::string& sFile) {
    textFile = fileIn(programFolder, dataFile ? "FILE%03dP.DAT" : "FILE%03dP.TXT", fileNo);
    sFile = fileIn(programFolder, "S_FILE%03dP.TXT", fileNo);
    const std::string& sent = convert ? sFile : textFile;
    line = std::string(letter) + " \"" + sent + "\" " + std::to_string(fileNo) + " -t" +
           std::to_string(machineNo) + " -li -d" + quotedDefinition + (dataFile ? "" : " -T");
}

int TK73_API CVekRSSock::RunSendJCVek(int machineNo, void* caller, const char* /*branchNo*/,
                                      const char* /*storeNo*/, const char* ipAddress, char* message,
                                      char* detail) {
    const auto* self = static_cast<const CVekRSSock*>(caller);
    if (self == nullptr || ipAddress == nullptr || message == nullptr || detail == nullptr) {
        return -1;
    }
    message[0] = '\0';
    detail[0] = '\0';
    const Converter converter;
    if (converter.entry() == nullptr) {
        return 0;
    }
    char definition[TK73_MAX_PATH] = {};
    char mainte[TK73_MAX_PATH] = {};
    char defaults[TK73_MAX_PATH] = {};
    CTK73opsActiveStoreInfo().GetPathInfo(definition, mainte, defaults, 1);
    const int machine = machineNo + 1;
    CTK73defVekTCPIP(definition).SetValue(machine, ipAddress);
    const std::string quoted = std::string("\"") + definition + "\"";
    const bool sending = self->m_workKind == CTK73opsSockRegister::kSend;
    const DatabaseFolderCurrent current;
    if (!current.entered()) {
        return 0;
    }
    CTextPgmConv conversion;
    const unsigned long conversionSwitch = static_cast<unsigned long>(CMdlInfo().GetFileCommConv());
    conversion.EnterConvProc(conversionSwitch,
                             sending ? CTextPgmConv::kToIbm864 : CTextPgmConv::kToWin1256);
    const CTK73defVekFILEINF files(definition);
    int result = 1;
    for (uint32_t number : self->m_vekFiles) {
        const int fileNo = static_cast<int>(number);
        const int dataFile = files.IsDataFile(fileNo);
        Record_Information info;
        // A layout cut short by a faulty field still converts the fields read before it.
        (void)files.GetFileDef(fileNo, &info);
        const bool convert = (conversion.GetFlags() & CTextPgmConv::kActive) != 0 &&
                             files.CkFileCommConv(&info) == 1;
        std::string line;
        std::string textFile;
        std::string sFile;
        CreateGlconvCmdLine(line, sending ? "S" : "R", machine, fileNo, mainte, quoted.c_str(),
                            dataFile, convert ? 1 : 0, textFile, sFile);
        if (convert) {
            conversion.StartConvProc(sending ? textFile : sFile, sending ? sFile : textFile);
        }
        int code = 0;
        if (convert && sending && conversion.ConvCommFile(info) != 1) {
            code = kArabicFailed;
        } else if (code = converter.entry()(line.c_str(), 0); code == 0) {
            // The converter's log of a call that worked says nothing; one left behind is
            // overwritten by the next call.
            (void)AecrbsDeleteFile("ECR.LOG");
            if (convert && !sending && conversion.ConvCommFile(info) != 1) {
                code = kArabicFailed;
            }
        }
        if (code == kArabicFailed) {
            std::snprintf(message, kMessageRoom, "Error End.(Arabic Convert (errno=%d))", code);
        } else if (code != 0) {
            std::snprintf(message, kMessageRoom, "Register communication error End.(%s (errno=%d))",
                          tk73ops::glconvResultText(code, true).c_str(), code);
        }
        if (code != 0) {
            std::snprintf(detail, kDetailRoom, "%d", fileNo);
            result = -1;
        }
        if (convert) {
            conversion.EndConvProc();
        }
        if (result != 1) {
            break;
        }
    }
    if (result == 1) {
        std::snprintf(message, kMessageRoom, "Normal End.");
    }
    conversion.ExitConvProc();
    return result;
}
