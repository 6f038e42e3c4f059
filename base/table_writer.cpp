#include "base/table_writer.h"

#include <new>
#include <optional>
#include <string>
#include <vector>

#include "base/csv_writer.h"
#include "base/database_frame_state.h"
#include "base/file_utils.h"
#include "base/store_tables.h"
#include "base/temp_files.h"
#include "platform/whole_file.h"
#include "platform/writer_files.h"

struct SFW {
    const tk73::TableDefinition* table = nullptr;
    std::string target;
    std::vector<std::optional<std::string>> record;
    std::string tempPath;
    CSVW* csv = nullptr;
    bool recordLost = false;  // a record could not be written: the table must not be replaced

    int columnOf(const char* name) const {
        for (size_t i = 0; i < table->columns.size(); ++i) {
            if (table->columns[i] == name) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    int set(const char* column, const char* value) {
        if (column == nullptr || column[0] == '\0') {
            return 0;
        }
        const int index = columnOf(column);
        if (index >= 0) {
            record[static_cast<size_t>(index)] =
                value != nullptr ? std::optional<std::string>(value) : std::nullopt;
        }
        return 1;
    }
};

namespace {

const char kCollectingPrefix[] = "Aecrdb";
const char kCollectingExtension[] = ".edb";

// A writer killed while it collected its table leaves the collecting file in the suite's
// temporary folder, where nothing else would ever remove it.
void removeCollectingFilesOfDeadWriters(const std::string& collecting) {
    const size_t separator = collecting.find_last_of("/\\");
    if (separator != std::string::npos) {
        tk73::removeFilesOfDeadWriters(collecting.substr(0, separator), kCollectingPrefix,
                                       kCollectingExtension);
    }
}

bool writeHeader(CSVW* csv, const tk73::TableDefinition& table) {
    for (std::string_view column : table.columns) {
        if (AecrbsSetCsvReitem(csv, std::string(column).c_str(), 0) == 0) {
            return false;
        }
    }
    return AecrbsWriteCsvRecord(csv) != 0;
}

}  // namespace

SFW* TK73_API AecrdbCreateSFW(DBC* dbc, const char* table) {
    const tk73::TableDefinition* definition = tk73::findTable(table);
    if (dbc == nullptr || definition == nullptr) {
        return nullptr;
    }
    std::optional<std::string> target = tk73::tableFile(*definition, dbc->databaseFolder);
    // The collecting file carries the writer's process id, so that the next complete write can
    // tell those of killed writers from those of writers still at work.
    char temp[TK73_MAX_PATH];
    if (!target || AecrbsMakeTempFile(temp, tk73::writerFilePrefix(kCollectingPrefix).c_str(),
                                      kCollectingExtension) == 0) {
        return nullptr;
    }
    CSVW* csv = AecrbsCreateCSVW(dbc->context, temp);
    SFW* writer =
        csv != nullptr && writeHeader(csv, *definition) ? new (std::nothrow) SFW : nullptr;
    if (writer == nullptr) {
        // The writer failed already; its half-made temporary file goes as far as it can.
        (void)AecrbsDeleteCSVW(csv);
        (void)AecrbsDeleteFile(temp);
        return nullptr;
    }
    writer->table = definition;
    writer->target = std::move(*target);
    writer->record.resize(definition->columns.size());
    writer->tempPath = temp;
    writer->csv = csv;
    return writer;
}

int TK73_API AecrdbSetDataSFW(SFW* writer, const char* column, const char* value) {
    return writer != nullptr ? writer->set(column, value) : 0;
}

int TK73_API AecrdbSetNullSFW(SFW* writer, const char* column) {
    return writer != nullptr ? writer->set(column, nullptr) : 0;
}

int TK73_API AecrdbWriteRecordSFW(SFW* writer) {
    if (writer == nullptr) {
        return 0;
    }
    bool written = true;
    for (std::optional<std::string>& value : writer->record) {
        written = written && AecrbsSetCsvReitem(writer->csv, value ? value->c_str() : nullptr, 1);
        value.reset();
    }
    written = written && AecrbsWriteCsvRecord(writer->csv) != 0;
    if (!written) {
        AecrbsCancelCsvRecord(writer->csv);
        writer->recordLost = true;
    }
    return written ? 1 : 0;
}

int TK73_API AecrdbDeleteSFW(SFW* writer) {
    if (writer == nullptr) {
        return 0;
    }
    bool replaced = AecrbsDeleteCSVW(writer->csv) != 0 && !writer->recordLost;
    if (replaced) {
        // The temporary file may lie on another disk than the table, so it is not renamed over
        // the table itself: its bytes go through a replacement in the table's own folder.
        const std::optional<std::string> bytes = tk73::readWholeFile(writer->tempPath);
        replaced = bytes && tk73::replaceWholeFile(writer->target, *bytes);
    }
    if (replaced) {
        removeCollectingFilesOfDeadWriters(writer->tempPath);
    }
    // The table holds the records now, or keeps its old ones; a collecting file that cannot be
    // removed only takes room in the suite's temporary folder.
    (void)AecrbsDeleteFile(writer->tempPath.c_str());
    delete writer;
    return replaced ? 1 : 0;
}
