#pragma once
// The rows of a table as they were at one moment, so that a change made of several steps can
// put the table back when a later step fails.

#include <vector>

#include "storedb/edb_connection.h"

namespace tk73store {

class TableSnapshot {
  public:
    TableSnapshot(const char* table, const EdbColumns& columns);

    // Rewrites the table with the rows it had; a table that could not be read is left alone.
    void Restore() const;

  private:
    const char* table_;
    EdbColumns columns_;
    bool read_ = false;
    std::vector<EdbRow> rows_;
};

}  // namespace tk73store
