#include "storedb/table_snapshot.h"

namespace tk73store {

TableSnapshot::TableSnapshot(const char* table, const EdbColumns& columns)
    : table_(table), columns_(columns) {
    read_ = EdbConnection().ReadTable(table_, columns_, rows_);
}

void TableSnapshot::Restore() const {
    if (read_) {
        EdbConnection().RewriteTable(table_, columns_, rows_, rows_);
    }
}

}  // namespace tk73store
