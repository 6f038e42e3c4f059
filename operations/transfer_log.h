#pragma once
// The transfer log of a store: one line per register and transfer, for a person to read and a
// script to parse. The format is in operations/README.md ("The transfer log").

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tk73ops {

struct TransferLogEntry {
    std::string time;       // UTC, "2026-12-08T16:03:12Z"
    std::string direction;  // "send" or "receive"
    int machineNo = 0;      // the register's number in the store; 0 for an address it does not list
    std::string address;
    std::vector<std::pair<int, uint64_t>> files;  // file number and size, as listed for the work
    bool done = false;
    std::string message;
    std::vector<int> failedFiles;
    uint64_t bytes = 0;  // the bytes of the files that went whole
    uint64_t milliseconds = 0;
    // Of a receive: the records that came in otherwise than the register's copy held them
    // (changed on the register since its last transfer); -1 when not known.
    int changedOnRegister = -1;
};

// The log is rotated when an entry would take it past this size: it becomes "<log>.1" (which
// replaces the one before), and a new log begins.
inline constexpr uint64_t kTransferLogRotateBytes = 1024 * 1024;

// The current UTC time as the log writes it.
std::string transferLogTime();

// One entry's line, its end included; a tab or line end inside a text becomes a blank.
std::string transferLogLine(const TransferLogEntry& entry);
extern const char* const kTransferLogHeader;

// Appends the entry in one write (the header first in a new log), under a lock that writers of
// the same log share. False when the log cannot be written.
bool appendTransferLog(const std::string& path, const TransferLogEntry& entry,
                       uint64_t rotateBytes = kTransferLogRotateBytes);

// The entries of the rotated log and the log, oldest first. A line that is not whole (no line
// end, too few columns, a number that is none) is left out; columns after the known ones are
// ignored.
std::vector<TransferLogEntry> readTransferLog(const std::string& path);

}  // namespace tk73ops
