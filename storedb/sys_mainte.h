#pragma once
// The whole-system maintenance: initialise the store database, back it up and restore it, whole
// or only the connection information. Each runs as a small dialog ("SysMainte", a named dialog
// of the user-interaction seam) that asks for a folder where it needs one, asks for
// confirmation and runs one command of the database frame; the dialog stays open after every
// failure, so the user can pick another folder and try again.

#include <string>
#include <string_view>

#include "base/user_interaction.h"

namespace tk73store {

enum class SysMainteKind { SystemInit, SystemBackup, SystemRestore, ConnectBackup, ConnectRestore };

class SysMaintenance {
  public:
    explicit SysMaintenance(SysMainteKind kind) : kind_(kind) {}

    SysMainteKind kind() const { return kind_; }
    bool isBackup() const;
    bool isRestore() const;
    bool asksFolder() const { return isBackup() || isRestore(); }
    const char* title() const;
    const char* prompt() const;
    // The folder of the last successful backup or restore, else the default backup folder.
    std::string initialFolder() const;

    // OK with the folder of the field (ignored by the initialisation): the checks, the questions
    // and the command. True when the command succeeded and the dialog may end.
    [[nodiscard]] bool accept(const std::string& folder);
    bool succeeded() const { return succeeded_; }

  private:
    // The caption of the messages.
    const char* caption() const;
    int operation() const;
    // The backup folder exists afterwards (created on the user's word), else false.
    [[nodiscard]] bool prepareBackupFolder(const std::string& folder) const;
    [[nodiscard]] bool checkRestoreFolder(const std::string& folder) const;
    [[nodiscard]] bool confirm(const char* question) const;
    void report(bool done) const;

    SysMainteKind kind_;
    bool succeeded_ = false;
};

struct SysMainteRequest : tk73::DialogRequest {
    static constexpr std::string_view kName = "SysMainte";
    explicit SysMainteRequest(SysMaintenance& m) : maintenance(m) {}
    std::string_view dialogName() const override { return kName; }
    SysMaintenance& maintenance;
};

}  // namespace tk73store

class CTK73mntSysMainte {
  public:
    // Each answers 1 when its dialog ended with OK after a successful command, else 0.
    int ExecuteSystemInit();
    int ExecuteSystemBackup();
    int ExecuteSystemRestore();
    int ExecuteConnectInfoBackup();
    int ExecuteConnectInfoRestore();
};
