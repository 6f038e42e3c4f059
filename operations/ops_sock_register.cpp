#include "operations/ops_sock_register.h"

#include <chrono>
#include <cstdio>

#include "archive/file_version_converter.h"
#include "definitions/model_info.h"
#include "landialogs/lan_dialogs.h"
#include "landialogs/lan_handle.h"
#include "network/lan_file_service.h"
#include "operations/active_store_info.h"
#include "operations/file_ids.h"
#include "operations/lan_task_lines.h"
#include "operations/register_transfer_record.h"
#include "operations/send_changes.h"
#include "operations/send_selection.h"

int CTK73opsSockRegister::ExecuteSocket(int regModelNo, int receive,
                                        const std::vector<uint32_t>& files) {
    m_workKind = receive ? kReceive : kSend;
    m_files = files;
    m_filesOf.clear();
    const int storeNo = CTK73opsActiveStoreInfo().GetStore().storeNo;
    TK73LanHandle* select = TK73LanCreateRWD();
    if (!receive) {
        tk73lan::setSendPreview(select, [storeNo, files](const std::string& address) {
            return tk73ops::changesOnRegister(storeNo, address, files);
        });
    }
    if (TK73LanDoModalRSD(select, "Select ECR", ConvertRegModelNoToRmCode(regModelNo).c_str(),
                          receive) == 0) {
        if (tk73lan::sendChangedOnly(select)) {
            for (int index = 0; index < TK73LanGetRSDCount(select); ++index) {
                char address[64] = {};
                TK73LanGetRSDIPAddr(select, index, address);
                m_filesOf[address] = tk73ops::filesChangedOnStore(storeNo, address, files);
            }
        }
        ExecuteSocketForReg(select);
    }
    TK73LanDeleteRWD(select);
    return 1;
}

void CTK73opsSockRegister::ExecuteSocketForReg(TK73LanHandle* select) {
    if (TK73LanGetRSDCount(select) == 0) {
        return;
    }
    RunTasks(tk73ops::taskLinesOf(select, TK73LanGetRSDCount, TK73LanGetRSDIPAddr));
}

int CTK73opsSockRegister::RetryFailedSends() {
    m_workKind = kSend;
    m_files.clear();
    m_filesOf.clear();
    std::vector<std::string> addresses;
    for (tk73ops::RegisterFiles& failed :
         tk73ops::lastFailedSends(CTK73opsActiveStoreInfo().GetStore().storeNo)) {
        addresses.push_back(failed.address);
        m_filesOf[failed.address] = std::move(failed.files);
    }
    if (!addresses.empty()) {
        RunTasks(tk73ops::taskLinesOf(addresses));
    }
    return static_cast<int>(addresses.size());
}

const std::vector<uint32_t>& CTK73opsSockRegister::FilesFor(const std::string& address) const {
    const auto own = m_filesOf.find(address);
    return own != m_filesOf.end() ? own->second : m_files;
}

void CTK73opsSockRegister::RunTasks(const std::string& taskLines) {
    TK73LanHandle* run = TK73LanCreateRWD();
    TK73LanSetInfoRWD(run, taskLines.c_str());
    const bool receive = m_workKind == kReceive;
    TK73LanDoModalRWD(run, receive ? "Receiving" : "Sending", RunSendJC, this);
    TK73LanDeleteRWD(run);
    if (receive) {
        // Whatever came in, the files of the store keep one format version per file.
        CTK73packFileVersionConverter(0).UpdateFileVersion();
    }
}

int TK73_API CTK73opsSockRegister::RunSendJC(int /*machineNo*/, void* caller,
                                             const char* /*branchNo*/, const char* /*storeNo*/,
                                             const char* ipAddress, char* message, char* detail) {
    const auto* self = static_cast<const CTK73opsSockRegister*>(caller);
    if (self == nullptr || ipAddress == nullptr || message == nullptr || detail == nullptr) {
        return -1;
    }
    char reason[kMessageRoom] = {};
    detail[0] = '\0';
    const std::vector<uint32_t>& files = self->FilesFor(ipAddress);
    if (files.empty()) {
        // Every file the register would get, it holds already: no session, and nothing to log.
        std::snprintf(message, kMessageRoom, "No file changed.");
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    const bool done =
        TK73sslDULoadECRPFile(ipAddress, self->m_workKind, static_cast<int>(files.size()),
                              tk73ops::fileIdList(files).c_str(), reason, detail) == 1;
    const auto elapsed = std::chrono::steady_clock::now() - start;
    if (done) {
        std::snprintf(message, kMessageRoom, "Normal End.");
    } else {
        // A long reason is cut to the message's room.
        const std::string text =
            reason[0] != '\0' ? "Register communication error End.(" + std::string(reason) + ")"
                              : std::string("Register communication error End.");
        std::snprintf(message, kMessageRoom, "%s", text.c_str());
    }
    // Every program's transfers pass here, so the store keeps what each register holds.
    tk73ops::recordRegisterTransfer(
        {CTK73opsActiveStoreInfo().GetStore().storeNo, self->m_workKind == kSend, ipAddress, files,
         done, message, detail,
         static_cast<uint64_t>(
             std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count())});
    return done ? 1 : -1;
}

std::string CTK73opsSockRegister::ConvertRegModelNoToRmCode(int modelNo) {
    Machine_Information model;
    if (CMdlInfo().GetMcnInfoForModelNo(1, modelNo, &model) != 1) {
        return "000000";
    }
    return model.rmCode;
}
