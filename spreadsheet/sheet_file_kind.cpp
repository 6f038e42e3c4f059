#include "spreadsheet/sheet_file_kind.h"

#include <fstream>
#include <optional>

#include "platform/whole_file.h"
#include "spreadsheet/sheet_readers.h"
#include "spreadsheet/zip_members.h"

namespace tk73sheet {

namespace {

bool startsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

// The first bytes of the file, enough to see what it begins with.
std::optional<std::string> head(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::string bytes(64, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<size_t>(file.gcount()));
    return bytes;
}

}  // namespace

SheetFileKind sheetFileKind(const std::string& path) {
    const std::optional<std::string> bytes = head(path);
    if (!bytes) {
        return SheetFileKind::Unreadable;
    }
    if (startsWith(*bytes, "PK\x03\x04")) {
        const ZipMembers zip(path);
        if (zip.read("mimetype").value_or("") == "application/vnd.oasis.opendocument.spreadsheet") {
            return SheetFileKind::Ods;
        }
        return zip.read("xl/workbook.xml") ? SheetFileKind::Xlsx : SheetFileKind::Unreadable;
    }
    // The program file's first line: its title line, or record 1 in 6, 5 or 4 digits.
    for (const char* start : {"\"C\",", "000001,", "00001,", "0001,"}) {
        if (startsWith(*bytes, start)) {
            return SheetFileKind::ProgramCsv;
        }
    }
    return SheetFileKind::SheetCsv;
}

bool readWorkbook(const std::string& path, const std::string& codePage,
                  const std::string& csvSheetName, Workbook& out, std::string& error) {
    switch (sheetFileKind(path)) {
        case SheetFileKind::Xlsx:
            return readXlsx(path, out, error);
        case SheetFileKind::Ods:
            return readOds(path, out, error);
        case SheetFileKind::SheetCsv: {
            const std::optional<std::string> bytes = tk73::readWholeFile(path);
            if (bytes) {
                return readSheetCsv(*bytes, codePage, csvSheetName, out, error);
            }
            break;
        }
        case SheetFileKind::ProgramCsv:
            error = "the file is a program file's CSV export, not a spreadsheet";
            return false;
        case SheetFileKind::Unreadable:
            break;
    }
    error = "the file cannot be read as a spreadsheet";
    return false;
}

}  // namespace tk73sheet
