#include "base/table_reader.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "base/csv_reader.h"
#include "base/database_frame_state.h"
#include "base/memory.h"
#include "base/store_tables.h"

namespace {

constexpr int kMaxColumns = 64;

using Record = std::vector<std::optional<std::string>>;

// The fields of one CSV record, taken over from the reader's allocations.
Record takeFields(char** fields, int count) {
    Record record(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        if (fields[i] != nullptr) {
            record[static_cast<size_t>(i)] = fields[i];
            AecrbsFree(fields[i]);
            fields[i] = nullptr;
        }
    }
    return record;
}

// The CSV reader of one load, closed however the load ends.
class CsvFile {
  public:
    explicit CsvFile(const std::string& path) : reader_(AecrbsCreateCSVR(nullptr, path.c_str())) {}
    ~CsvFile() { AecrbsDeleteCSVR(reader_); }
    CsvFile(const CsvFile&) = delete;
    CsvFile& operator=(const CsvFile&) = delete;

    bool isOpen() const { return reader_ != nullptr; }

    // The next record's first count fields; nothing at the end of the data.
    std::optional<Record> next(int count) {
        char* fields[kMaxColumns];
        if (AecrbsReadCsvRecord(reader_, fields, count) == 0) {
            return std::nullopt;
        }
        return takeFields(fields, count);
    }

  private:
    CSVR* reader_;
};

}  // namespace

struct SFR {
    std::string path;
    bool loaded = false;
    std::vector<std::string> headers;
    std::vector<Record> rows;

    void clear() {
        loaded = false;
        headers.clear();
        rows.clear();
    }

    // The column's index, or -1 for a column the file does not have.
    int columnOf(const char* name) const {
        for (size_t i = 0; i < headers.size(); ++i) {
            if (headers[i] == name) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    int load() {
        clear();
        CsvFile file(path);
        if (!file.isOpen()) {
            return -1;
        }
        std::optional<Record> header = file.next(kMaxColumns);
        if (!header) {
            return -1;
        }
        for (const std::optional<std::string>& name : *header) {
            if (!name) {
                break;
            }
            headers.push_back(*name);
        }
        if (headers.empty()) {
            return -1;
        }
        const int columns = static_cast<int>(headers.size());
        while (std::optional<Record> record = file.next(columns)) {
            rows.push_back(std::move(*record));
        }
        loaded = true;
        return static_cast<int>(rows.size());
    }

    // The field, or null for every case the getters answer with the empty text; the result of
    // the getters in ok.
    const std::optional<std::string>* field(const char* column, int record, int& ok) const {
        ok = loaded && column != nullptr && column[0] != '\0' && record >= 1 ? 1 : 0;
        if (ok == 0 || static_cast<size_t>(record) > rows.size()) {
            return nullptr;
        }
        const int index = columnOf(column);
        return index < 0 ? nullptr : &rows[static_cast<size_t>(record) - 1][index];
    }
};

SFR* TK73_API AecrdbCreateSFR(DBC* dbc, const char* table) {
    const tk73::TableDefinition* definition = tk73::findTable(table);
    if (dbc == nullptr || definition == nullptr) {
        return nullptr;
    }
    std::optional<std::string> path = tk73::tableFile(*definition, dbc->databaseFolder);
    if (!path) {
        return nullptr;
    }
    SFR* reader = new (std::nothrow) SFR;
    if (reader != nullptr) {
        reader->path = std::move(*path);
    }
    return reader;
}

int TK73_API AecrdbReadRecordSFR(SFR* reader) {
    if (reader == nullptr) {
        return -1;
    }
    try {
        return reader->load();
    } catch (const std::bad_alloc&) {
        reader->clear();
        return -1;
    }
}

int TK73_API AecrdbGetDataSFR(SFR* reader, const char* column, int record, char* out) {
    if (out == nullptr) {
        return 0;
    }
    out[0] = '\0';
    int ok = 0;
    const std::optional<std::string>* value =
        reader != nullptr ? reader->field(column, record, ok) : nullptr;
    if (value != nullptr && value->has_value()) {
        // The CSV reader keeps fields within the buffer's room; the cap only guards the buffer.
        const size_t length = std::min((*value)->size(), size_t{TK73_TABLE_FIELD_SIZE - 1});
        std::memcpy(out, (*value)->data(), length);
        out[length] = '\0';
    }
    return ok;
}

int TK73_API AecrdbGetNullSFR(SFR* reader, const char* column, int record, int* isNull) {
    if (isNull == nullptr) {
        return 0;
    }
    int ok = 0;
    const std::optional<std::string>* value =
        reader != nullptr ? reader->field(column, record, ok) : nullptr;
    *isNull = value != nullptr && value->has_value() ? 0 : 1;
    return ok;
}

int TK73_API AecrdbDeleteSFR(SFR* reader) {
    if (reader == nullptr) {
        return 0;
    }
    delete reader;
    return 1;
}
