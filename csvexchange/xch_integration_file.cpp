#include "csvexchange/xch_integration_file.h"

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <memory>
#include <optional>
#include <vector>

#include "base/file_utils.h"
#include "base/user_interaction.h"
#include "csvexchange/xch_integration_columns.h"
#include "platform/local_time.h"
#include "platform/whole_file.h"
#include "programfiles/pgm_handle.h"
#include "programfiles/regvek_pgm_file.h"

namespace tk73xch {

namespace {

constexpr const char* kHeaderError = "Data header record output error.\n";
constexpr const char* kRegisterCodeError = "Data register code output error.";
constexpr const char* kOpenError = "Can not open file.\n";
constexpr const char* kTrailerError = "Trailer data output error.\n";
// Text values are read into this room, terminator included.
constexpr int kTextRoom = 256;
constexpr const char* kEmptyCode = "00000000000000";

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File openFile(const std::string& path, const char* mode) {
    return File(std::fopen(path.c_str(), mode));
}

// Closes the file and answers whether every byte reached it.
bool closeFile(File file) {
    return std::fclose(file.release()) == 0;
}

// What a step answers: empty when it succeeded, else the text that reports its failure.
using Failure = std::string;

std::string quoted(const std::vector<std::string>& values) {
    std::string line;
    for (const std::string& value : values) {
        if (!line.empty()) {
            line += ',';
        }
        line += '"';
        line += value;
        line += '"';
    }
    return line + "\r\n";
}

std::string formatted(const char* format, int value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// One column's item, looked up once per section.
struct ColumnItem {
    const IntegrationColumn* column;
    tagPGMITEMDEF def;
    bool found;
};

// The value of a column in a record as read; nothing when it cannot be read. An item of the
// other kind than the column wants reads as the empty text or 0.
struct ReadValue {
    std::string text;
    uint64_t number = 0;
};

std::optional<ReadValue> readColumn(CPgmHandle& handle, ColumnItem& item, int record) {
    if (!item.found) {
        return std::nullopt;
    }
    ReadValue value;
    const bool itemIsText = item.def.nDataType == PGM_DATA_CHAR;
    if (readsText(item.column->form)) {
        if (itemIsText) {
            char text[kTextRoom] = {};
            if (handle.ReadItem(&item.def, record, text, kTextRoom) != 1) {
                return std::nullopt;
            }
            value.text = text;
        }
    } else if (!itemIsText) {
        if (handle.ReadItem(&item.def, record, &value.number, sizeof value.number) != 1) {
            return std::nullopt;
        }
    }
    return value;
}

// Adds the column's written value to the line; false when the record fails at this column.
bool addColumn(const ColumnItem& item, const std::optional<ReadValue>& value,
               std::vector<std::string>& line) {
    const ColumnForm form = item.column->form;
    if (!value && form != ColumnForm::NumberOrZero && item.column->item != 0) {
        return false;
    }
    const int number = value ? static_cast<int>(value->number) : 0;
    switch (form) {
        case ColumnForm::Text:
            line.push_back(value ? value->text : "");
            break;
        case ColumnForm::TextOrZeros:
            line.push_back(!value || value->text.empty() ? kEmptyCode : value->text);
            break;
        case ColumnForm::Number:
        case ColumnForm::NumberOrZero:
            line.push_back(formatted("%d", number));
            break;
        case ColumnForm::Number6:
            line.push_back(formatted("%06d", number));
            break;
        case ColumnForm::Number4:
            line.push_back(formatted("%04d", number));
            break;
        case ColumnForm::Number2:
            line.push_back(formatted("%02d", number));
            break;
        case ColumnForm::FlagNumber:
            line.push_back(formatted("%d", (number & 2) != 0 ? 1 : number));
            break;
        case ColumnForm::NumberWhenRead:
            if (value) {
                line.push_back(formatted("%d", number));
            }
            break;
        case ColumnForm::Spaces:
            line.push_back("    ");
            break;
        case ColumnForm::ReadNotWritten:
            break;
    }
    return true;
}

// The smallest nonzero record count among the items found.
int sectionRecordCount(const std::vector<ColumnItem>& items) {
    int count = 0;
    for (const ColumnItem& item : items) {
        if (item.found && item.def.nRecordCount > 0 &&
            (count == 0 || item.def.nRecordCount < count)) {
            count = item.def.nRecordCount;
        }
    }
    return count;
}

Failure writeSection(const std::string& path, CPgmHandle& handle,
                     const IntegrationSection& section) {
    File file = openFile(path, "ab");
    if (!file) {
        return kOpenError;
    }
    std::vector<ColumnItem> items;
    for (const IntegrationColumn& column : section.columns) {
        ColumnItem item{&column, {}, false};
        item.found = handle.GetItemDef(&item.def, section.menuNo, column.item, 1) == 1;
        items.push_back(item);
    }
    char name[12] = {};
    CTK73pgmRegVekPgmFile::ConvFileNoToString(section.fileNo, name, 3);
    const std::string sectionName = std::string("FILE") + name + "P";
    const int count = sectionRecordCount(items);
    auto failAt = [&section](int record) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "%s file output error at line %d.\nPlease check data around line.",
                      section.errorName, record);
        return Failure(text);
    };
    std::vector<std::string> line;
    for (int record = 1; record <= count; ++record) {
        line.assign({sectionName, formatted("%05d", record)});
        bool anyRead = false;
        for (ColumnItem& item : items) {
            const std::optional<ReadValue> value = readColumn(handle, item, record);
            anyRead = anyRead || value.has_value();
            if (!addColumn(item, value, line)) {
                return failAt(record);
            }
        }
        if (anyRead && std::fputs(quoted(line).c_str(), file.get()) < 0) {
            return failAt(record);
        }
    }
    return closeFile(std::move(file)) ? Failure() : failAt(count);
}

// Appends one line in a file opened again at its end.
Failure appendLine(const std::string& path, const std::string& line, const char* openError,
                   const char* writeError) {
    File file = openFile(path, "ab");
    if (!file) {
        return openError;
    }
    if (std::fputs(line.c_str(), file.get()) < 0 || !closeFile(std::move(file))) {
        return writeError;
    }
    return {};
}

Failure writeHeader(const std::string& path, const std::string& stamp) {
    File file = openFile(path, "wb");
    if (!file ||
        std::fputs(quoted({"HEAD-REC", stamp, "XXX", "XXXX", "000092"}).c_str(), file.get()) < 0 ||
        !closeFile(std::move(file))) {
        return kHeaderError;
    }
    return {};
}

// The steps in order; the first that fails ends the writing.
Failure writeSteps(const std::string& path, CPgmHandle& handle, const std::string& stamp,
                   const std::string& registerCode) {
    Failure failure = writeHeader(path, stamp);
    if (failure.empty()) {
        failure = appendLine(path, quoted({"FILE000P", stamp, registerCode, "XXXXXXXXXXXXX"}),
                             kRegisterCodeError, kHeaderError);
    }
    for (const IntegrationSection& section : integrationSections()) {
        if (failure.empty()) {
            failure = writeSection(path, handle, section);
        }
    }
    if (failure.empty()) {
        failure = appendLine(path, quoted({"END-REC"}), kTrailerError, kTrailerError);
    }
    return failure;
}

// The failed file keeps its contents for the user to look at, as ".err" in place of ".CSV".
void renameFailedFile(const std::string& path) {
    if (!tk73::pathExists(path)) {
        return;
    }
    std::string renamed = path;
    for (size_t at = renamed.find(".CSV"); at != std::string::npos;
         at = renamed.find(".CSV", at + 4)) {
        renamed.replace(at, 4, ".err");
    }
    if (renamed == path) {
        return;
    }
    // The rename replaces a file that could not be deleted.
    (void)AecrbsDeleteFile(renamed.c_str());
    std::rename(path.c_str(), renamed.c_str());
}

}  // namespace

std::string integrationStamp() {
    const std::tm now = tk73::localTimeNow();
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, "%u%02u%02u%02u%02u%02u",
                  static_cast<unsigned>(now.tm_year + 1900), static_cast<unsigned>(now.tm_mon + 1),
                  static_cast<unsigned>(now.tm_mday), static_cast<unsigned>(now.tm_hour),
                  static_cast<unsigned>(now.tm_min), static_cast<unsigned>(now.tm_sec));
    return stamp;
}

int writeIntegrationFile(const std::string& path, CPgmHandle& handle, const std::string& stamp,
                         const std::string& registerCode) {
    const Failure failure = writeSteps(path, handle, stamp, registerCode);
    if (failure.empty()) {
        return 1;
    }
    tk73::ui().message(failure, kIntegrationCaption, tk73::MessageIcon::Error);
    renameFailedFile(path);
    return 0;
}

}  // namespace tk73xch
