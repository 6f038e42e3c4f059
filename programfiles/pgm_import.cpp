#include "programfiles/pgm_import.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "base/file_utils.h"
#include "base/user_interaction.h"
#include "definitions/def_reg.h"
#include "platform/running_program.h"
#include "platform/whole_file.h"
#include "programfiles/pgm_file_rw.h"
#include "programfiles/pgm_import_check.h"
#include "programfiles/pgm_import_range.h"

namespace {

// Where a record line of a read file begins.
char* recordLine(const CTK73pgmPgmFileRW& file, int record) {
    return file.m_pContents.get() + file.m_nHeaderLength +
           static_cast<size_t>(record) * static_cast<size_t>(file.m_nRecordLength);
}

// The shapes of the base fields in a line that holds only them; a field the record layout does
// not know holds text.
std::vector<tk73pgm::FieldShape> baseShapes(const std::vector<tk73pgm::BaseFieldPlace>& fields,
                                            const std::vector<tk73pgm::FieldShape>& record) {
    std::vector<tk73pgm::FieldShape> shapes;
    for (const tk73pgm::BaseFieldPlace& field : fields) {
        const auto known = std::find_if(record.begin(), record.end(), [&](const auto& shape) {
            return shape.fieldNo == field.fieldNo;
        });
        shapes.push_back({field.fieldNo, field.length, known != record.end() && known->digits});
    }
    return shapes;
}

// Whether every field lies inside a record line (before its CR LF).
bool fitsLine(const std::vector<tk73pgm::BaseFieldPlace>& fields, int recordLength) {
    return std::all_of(fields.begin(), fields.end(), [recordLength](const auto& field) {
        return field.offset + field.length <= recordLength - 2;
    });
}

}  // namespace

CTK73pgmImport::CTK73pgmImport(int fileNo, int isDataFile, int storeNo, const char* indentName,
                               const char* source, const char* target, int isVek)
    : m_nFileNo(fileNo),
      m_bDataFile(isDataFile),
      m_nKind(isVek != 0 ? 1 : 0),
      m_nStoreNo(storeNo),
      m_indentName(indentName != nullptr ? indentName : ""),
      m_source(source != nullptr ? source : ""),
      m_target(target != nullptr ? target : "") {}

int CTK73pgmImport::ImportExecute() {
    m_nDetailResult = PGM_IMPORT_FAILED;
    const CTK73defReg definition(m_indentName.c_str(), m_nStoreNo, m_nKind);
    tk73pgm::ImportRangeRequest range;
    // Without base fields a Vek file can only be taken whole; a register file keeps the choice,
    // and "Basic only" then fails as the import of nothing would.
    range.basicOffered = m_nKind == 0 || !tk73pgm::baseFieldTable(definition, m_nFileNo, 0).empty();
    CTK73pgmPgmFileRW source(m_source.c_str());
    CTK73pgmPgmFileRW target(m_target.c_str());
    if (m_bDataFile == 0) {
        if (ReadBoth(source, target) == 0) {
            return 0;
        }
        range.recordNote = RecordNote(source, target);
    }
    if (tk73::ui().showDialog(range) != tk73::Button::Ok) {
        m_nDetailResult = PGM_IMPORT_CANCELLED;
        return 0;
    }
    int done = 0;
    if (m_bDataFile != 0) {
        done = AecrbsCopyFile(m_source.c_str(), m_target.c_str(), 0);
    } else if (range.range == tk73pgm::ImportRange::BasicOnly && range.basicOffered) {
        done = CopyBaseFields(definition, source, target);
    } else {
        done = CopyAllRecords(definition, source, target);
    }
    if (done != 1) {
        return 0;
    }
    m_nDetailResult = PGM_IMPORT_DONE;
    return 1;
}

int CTK73pgmImport::ReadBoth(CTK73pgmPgmFileRW& source, CTK73pgmPgmFileRW& target) const {
    return source.ReadPgmFile() == 1 && target.ReadPgmFile() == 1 ? 1 : 0;
}

std::string CTK73pgmImport::RecordNote(const CTK73pgmPgmFileRW& source,
                                       const CTK73pgmPgmFileRW& target) {
    const int taken = std::min(source.m_nRecordCount, target.m_nRecordCount);
    char note[128] = {};
    if (source.m_nRecordCount < target.m_nRecordCount) {
        std::snprintf(note, sizeof note, "Records %d to %d keep their values.", taken + 1,
                      target.m_nRecordCount);
    } else if (source.m_nRecordCount > target.m_nRecordCount) {
        std::snprintf(note, sizeof note, "Records %d to %d of the file to read are left out.",
                      taken + 1, source.m_nRecordCount);
    }
    return note;
}

