#include "operations/field_titles.h"

#include <algorithm>

#include "definitions/def_field_titles.h"
#include "definitions/def_file_fields.h"
#include "platform/api.h"
#include "storedb/edb_model.h"

namespace tk73ops {

namespace {

// The most fields a record of a program file has.
constexpr int kMaxFields = 99;

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    const size_t last = text.find_last_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

// Runs fn on the register or Vek form of a definition section read from path.
template <class RegisterForm, class VekForm, class Fn>
auto withSection(bool vek, const std::string& path, Fn fn) {
    if (vek) {
        const VekForm section(path.c_str());
        return fn(section);
    }
    const RegisterForm section(path.c_str());
    return fn(section);
}

}  // namespace

std::string StoreDefinitionFile(const STORE_EDB& store, bool vek) {
    MODEL_EDB model;
    const int modelNo = vek ? store.vekModelNo : store.regModelNo;
    const int found = vek ? CTK73edbVekModel().GetModelFromModelNo(modelNo, &model)
                          : CTK73edbModel().GetModelFromModelNo(modelNo, &model);
    if (modelNo == 0 || found == 0) {
        return "";
    }
    char path[TK73_MAX_PATH] = {};
    CTK73defReg(model.indentName.c_str(), store.storeNo, vek ? 1 : 0).GetDbIniFilePath(path);
    return path;
}

FieldTitles::FieldTitles(std::string definitionFile, bool vek)
    : definition_(std::move(definitionFile)), vek_(vek) {}

std::vector<FIELD_INFO> FieldTitles::Fields(int fileNo) const {
    std::vector<FIELD_INFO> fields(kMaxFields);
    const int count = withSection<CTK73defFILExxxx, CTK73defVekFILExxxx>(
        vek_, definition_, [&](const CTK73defRegVekFILExxxx& section) {
            return section.GetPGMFileField(fileNo, fields.data(), kMaxFields, 0);
        });
    fields.resize(static_cast<size_t>(std::max(count, 0)));
    return fields;
}

int FieldTitles::FieldNoOf(const std::string& wanted) const {
    return withSection<CTK73defFIELDTITLES, CTK73defVekFIELDTITLES>(
        vek_, definition_, [&](const CTK73defRegVekFIELDTITLES& titles) {
            for (int i = 0; i < titles.GetValueCount(); ++i) {
                int fieldNo = 0;
                char title[FIELD_INFO::kMaxText + 1] = {};
                if (titles.GetValueFromIndex(i, &fieldNo, title) != 0 &&
                    trimmed(title) == trimmed(wanted)) {
                    return fieldNo;
                }
            }
            return 0;
        });
}

std::string FieldTitles::TitleOf(int fieldNo) const {
    return withSection<CTK73defFIELDTITLES, CTK73defVekFIELDTITLES>(
        vek_, definition_, [&](const CTK73defRegVekFIELDTITLES& titles) {
            char title[FIELD_INFO::kMaxText + 1] = {};
            titles.GetValueFromFieldNo(fieldNo, title);
            return std::string(title);
        });
}

int FieldTitles::FieldNoAt(const std::vector<FIELD_INFO>& fields, int fieldIndex) {
    const auto field = std::find_if(fields.begin(), fields.end(),
                                    [&](const FIELD_INFO& f) { return f.index == fieldIndex; });
    return field != fields.end() ? field->fieldNo : 0;
}

}  // namespace tk73ops
