#pragma once
// Values that must differ from record to record (a PLU code, a clerk's secret code: the fields
// whose item the definition marks "ITEM_%03d_UNIQUE"), checked over the whole file as it would be
// after the import, as the editors check them before they save. Unset values (blanks, all zeros,
// or the "E"s of an unset bar code) may repeat.

#include <map>
#include <string>
#include <vector>

namespace tk73sheet {

class DuplicateCheck {
  public:
    // values: every record's value now as the editors show it (record 1 first); filler: what an
    // unset position shows (a blank in a text, "0" or the "E" of a bar code).
    DuplicateCheck(std::vector<std::string> values, char filler)
        : values_(std::move(values)), filler_(filler) {}

    // Takes the record's new value.
    void Set(int record, const std::string& value);
    // Another record that holds the record's value, or 0 when none does or the value is unset.
    [[nodiscard]] int OtherHolder(int record) const;

  private:
    [[nodiscard]] bool IsUnset(const std::string& value) const;

    std::vector<std::string> values_;
    char filler_;
    // The records of each set value; built on the first question.
    mutable std::map<std::string, std::vector<int>> holders_;
    mutable bool built_ = false;
};

}  // namespace tk73sheet
