#pragma once
// The record layout of one program file as its "FILE%04d" section describes it, with the
// characters each field takes in a record line.

#include <string>
#include <vector>

#include "tools/defcheck/finding.h"
#include "tools/defcheck/profile.h"

namespace tk73tools {

enum class FieldKind { Plain, Quantity, Character, Price, Bit, ItemCode };

struct LayoutField {
    int index = 0;   // n of the "F%02dN" key
    int number = 0;  // the field number
    int length = 0;  // "F%02dL": bytes of the register's record
    int width = 0;   // characters in a record line: the length, doubled unless characters
    FieldKind kind = FieldKind::Plain;
    bool view = false;     // a "P" mark
    bool barCode = false;  // listed in "BARCODEFIELDS"
};

struct RecordLayout {
    int fileNo = 0;
    std::vector<LayoutField> fields;

    // Bytes of a record line with CR LF: the record number, then every field quoted and
    // separated by commas.
    size_t lineLength(int numberWidth) const;
    // Character offset of a field's first value character (index counts from 1).
    size_t valueOffset(int numberWidth, int index) const;
    const LayoutField* byNumber(int fieldNo) const;
};

std::string fileSectionName(int fileNo);       // "FILE%04d"
std::string fieldKey(int index, char suffix);  // "F%02dN" and the like

// Reads the layout; every key that is missing or malformed becomes a finding and the result is
// false. The kinds come from "FIELD_INF".
bool readRecordLayout(const Profile& definition, int fileNo, RecordLayout& layout,
                      Findings& findings);

}  // namespace tk73tools