int CTK73pgmImport::CheckSource(const CTK73pgmPgmFileRW& source,
                                const std::vector<tk73pgm::FieldShape>& fields) const {
    const std::string fault = fields.empty() ? std::string("the definition gives no layout")
                                             : tk73pgm::checkRecordLines(source, fields);
    if (fault.empty()) {
        return 1;
    }
    const size_t slash = m_source.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? m_source : m_source.substr(slash + 1);
    tk73::ui().message(name + " was not read, " + fault + ".", tk73::runningProgramName(),
                       tk73::MessageIcon::Exclamation);
    return 0;
}

int CTK73pgmImport::CopyAllRecords(const CTK73defReg& definition, CTK73pgmPgmFileRW& source,
                                   CTK73pgmPgmFileRW& target) {
    // The message names the first line out of shape, also when it is the first record's.
    const int sound = CheckSource(source, tk73pgm::recordShapes(definition, m_nFileNo));
    if (source.m_nFieldCount != target.m_nFieldCount ||
        source.m_nRecordLength != target.m_nRecordLength) {
        m_nDetailResult = PGM_IMPORT_LAYOUT_DIFFERS;
        return 0;
    }
    if (sound == 0) {
        return 0;
    }
    if (source.m_nRecordCount == target.m_nRecordCount) {
        // The target keeps its own header lines; all that follows them is the source's.
        std::string bytes(target.m_pContents.get(), static_cast<size_t>(target.m_nHeaderLength));
        bytes.append(source.m_pContents.get() + source.m_nHeaderLength,
                     static_cast<size_t>(source.m_nFileSize - source.m_nHeaderLength));
        return tk73::replaceWholeFile(m_target, bytes) ? 1 : 0;
    }
    const int records = std::min(source.m_nRecordCount, target.m_nRecordCount);
    std::memcpy(recordLine(target, 0), recordLine(source, 0),
                static_cast<size_t>(records) * static_cast<size_t>(target.m_nRecordLength));
    return target.WritePgmFile();
}

int CTK73pgmImport::CopyBaseFields(const CTK73defReg& definition, CTK73pgmPgmFileRW& source,
                                   CTK73pgmPgmFileRW& target) {
    m_baseFields = tk73pgm::baseFieldTable(definition, m_nFileNo, target.m_nNumberWidth);
    if (m_baseFields.empty()) {
        return 0;
    }
    // A source of another field count holds only the base fields, one after the other.
    const bool packed = source.m_nFieldCount != target.m_nFieldCount;
    const std::vector<tk73pgm::BaseFieldPlace> from =
        packed ? tk73pgm::packedBaseFields(m_baseFields, source.m_nNumberWidth) : m_baseFields;
    const std::vector<tk73pgm::FieldShape> shapes = tk73pgm::recordShapes(definition, m_nFileNo);
    if (!fitsLine(from, source.m_nRecordLength) ||
        !fitsLine(m_baseFields, target.m_nRecordLength) ||
        CheckSource(source, packed ? baseShapes(m_baseFields, shapes) : shapes) == 0) {
        return 0;
    }
    const int records = std::min(source.m_nRecordCount, target.m_nRecordCount);
    for (int record = 0; record < records; ++record) {
        const char* sourceLine = recordLine(source, record);
        char* targetLine = recordLine(target, record);
        for (size_t field = 0; field < m_baseFields.size(); ++field) {
            std::memcpy(targetLine + m_baseFields[field].offset, sourceLine + from[field].offset,
                        static_cast<size_t>(m_baseFields[field].length));
        }
    }
    return target.WritePgmFile();
}

std::string CTK73pgmImport::BackupPath() const {
    return m_target + ".BAK";
}

int CTK73pgmImport::ImportCreateBkup() {
    return AecrbsCopyFile(m_target.c_str(), BackupPath().c_str(), 0);
}

int CTK73pgmImport::ImportRecoverBkup() {
    // The backup takes the target's place in one step: there is never a moment without the
    // program file, and a failed restore leaves the target where it was.
    std::error_code error;
    std::filesystem::rename(BackupPath(), m_target, error);
    return error ? 0 : 1;
}

int CTK73pgmImport::ImportDeleteBkup() {
    return AecrbsDeleteFile(BackupPath().c_str());
}
