#include "csvexchange/xch_integration_columns.h"

namespace tk73xch {

namespace {

using F = ColumnForm;

IntegrationSection pluSection() {
    return {
        4,
        14,
        {{0, F::ReadNotWritten}, {0, F::ReadNotWritten}, {1, F::TextOrZeros},   {2, F::Text},
         {3, F::Number6},        {10, F::Number4},       {11, F::Number4},      {0, F::Spaces},
         {7, F::FlagNumber},     {15, F::Number},        {4, F::Number},        {16, F::Number},
         {5, F::Number},         {6, F::Number},         {17, F::Number},       {9, F::Number},
         {8, F::Number},         {18, F::Number},        {12, F::NumberOrZero}, {19, F::Number2}},
        "PLU"};
}

IntegrationSection departmentSection() {
    return {5,
            1,
            {{0, F::NumberWhenRead},
             {0, F::NumberWhenRead},
             {1, F::Text},
             {2, F::Number6},
             {7, F::Number4},
             {5, F::FlagNumber},
             {8, F::Number},
             {3, F::Number},
             {9, F::Number},
             {4, F::Number},
             {10, F::Number},
             {11, F::Number},
             {6, F::Number},
             {12, F::Number}},
            "Department"};
}

IntegrationSection groupSection() {
    return {6, 15, {{0, F::ReadNotWritten}, {0, F::ReadNotWritten}, {1, F::Text}}, "Group"};
}

}  // namespace

const std::vector<IntegrationSection>& integrationSections() {
    static const std::vector<IntegrationSection> sections = {pluSection(), departmentSection(),
                                                             groupSection()};
    return sections;
}

bool readsText(ColumnForm form) {
    return form == ColumnForm::Text || form == ColumnForm::TextOrZeros;
}

}  // namespace tk73xch
