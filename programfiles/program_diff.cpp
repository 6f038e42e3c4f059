#include "programfiles/program_diff.h"

#include <memory>
#include <string_view>

#include "programfiles/pgm_file_io.h"
#include "programfiles/pgm_file_rw.h"
#include "programfiles/pgm_record_lines.h"

namespace tk73pgm {

namespace {

// The record line of a file whose layout is known, line end left out.
std::string_view lineOf(const CTK73pgmPgmFileRW& file, int record) {
    const size_t start =
        static_cast<size_t>(file.m_nHeaderLength) +
        static_cast<size_t>(record - 1) * static_cast<size_t>(file.m_nRecordLength);
    return std::string_view(file.m_pContents.get() + start,
                            static_cast<size_t>(file.m_nRecordLength) - 2);
}

// The fields of one record line, without their quotes.
std::vector<std::string> fieldsOf(std::string_view line) {
    // The field scanner reads whole words: the line gets the zero padding it expects.
    std::string padded(line);
    padded.append(tk73pgm::kFileBufferPadding + 1, '\0');
    std::vector<std::string> fields;
    tk73pgm::FieldCursor cursor(padded.data(), 0);
    tk73pgm::FieldSpan span;
    for (int index = 1; cursor.seek(index, span) == 1; ++index) {
        fields.push_back(padded.substr(span.first, span.end - span.first));
    }
    return fields;
}

}  // namespace

bool DiffProgramFiles(const std::string& left, const std::string& right,
                      std::vector<FieldDifference>& out, std::string& error) {
    CTK73pgmPgmFileRW a(left.c_str());
    CTK73pgmPgmFileRW b(right.c_str());
    for (CTK73pgmPgmFileRW* file : {&a, &b}) {
        if (file->ReadPgmFile() != 1) {
            error = file->m_path + " cannot be read as a program file";
            return false;
        }
    }
    if (a.m_nRecordCount != b.m_nRecordCount || a.m_nFieldCount != b.m_nFieldCount) {
        error = "the files are not of the same layout: " + std::to_string(a.m_nRecordCount) +
                " and " + std::to_string(b.m_nRecordCount) + " records of " +
                std::to_string(a.m_nFieldCount) + " and " + std::to_string(b.m_nFieldCount) +
                " fields";
        return false;
    }
    for (int record = 1; record <= a.m_nRecordCount; ++record) {
        const std::string_view lineA = lineOf(a, record);
        const std::string_view lineB = lineOf(b, record);
        if (lineA == lineB) {
            continue;
        }
        const std::vector<std::string> fa = fieldsOf(lineA);
        const std::vector<std::string> fb = fieldsOf(lineB);
        if (fa.size() != fb.size()) {
            error = "the files are not of the same layout: record " + std::to_string(record) +
                    " has " + std::to_string(fa.size()) + " and " + std::to_string(fb.size()) +
                    " fields";
            return false;
        }
        for (size_t i = 0; i < fa.size(); ++i) {
            if (fa[i] != fb[i]) {
                out.push_back({record, static_cast<int>(i) + 1, fa[i], fb[i]});
            }
        }
    }
    return true;
}

}  // namespace tk73pgm
