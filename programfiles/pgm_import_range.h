#pragma once
// The range dialog of a program file import as the import asks the user-interaction seam for it:
// whether the records are taken whole or only their base fields (the fields that identify a
// record). "Basic only" is offered unless the import says it is not.

#include <string>
#include <string_view>

#include "base/user_interaction.h"

namespace tk73pgm {

enum class ImportRange { AllData, BasicOnly };

struct ImportRangeRequest : tk73::DialogRequest {
    static constexpr std::string_view kName = "ImportRange";
    static constexpr const char* kQuestion = "Do you want to read the data.";
    static constexpr const char* kWarning = "Existing data will be cleared.";
    static constexpr const char* kAllData = "All data";
    static constexpr const char* kBasicOnly = "Basic only";
    static constexpr const char* kRead = "Read data.";
    static constexpr const char* kCancel = "Cancel";

    std::string_view dialogName() const override { return kName; }

    bool basicOffered = true;
    // Shown beside the question when the files hold different numbers of records: which records
    // keep their values ("Records 101 to 200 keep their values."); empty otherwise.
    std::string recordNote;
    // The choice, valid once the dialog has closed with Ok.
    ImportRange range = ImportRange::AllData;
};

}  // namespace tk73pgm
