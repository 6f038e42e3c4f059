#include "storedb/table_snapshot.h"

#include "base/file_utils.h"
#include "platform/whole_file.h"
#include "storedb/edb_connection.h"

namespace tk73store {

TableSnapshot::TableSnapshot(const char* table) : file_(EdbConnection::TableFile(table)) {
    if (file_.empty()) {
        return;
    }
    bytes_ = tk73::readWholeFile(file_);
    // Something that is there but cannot be read whole is nothing the snapshot could put back.
    taken_ = bytes_.has_value() || !tk73::pathExists(file_);
}

void TableSnapshot::Restore() const {
    if (!taken_) {
        return;
    }
    // Restoring follows a failure the caller reports already; a table that cannot be put back
    // stays as the failed step left it.
    if (bytes_) {
        (void)tk73::replaceWholeFile(file_, *bytes_);
    } else {
        (void)AecrbsDeleteFile(file_.c_str());
    }
}

}  // namespace tk73store
