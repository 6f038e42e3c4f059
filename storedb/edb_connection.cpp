#include "storedb/edb_connection.h"

#include <algorithm>
#include <memory>

#include "base/database_frame.h"
#include "base/file_utils.h"
#include "base/install_folders.h"
#include "base/store_folders.h"
#include "base/table_reader.h"
#include "base/table_writer.h"
#include "platform/whole_file.h"

namespace tk73store {
namespace {

struct ReaderDeleter {
    void operator()(SFR* reader) const { AecrdbDeleteSFR(reader); }
};

}  // namespace

EdbConnection::EdbConnection() : frame_(AecrdbCreateDBC(nullptr)) {}

EdbConnection::~EdbConnection() {
    AecrdbDeleteDBC(frame_);
}

std::string EdbConnection::TableFile(const char* table) {
    char path[TK73_MAX_PATH] = {};
    const std::string name = std::string(table) + ".edb";
    if (AecrbsGetTK73DataBasePath(path) == 0 || AecrbsAddPath(path, name.c_str()) == 0) {
        return {};
    }
    return path;
}

bool EdbConnection::ReadTable(const char* table, const EdbColumns& columns,
                              std::vector<EdbRow>& rows) {
    const bool read = ReadRows(table, columns, rows);
    if (!read) {
        const std::string file = TableFile(table);
        if (!file.empty() && tk73::pathExists(file)) {
            unreadTables_.emplace_back(table);
        }
    }
    return read;
}

bool EdbConnection::ReadRows(const char* table, const EdbColumns& columns,
                             std::vector<EdbRow>& rows) const {
    rows.clear();
    if (frame_ == nullptr) {
        return false;
    }
    const std::unique_ptr<SFR, ReaderDeleter> owner(AecrdbCreateSFR(frame_, table));
    SFR* reader = owner.get();
    if (reader == nullptr) {
        return false;
    }
    const int count = AecrdbReadRecordSFR(reader);
    bool read = count >= 0;
    for (int record = 1; read && record <= count; ++record) {
        EdbRow row;
        for (const char* column : columns) {
            char field[TK73_TABLE_FIELD_SIZE] = {};
            read = AecrdbGetDataSFR(reader, column, record, field) != 0;
            row.emplace_back(field);
        }
        rows.push_back(std::move(row));
    }
    if (!read) {
        rows.clear();
    }
    return read;
}

bool EdbConnection::WriteTable(const char* table, const EdbColumns& columns,
                               const std::vector<EdbRow>& rows) const {
    if (frame_ == nullptr) {
        return false;
    }
    // No owner deletes the writer: deleting it replaces the table with the records written so
    // far. Nothing between here and the end throws.
    SFW* writer = AecrdbCreateSFW(frame_, table);
    if (writer == nullptr) {
        return false;
    }
    bool written = true;
    for (const EdbRow& row : rows) {
        for (size_t column = 0; written && column < columns.size(); ++column) {
            const char* value = column < row.size() ? row[column].c_str() : "";
            written = AecrdbSetDataSFW(writer, columns[column], value) != 0;
        }
        written = written && AecrdbWriteRecordSFW(writer) != 0;
        if (!written) {
            break;
        }
    }
    // After a record that could not be written the writer keeps the old table; the result says
    // so, and the caller then writes the former rows back in case only part of it stayed.
    const bool replaced = AecrdbDeleteSFW(writer) != 0;
    return written && replaced;
}

bool EdbConnection::RewriteTable(const char* table, const EdbColumns& columns,
                                 const std::vector<EdbRow>& rows,
                                 const std::vector<EdbRow>& before) const {
    if (std::find(unreadTables_.begin(), unreadTables_.end(), table) != unreadTables_.end()) {
        return false;
    }
    if (WriteTable(table, columns, rows)) {
        return true;
    }
    // The rewrite has failed either way; writing the former rows back only mends a table that
    // was partly replaced, and when that fails too the table is as the first write left it.
    (void)WriteTable(table, columns, before);
    return false;
}

bool EdbConnection::CreatedDatabaseDirectory() const {
    return frame_ != nullptr && AecrdbCheckDatabaseDirectory(frame_) == 1;
}

bool EdbConnection::CopyStoreFolder(int sourceStoreNo, int targetStoreNo) const {
    return frame_ != nullptr && AecrdbCopyStoreFolder(frame_, sourceStoreNo, targetStoreNo) == 1;
}

bool EdbConnection::DeleteStoreFolder(int storeNo, int part) const {
    return frame_ != nullptr && AecrdbDeleteStoreFolder(frame_, storeNo, part) == 1;
}

}  // namespace tk73store
