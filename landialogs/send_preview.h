#pragma once
// What a send would change on a register, as the program that sends knows it from the store's
// history: the select dialog shows it beside each register and lists it on request, and lets
// the user send only the files that changed.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tk73lan {

struct FieldChange {
    std::string file;  // the program file's name, "FILE004P.TXT"
    int record = 0;
    int fieldNo = 0;    // the definition's field number; 0 when it names none there
    std::string title;  // the field's title in the definition
    std::string onRegister;
    std::string inStore;
};

struct RegisterChanges {
    // False when the register has no copy of some file (never got it, or not from this store).
    bool known = false;
    int changedRecords = 0;
    std::vector<std::string> unknownFiles;
    std::vector<FieldChange> fields;
};

// The changes for the register at an address.
using SendPreview = std::function<RegisterChanges(const std::string& address)>;

// The column's words for a register: the number of changed records, or "not known".
std::string changedRecordsText(const RegisterChanges& changes);

}  // namespace tk73lan
