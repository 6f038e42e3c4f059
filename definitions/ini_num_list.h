#pragma once
// A comma list of numbers held in one definition value ("1,2,3", "\"12\",3").

#include <cstdint>
#include <string>
#include <vector>

class CIniNumList {
  public:
    // The longest list text kept; a longer value is read up to this point.
    static constexpr size_t kMaxText = 2047;
    static constexpr char kDelimiter = ',';

    CIniNumList() = default;
    // Parses a value: one trailing line feed is dropped; an item in double quotes runs to its
    // closing quote ("" inside stands for one quote); empty items are skipped; every item is
    // converted with decimal conversion.
    explicit CIniNumList(const std::string& text);
    // The list of these numbers; its text is them in "%d" joined by the delimiter. Numbers whose
    // text would pass kMaxText are left out of both, so list and text always agree.
    explicit CIniNumList(const std::vector<int32_t>& numbers);

    int GetCount() const { return static_cast<int>(numbers_.size()); }
    // 1 and *out = the number at a zero-based index; 0 with *out untouched for an index outside
    // the list.
    [[nodiscard]] int GetAt(int index, int* out) const;
    // Position of the first occurrence of a number, -1 when absent.
    [[nodiscard]] int Find(int32_t value) const;
    [[nodiscard]] bool Contains(int32_t value) const { return Find(value) >= 0; }
    const std::string& GetText() const { return text_; }

  private:
    std::vector<int32_t> numbers_;
    std::string text_;
};
