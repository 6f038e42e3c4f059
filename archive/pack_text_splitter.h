#pragma once
// Splitting a pack text file back into program text files. An archive may come from anywhere,
// so a file line must name "FILE" and three digits, and the files are made in a staging folder:
// only a pack that splits completely replaces files of the program folder.

#include <string>
#include <string_view>
#include <vector>

#include "archive/text_pgm_conv.h"
#include "definitions/def_file_inf.h"

namespace tk73pack {

class PackTextSplitter {
  public:
    // layouts (null when the code-page conversion is off) and conversion are used for the
    // conversion of character fields.
    PackTextSplitter(std::string staging, const CTK73defRegVekFILEINF* layouts,
                     CTextPgmConv& conversion);

    // Splits the lines after the pack's title line into the staging folder; false at the first
    // line that cannot be placed.
    [[nodiscard]] bool split(std::string_view lines);
    // The names of the text files made ("FILE004P.TXT").
    const std::vector<std::string>& madeFiles() const { return made_; }

  private:
    [[nodiscard]] bool nextLine(std::string_view& line);
    [[nodiscard]] bool oldTypeLine(std::string_view line);
    [[nodiscard]] bool newTypeLine(std::string_view line);
    // Packing converts character fields of either type, so files of either type come back.
    [[nodiscard]] bool open(std::string_view fileLine);
    // A record line of the open file, with the record lines that follow it; false when no file
    // is open.
    [[nodiscard]] bool addRecord(std::string_view line);
    [[nodiscard]] bool close();

    std::string staging_;
    const CTK73defRegVekFILEINF* layouts_;
    CTextPgmConv& conversion_;

    std::string_view rest_;
    std::string header_;
    bool headerPending_ = false;
    bool newType_ = false;

    bool isOpen_ = false;
    bool converted_ = false;
    int fileNo_ = 0;
    Record_Information info_;
    // The open file's first lines: its C line, the header line and its file line.
    std::string output_;
    // The open file's record lines: they follow each other in the pack, so they are one run.
    std::string_view records_;
    std::vector<std::string> made_;
};

}  // namespace tk73pack
