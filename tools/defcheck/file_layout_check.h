#pragma once
// A program file checked against the record layout of its definition: every record line has
// the length the layout adds up to, every field sits between its quotes at the offset the
// record format gives, and every value is of its field's kind.

#include <string>
#include <string_view>

#include "tools/defcheck/finding.h"
#include "tools/defcheck/profile.h"
#include "tools/defcheck/program_text.h"
#include "tools/defcheck/record_layout.h"

namespace tk73tools {

struct CheckedFile {
    RecordLayout layout;
    ProgramText text;
    std::string label;  // relative path for findings
};

// Reads and checks the program file at path. Layout faults are named by the definition's
// "FILE%04d" keys, format and value faults by the program file. True when the file fits its
// layout, so that fieldText can be used.
bool checkProgramFile(const Profile& definition, const RecordLayout& layout,
                      const std::string& path, const std::string& label, CheckedFile& checked,
                      Findings& findings);

// The value characters of field index (from 1) in record (from 1) of a checked file.
std::string_view fieldText(const CheckedFile& file, int record, int index);

}  // namespace tk73tools
