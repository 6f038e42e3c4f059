#include "definitions/model_info.h"

#include "base/file_utils.h"
#include "base/install_folders.h"
#include "definitions/ctrl_cmn.h"
#include "definitions/decimal_text.h"
#include "definitions/no_case.h"
#include "definitions/numbered_name.h"
#include "definitions/profile_access.h"

namespace {

constexpr uint32_t kValueChars = 2047;

const char* modeKeyName(uint32_t mode) {
    switch (mode) {
        case CMdlInfo::kSimpleMode:
            return "SIMPLEMODE";
        case CMdlInfo::kProMode:
            return "PROMODE";
        case CMdlInfo::kVekSimpleMode:
            return "VEKSPLMODE";
        case CMdlInfo::kVekProMode:
            return "VEKPROMODE";
        default:
            return "NETREGMODE";
    }
}

// One model line: eight columns split at every comma, missing trailing columns left cleared.
Machine_Information parseModel(const std::string& line) {
    std::vector<std::string> columns;
    CCtrlCmn::DivCSVString(line, columns);
    columns.resize(8);
    Machine_Information model;
    model.modelNo = tk73def::decimalValue(columns[0]);
    model.indentName = columns[1];
    model.modelName = columns[2];
    model.modelAttribute = tk73def::decimalValue(columns[3]);
    model.modelText = columns[4];
    model.rmCode = columns[5];
    model.archiveValue = tk73def::decimalValue(columns[6]);
    model.idCode = tk73def::decimalValue(columns[7]);
    return model;
}

}  // namespace

CMdlInfo::CMdlInfo() {
    AecrbsGetTK73UserMode(&execMode_);
    char path[TK73_MAX_PATH] = {};
    if (AecrbsGetTK73InstallPath(path) && AecrbsAddPath(path, "TK73TOOL.ini")) {
        settingsFile_ = path;
    }
}

std::string CMdlInfo::ReadValue(const char* section, const char* key) const {
    return tk73def::readProfileString(settingsFile_, section, key, kValueChars);
}

int CMdlInfo::InitMcnInfo(int isRegister) {
    std::vector<Machine_Information>& models = isRegister ? registers_ : veks_;
    const char* section = isRegister ? "ECR_LIST" : "VEK_LIST";
    models.clear();
    const int count = tk73def::decimalValue(ReadValue(section, "TOTALCOUNT"));
    for (int n = 1; n <= count; ++n) {
        const std::string line = ReadValue(section, tk73def::numberedName("%02d", n).c_str());
        if (line.empty()) {
            break;
        }
        models.push_back(parseModel(line));
    }
    return static_cast<int>(models.size());
}

int CMdlInfo::GetMcnInfo(int isRegister, int index, Machine_Information* out) const {
    const std::vector<Machine_Information>& models = isRegister ? registers_ : veks_;
    if (out == nullptr || index < 0 || static_cast<size_t>(index) >= models.size()) {
        return 0;
    }
    *out = models[static_cast<size_t>(index)];
    return 1;
}

template <typename Match>
int CMdlInfo::FindModel(int isRegister, Match match, Machine_Information* out) {
    // A list that cannot be read stays empty: the model is then not found.
    (void)InitMcnInfo(isRegister);
    const std::vector<Machine_Information>& models = isRegister ? registers_ : veks_;
    for (const Machine_Information& model : models) {
        if (match(model)) {
            if (out == nullptr) {
                return 0;
            }
            *out = model;
            return 1;
        }
    }
    return 0;
}

int CMdlInfo::GetMcnInfoForModelNo(int isRegister, int modelNo, Machine_Information* out) {
    return FindModel(
        isRegister, [&](const Machine_Information& m) { return m.modelNo == modelNo; }, out);
}

int CMdlInfo::GetMcnInfoForIndentName(int isRegister, const char* indentName,
                                      Machine_Information* out) {
    if (indentName == nullptr) {
        return 0;
    }
    const std::string name = indentName;
    return FindModel(
        isRegister,
        [&](const Machine_Information& m) { return tk73def::equalsNoCase(m.indentName, name); },
        out);
}

int CMdlInfo::GetMcnInfoForRmCode(int isRegister, const char* rmCode, Machine_Information* out) {
    if (rmCode == nullptr) {
        return 0;
    }
    const std::string code = rmCode;
    return FindModel(
        isRegister,
        [&](const Machine_Information& m) { return tk73def::equalsNoCase(m.rmCode, code); }, out);
}

int CMdlInfo::GetMcnInfoForIDCode(int isRegister, uint8_t idCode, Machine_Information* out) {
    return FindModel(
        isRegister,
        [&](const Machine_Information& m) { return static_cast<uint8_t>(m.idCode) == idCode; },
        out);
}

int CMdlInfo::IsVEKSupportECR(uint32_t modelNo) const {
    std::vector<std::string> models;
    const std::string list = ReadValue("VEKNOTSUPPORTECR", modeKeyName(execMode_));
    if (list.empty()) {
        return 1;
    }
    CCtrlCmn::DivCSVString(list, models);
    for (const std::string& model : models) {
        if (static_cast<uint32_t>(tk73def::decimalValue(model)) == modelNo) {
            return 0;
        }
    }
    return 1;
}

int CMdlInfo::GetFileCommConv() const {
    return tk73def::equalsNoCase(ReadValue("FILECOMMCONV", "CONVARABIC"), "ON") ? 1 : 0;
}

int CMdlInfo::GetDefaultActionECRId() const {
    return tk73def::decimalValue(ReadValue("DEFAULTACTION", "ECRID"));
}
