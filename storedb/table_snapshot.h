#pragma once
// A table file as it was at one moment, so that a change made of several steps can put the table
// back when a later step fails. The snapshot keeps the file's bytes, not its records: a table
// that cannot be read as records (cut short, damaged) is put back as well, and a table that was
// missing is removed again.

#include <optional>
#include <string>

namespace tk73store {

class TableSnapshot {
  public:
    explicit TableSnapshot(const char* table);

    void Restore() const;

  private:
    std::string file_;
    bool taken_ = false;
    std::optional<std::string> bytes_;  // nothing: the file was missing
};

}  // namespace tk73store
