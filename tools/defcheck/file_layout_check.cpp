#include "tools/defcheck/file_layout_check.h"

namespace tk73tools {

namespace {

std::string recordName(size_t record) {
    return "record " + std::to_string(record);
}

// Where the quotes and commas of one record line part from the layout: the key of the field
// length that does not fit, or nothing.
std::string misplacedField(std::string_view line, const RecordLayout& layout, int numberWidth) {
    size_t pos = static_cast<size_t>(numberWidth);
    for (size_t i = 0; i < layout.fields.size(); ++i) {
        const LayoutField& field = layout.fields[i];
        if (pos == line.size()) {
            return "ALL_FIELD_NUM";  // the definition has more fields than the file
        }
        if (line[pos] != ',' || pos + 1 >= line.size() || line[pos + 1] != '"') {
            return i == 0 ? std::string("F01N") : fieldKey(layout.fields[i - 1].index, 'L');
        }
        size_t close = pos + 2 + static_cast<size_t>(field.width);
        if (close >= line.size() || line[close] != '"') {
            return fieldKey(field.index, 'L');
        }
        pos = close + 1;
    }
    return pos == line.size() ? std::string() : std::string("ALL_FIELD_NUM");
}

bool validValue(std::string_view value, FieldKind kind) {
    switch (kind) {
        case FieldKind::Character:
            return value.find('"') == std::string_view::npos;
        case FieldKind::Price:
        case FieldKind::Quantity:
            return value.find_first_not_of("0123456789") == std::string_view::npos;
        default:
            return value.find_first_not_of("0123456789ABCDEF") == std::string_view::npos;
    }
}

}  // namespace

bool checkProgramFile(const Profile& definition, const RecordLayout& layout,
                      const std::string& path, const std::string& label, CheckedFile& checked,
                      Findings& findings) {
    checked.layout = layout;
    checked.label = label;
    std::string fault;
    if (!readProgramText(path, checked.text, fault)) {
        findings.add(label, "", "", fault);
        return false;
    }
    fault = headerFault(checked.text, layout.fileNo);
    if (!fault.empty()) {
        findings.add(label, "header", "", fault);
    }
    const ProgramText& text = checked.text;
    const std::string section = fileSectionName(layout.fileNo);
    const size_t expected = layout.lineLength(text.numberWidth);
    for (size_t r = 0; r < text.records.size(); ++r) {
        std::string key = misplacedField(text.records[r], layout, text.numberWidth);
        if (!key.empty()) {
            findings.add(definition.label(), section, key,
                         "the fields add up to record lines of " + std::to_string(expected) +
                             " bytes, but " + recordName(r + 1) + " of " + label + " has " +
                             std::to_string(text.records[r].size() + 2) +
                             " bytes or its quotes elsewhere");
            return false;
        }
    }
    for (size_t r = 1; r <= text.records.size(); ++r) {
        for (const LayoutField& field : layout.fields) {
            if (!validValue(fieldText(checked, static_cast<int>(r), field.index), field.kind)) {
                findings.add(label, recordName(r), "field " + std::to_string(field.index),
                             "value is not of the field's kind (upper-case hexadecimal digits, "
                             "decimal digits for prices and quantities, no quote in text)");
                return true;
            }
        }
    }
    return true;
}

std::string_view fieldText(const CheckedFile& file, int record, int index) {
    std::string_view line = file.text.records[static_cast<size_t>(record - 1)];
    return line.substr(
        file.layout.valueOffset(file.text.numberWidth, index),
        static_cast<size_t>(file.layout.fields[static_cast<size_t>(index - 1)].width));
}

}  // namespace tk73tools
