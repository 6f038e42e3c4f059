#pragma once
// Sending the active store's program files to its Vek controllers, or fetching them back. The
// controllers are driven file by file through the converter library, which carries one program
// file per call; Arabic character fields are converted on the way where the model needs it.

#include <cstdint>
#include <string>
#include <vector>

#include "landialogs/lan_dialogs.h"
#include "platform/api.h"

class CVekRSSock {
  public:
    CVekRSSock() = default;
    CVekRSSock(int workKind, std::vector<uint32_t> regFiles, std::vector<uint32_t> vekFiles)
        : m_regFiles(std::move(regFiles)), m_vekFiles(std::move(vekFiles)), m_workKind(workKind) {}

    // The combined dialog over the active store's controllers and registers, then the
    // controllers' transfers and the registers'. 0 when the dialog was cancelled, else 1.
    int ExecuteSocket(int receive, int regModelNo, int unused,
                      const std::vector<uint32_t>& regFiles, const std::vector<uint32_t>& vekFiles);
    // Lets the user pick controllers of the active store, then runs their transfers. receive: 1
    // to fetch the files, 0 to send them. Returns 1.
    int ExecuteVekSocket(int receive, int unused, const std::vector<uint32_t>& vekFiles);
    // The run dialog ("Sending" or "Receiving") over the machines chosen in select. The
    // controllers' PLU file then has its initial values made plain; the registers' files are
    // brought up to the current versions after a receive.
    void ExecuteSocketForVek(TK73LanHandle* select, int receive);
    void ExecuteSocketForReg(TK73LanHandle* select, int receive);

    // One controller's transfer: caller is this object, machineNo the task's list index (the
    // controller's machine number is one more). 1 with "Normal End."; 0 when the converter cannot
    // be loaded or the database folder cannot be made current; -1 with the failing result's
    // text in message and the file number in detail.
    static int TK73_API RunSendJCVek(int machineNo, void* caller, const char* branchNo,
                                     const char* storeNo, const char* ipAddress, char* message,
                                     char* detail);

    // One converter command for one program file of controller machineNo: letter "S" or "R",
    // the quoted file, its number, "-t", "-li -d" with the quoted definition file, and "-T" for
    // a text file. textFile and sFile receive the file's text form and its converted form.
    static void CreateGlconvCmdLine(std::string& line, const char* letter, int machineNo,
                                    int fileNo, const char* programFolder,
                                    const char* quotedDefinition, int dataFile, int convert,
                                    std::string& textFile, std::string& sFile);

    int GetWorkKind() const { return m_workKind; }

  private:
    std::vector<uint32_t> m_regFiles;
    std::vector<uint32_t> m_vekFiles;
    int m_workKind = 1;
};
