#pragma once
// The columns of the data integration file: for each section (PLU, department, group) the page
// menu its values come from and, column by column, the menu item and how its value is written.

#include <vector>

namespace tk73xch {

enum class ColumnForm {
    Text,            // the text as read
    TextOrZeros,     // the text; an empty text is fourteen zero digits
    Number,          // "%d"
    Number6,         // "%06d"
    Number4,         // "%04d"
    Number2,         // "%02d"
    FlagNumber,      // "%d", but 1 whenever bit 1 (value 2) is set
    NumberOrZero,    // "%d"; a value that cannot be read is 0 and no error
    NumberWhenRead,  // "%d", left out of the line when it cannot be read
    Spaces,          // four spaces, whatever was read
    ReadNotWritten,  // read, never written
};

struct IntegrationColumn {
    int item;  // 0: optional, its value may be missing
    ColumnForm form;
};

struct IntegrationSection {
    int fileNo;  // names the section: "FILE%03dP"
    int menuNo;
    std::vector<IntegrationColumn> columns;
    // "%s file output error at line %d.\nPlease check data around line." with this name.
    const char* errorName;
};

// PLU, department and group, in the order they are written.
const std::vector<IntegrationSection>& integrationSections();

// Whether the form reads the item as text.
[[nodiscard]] bool readsText(ColumnForm form);

}  // namespace tk73xch
