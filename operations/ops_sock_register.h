#pragma once
// Sending the active store's program files to its registers over the LAN, or fetching them back.
// Each register is one task of the run dialog; the transfer of one task is RunSendJC, which
// serves the register's LAN file session with the work kind and file list of this object.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "landialogs/lan_dialogs.h"
#include "platform/api.h"

class CTK73opsSockRegister {
  public:
    // Work kinds of the LAN file session.
    static constexpr int kReceive = 0;
    static constexpr int kSend = 1;
    // The room of the transfer's message and detail texts.
    static constexpr size_t kMessageRoom = 4096;
    static constexpr size_t kDetailRoom = 768;

    CTK73opsSockRegister() = default;
    CTK73opsSockRegister(int workKind, std::vector<uint32_t> files)
        : m_workKind(workKind), m_files(std::move(files)) {}

    // Lets the user pick registers of the active store (title "Select ECR", the model's code for
    // the search), then runs the transfer of each in the run dialog ("Sending" or
    // "Receiving"); after a receive, brings the store's files up to the current versions.
    // receive: 1 to fetch the files, 0 to send them. Returns 1. Before a send the selection
    // shows what would change on each register (tk73ops::changesOnRegister), and a register
    // whose user chose to send only the files that changed gets only those.
    int ExecuteSocket(int regModelNo, int receive, const std::vector<uint32_t>& files);

    // The run dialog over the registers chosen in select, with this object's work.
    void ExecuteSocketForReg(TK73LanHandle* select);

    // Sends again, in the run dialog, to each register of the active store whose last send
    // failed, the files that failed there (tk73ops::lastFailedSends). The number of registers
    // it served: 0 when none had failed.
    int RetryFailedSends();

    // One register's transfer: caller is this object; the address is the register's. 1 with
    // "Normal End." in message; -1 with the session's reason in message and the files that
    // failed (their six-digit ids) in detail.
    static int TK73_API RunSendJC(int machineNo, void* caller, const char* branchNo,
                                  const char* storeNo, const char* ipAddress, char* message,
                                  char* detail);
    // The register model's code in the model list, six zero characters for an unknown model
    // (which keeps the controller search from starting).
    static std::string ConvertRegModelNoToRmCode(int modelNo);

    int GetWorkKind() const { return m_workKind; }
    const std::vector<uint32_t>& GetFiles() const { return m_files; }

  private:
    // The files the register at the address gets: its own list when it has one.
    const std::vector<uint32_t>& FilesFor(const std::string& address) const;
    void RunTasks(const std::string& taskLines);

    int m_workKind = kSend;
    std::vector<uint32_t> m_files;
    std::map<std::string, std::vector<uint32_t>> m_filesOf;
};
