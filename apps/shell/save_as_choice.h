#pragma once
// What the shell's "Save As" dialog offers and what the user chose: the archive name, the file
// type (a whole archive, or a partial PLU archive when the document allows it) and, for the
// partial type, the range of PLU codes to save. The dialog is a named dialog of the
// user-interaction seam ("HubSaveAs"); the program shows it with save_as_dlg, tests answer it
// from a script. The rules of the range live here, so both obey them alike.

#include <string>
#include <string_view>
#include <vector>

#include "base/user_interaction.h"

namespace tk73hub {

// The codes of a partial PLU archive, first..last, each 1 to 50000 and the first never above the
// last.
class PartialPluRange {
  public:
    static constexpr int kLowest = 1;
    static constexpr int kHighest = 50000;
    // The most digits a code field takes.
    static constexpr int kDigits = 5;

    int from() const { return from_; }
    int to() const { return to_; }
    // The value is held to 1..50000; a "from" above "to" raises "to" to it.
    void setFrom(int value);
    // The value is held to 1..50000; a "to" below "from" lowers "from" to it.
    void setTo(int value);

  private:
    int from_ = kLowest;
    int to_ = kHighest;
};

class SaveAsChoice {
  public:
    enum class Type { Archive = 0, PartialPlu = 1 };

    // fileName: the name proposed (the document's file path); partialOffered: whether the
    // partial PLU type is on offer. Without a name the dialog starts in the card folder used
    // last, else in the user's documents folder.
    SaveAsChoice(std::string fileName, bool partialOffered);

    static const char* title() { return "Save As"; }
    static const char* defaultExtension() { return "crp"; }
    static const char* panelTitle() { return "Partial PLU setting"; }
    static const char* rangePrompt() { return "Code range for save."; }
    static const char* rangeJoin() { return "~"; }
    static const char* panelNote() { return "(*) This file can not open in this tool."; }

    // The types in the order of the dialog's type list.
    const std::vector<tk73::FileType>& types() const { return types_; }
    const std::string& fileName() const { return fileName_; }
    // The folder the dialog shows first: the proposed file's, else as the constructor says.
    const std::string& startFolder() const { return startFolder_; }
    // Whether the range fields can be used with the type of that index in types().
    static bool rangeEnabled(int typeIndex) {
        return typeIndex == static_cast<int>(Type::PartialPlu);
    }
    PartialPluRange& range() { return range_; }
    const PartialPluRange& range() const { return range_; }

    // OK with the path and the index of the chosen type.
    void accept(const std::string& path, int typeIndex);
    const std::string& chosenPath() const { return chosen_; }
    Type chosenType() const { return chosenType_; }

  private:
    std::string fileName_;
    std::string startFolder_;
    std::vector<tk73::FileType> types_;
    PartialPluRange range_;
    std::string chosen_;
    Type chosenType_ = Type::Archive;
};

struct SaveAsRequest : tk73::DialogRequest {
    static constexpr std::string_view kName = "HubSaveAs";
    explicit SaveAsRequest(SaveAsChoice& c) : choice(c) {}
    std::string_view dialogName() const override { return kName; }
    SaveAsChoice& choice;
};

}  // namespace tk73hub
