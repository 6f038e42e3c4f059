#include "programfiles/pgm_import_check.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#include "definitions/def_file_inf.h"
#include "definitions/def_reg.h"
#include "definitions/kind_forms.h"
#include "programfiles/pgm_file_rw.h"
#include "programfiles/pgm_record_lines.h"

namespace tk73pgm {

namespace {

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

// What is wrong with one record line (numbered record of the file), empty when nothing is.
std::string lineFault(const char* bytes, size_t lineStart, size_t lineEnd, int width, int record,
                      const std::vector<FieldShape>& fields) {
    char expected[16];
    std::snprintf(expected, sizeof expected, "%0*d", width, record);
    const std::string_view line(bytes + lineStart, lineEnd - lineStart);
    if (line.size() < 2 || line.substr(line.size() - 2) != "\r\n") {
        return "the line does not end with CR LF";
    }
    if (line.substr(0, static_cast<size_t>(width)) != expected ||
        line[static_cast<size_t>(width)] != ',') {
        return "record number " + std::string(expected) + " does not begin it";
    }
    size_t pos = lineStart + static_cast<size_t>(width) + 1;
    bool last = false;
    for (size_t index = 0; index < fields.size(); ++index) {
        const FieldShape& shape = fields[index];
        char name[48];
        std::snprintf(name, sizeof name, "field %zu (field number %d)", index + 1, shape.fieldNo);
        FieldSpan span;
        if (last || pos >= lineEnd) {
            return std::string(name) + " is missing: the line has " + std::to_string(index) +
                   " fields, the file's records " + std::to_string(fields.size());
        }
        if (!nextField(bytes, pos, span, last)) {
            return std::string(name) + " has no closing quote";
        }
        if (!span.quoted) {
            return std::string(name) + " is not enclosed in double quotes";
        }
        const size_t length = span.end - span.first;
        if (length != static_cast<size_t>(shape.width)) {
            return std::string(name) + " has " + std::to_string(length) +
                   " characters where the file's records have " + std::to_string(shape.width);
        }
        for (size_t at = span.first; at < span.end; ++at) {
            if (static_cast<unsigned char>(bytes[at]) < 0x20 ||
                (shape.digits && !isHexDigit(bytes[at]))) {
                return std::string(name) + " holds \"" + std::string(bytes + span.first, length) +
                       "\", which is not " +
                       (shape.digits ? "made of the digits 0-9 and A-F" : "text of one line");
            }
        }
    }
    if (!last) {
        return "the line has more than the " + std::to_string(fields.size()) +
               " fields of the file's records";
    }
    return {};
}

}  // namespace

std::vector<FieldShape> recordShapes(const CTK73defReg& definition, int fileNo) {
    const tk73def::NeighbourSection<CTK73defRegVekFILEINF> files(definition);
    Record_Information layout;
    std::vector<FieldShape> shapes;
    if (files.GetFileDef(fileNo, &layout) != 1) {
        return shapes;
    }
    for (const RECORD_FIELD_INFO& field : layout.fields) {
        shapes.push_back(
            {field.fieldNo, field.isChar == 1 ? field.size : 2 * field.size, field.isChar != 1});
    }
    return shapes;
}

std::string checkRecordLines(const CTK73pgmPgmFileRW& file, const std::vector<FieldShape>& fields) {
    const char* bytes = file.m_pContents.get();
    const auto size = static_cast<size_t>(file.m_nFileSize);
    int lineNo = file.m_nHeaderLines;
    int record = 0;
    for (size_t start = static_cast<size_t>(file.m_nHeaderLength); start < size;) {
        const char* feed = static_cast<const char*>(std::memchr(bytes + start, '\n', size - start));
        const size_t end = feed == nullptr ? size : static_cast<size_t>(feed - bytes) + 1;
        ++lineNo;
        ++record;
        const std::string fault = lineFault(bytes, start, end, file.m_nNumberWidth, record, fields);
        if (!fault.empty()) {
            return "line " + std::to_string(lineNo) + ": " + fault;
        }
        start = end;
    }
    return {};
}

}  // namespace tk73pgm
