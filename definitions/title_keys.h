#pragma once
// A section of titles keyed by number ("%03d"): the file titles, the icon titles and the field
// titles. The keys are listed once, from the first 1024 bytes of the section's key list; titles
// are read at each call and written in double quotes.

#include <string>
#include <vector>

namespace tk73def {

class TitleKeys {
  public:
    // Titles hold at most this many characters; a title buffer holds one more.
    static constexpr size_t kMaxTitle = 256;

    TitleKeys(const std::string& file, const char* section);

    int Count() const { return static_cast<int>(keys_.size()); }
    // Position of the first key of this number, -1 when absent.
    [[nodiscard]] int Search(int number) const;
    // 1 and *number = the key's number at a zero-based index; 0 and *number untouched outside.
    [[nodiscard]] int NumberAt(int index, int* number) const;
    // As NumberAt, with the key's title in title.
    [[nodiscard]] int TitleAt(const std::string& file, int index, int* number, char* title) const;
    // title = the title of the number, empty when missing; 1 when there is one.
    [[nodiscard]] int TitleOf(const std::string& file, int number, char* title) const;
    // Writes the title; a number not listed yet joins the list.
    [[nodiscard]] int SetTitle(const std::string& file, int number, const std::string& title);

  private:
    std::string section_;
    std::vector<std::string> keys_;
    std::vector<int> numbers_;
};

}  // namespace tk73def
