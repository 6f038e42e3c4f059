#pragma once
// Lines of a text program file or pack text: each ends with CR LF (a lone LF is taken too).

#include <string>
#include <string_view>

namespace glconv {

class TextLines {
  public:
    explicit TextLines(std::string_view text) : text_(text) {}

    // The next line without its line end; false at the end of the text.
    bool next(std::string_view& line);
    // True when the last line read ended with CR LF.
    bool endedWithCrLf() const { return crLf_; }

  private:
    std::string_view text_;
    size_t at_ = 0;
    bool crLf_ = false;
};

// The file number of a title line "C","n:P0%03d:"; -1 for any other line.
[[nodiscard]] int titleLineFileNo(std::string_view line);
// The title line of a file number, with its CR LF.
std::string titleLine(int fileNo);

}  // namespace glconv
