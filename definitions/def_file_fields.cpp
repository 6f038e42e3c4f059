#include "definitions/def_file_fields.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "definitions/ctrl_cmn.h"
#include "definitions/decimal_text.h"
#include "definitions/def_field_inf.h"
#include "definitions/def_field_titles.h"
#include "definitions/def_file_inf.h"
#include "definitions/no_case.h"
#include "definitions/numbered_name.h"

namespace {

constexpr uint32_t kSwitchChars = 255;

// The mask right-aligned in a row of "F" as wide as the field is shown; a longer mask is kept
// whole. Masks never pass the FIELD_INFO limit.
std::string paddedMask(const std::string& mask, int displayLength) {
    const size_t width =
        std::min<size_t>(static_cast<size_t>(std::max(displayLength, 0)), FIELD_INFO::kMaxText);
    const std::string kept = mask.substr(0, FIELD_INFO::kMaxText);
    return kept.size() >= width ? kept : std::string(width - kept.size(), 'F') + kept;
}

// Characters shown for a field of size bytes: two digits to a byte unless it holds characters.
int displayLengthOf(int size, int attribute) {
    const long long length = attribute == FIELD_ATTR_CHAR ? size : 2LL * size;
    return static_cast<int>(std::clamp<long long>(length, 0, INT_MAX));
}

bool hasProgramViewMark(const std::vector<std::string>& items) {
    return std::any_of(items.begin() + 1, items.end(),
                       [](const std::string& mark) { return !mark.empty() && mark[0] == 'P'; });
}

}  // namespace

int CTK73defRegVekFILExxxx::GetPGMFieldCnt(int fileNo) const {
    return ReadInt(tk73def::numberedName("FILE%04d", fileNo).c_str(), "PGM_FIELD_NUM");
}

std::vector<FIELD_INFO> CTK73defRegVekFILExxxx::GetPGMFileFields(int fileNo, int mode) const {
    const int count = GetPGMFieldCnt(fileNo);
    if (count <= 0) {
        return {};
    }
    std::vector<FIELD_INFO> fields(static_cast<size_t>(count));
    fields.resize(static_cast<size_t>(GetPGMFileField(fileNo, fields.data(), count, mode)));
    return fields;
}

int CTK73defRegVekFILExxxx::GetPGMFileField(int fileNo, FIELD_INFO* out, int maxFields,
                                            int mode) const {
    if (out == nullptr || maxFields <= 0) {
        return 0;
    }
    const std::string section = tk73def::numberedName("FILE%04d", fileNo);
    const tk73def::NeighbourSection<CTK73defRegVekFILEINF> files(GetDefReg());
    const tk73def::NeighbourSection<CTK73defRegVekFIELDINF> fieldKinds(GetDefReg());
    const tk73def::NeighbourSection<CTK73defRegVekFIELDTITLES> titles(GetDefReg());
    const bool dataFile = files.IsDataFile(fileNo) != 0;
    auto fieldText = [&](const char* format, int n, uint32_t maxChars) {
        return ReadText(section.c_str(), tk73def::numberedName(format, n).c_str(), maxChars);
    };
    int filled = 0;
    for (int n = 1; n <= maxFields; ++n) {
        const std::string number = fieldText("F%02dN", n, kListChars);
        if (number.empty()) {
            break;
        }
        std::vector<std::string> items;
        CCtrlCmn::DivCSVString(number, items);
        const bool shown = !tk73def::equalsNoCase(fieldText("F%02dD", n, kSwitchChars), "OFF");
        if ((mode == 1 && !shown) || !hasProgramViewMark(items)) {
            continue;
        }
        FIELD_INFO& entry = out[filled++];
        entry = FIELD_INFO();
        entry.index = n;
        entry.fieldNo = tk73def::decimalValue(items[0]);
        entry.attribute = fieldKinds.GetFieldAttribute(entry.fieldNo);
        char title[FIELD_INFO::kMaxText + 1] = {};
        titles.GetValueFromFieldNo(entry.fieldNo, title);
        entry.title = title;
        if (!dataFile) {
            const int size = ReadInt(section.c_str(), tk73def::numberedName("F%02dL", n).c_str());
            entry.displayLength = displayLengthOf(size, entry.attribute);
        }
        entry.edit = tk73def::equalsNoCase(fieldText("F%02dE", n, kSwitchChars), "OFF") ? 0 : 1;
        entry.display = (mode == 1 || !shown) ? 0 : 1;
        const std::string mask = fieldText("F%02dM", n, FIELD_INFO::kMaxText);
        entry.mask = dataFile ? mask : paddedMask(mask, entry.displayLength);
    }
    return filled;
}

int CTK73defRegVekFILExxxx::SetPGMFileField(int fileNo, FIELD_INFO* fields, int count,
                                            int mode) const {
    if (fields == nullptr && count > 0) {
        return 0;
    }
    const std::string section = tk73def::numberedName("FILE%04d", fileNo);
    auto write = [&](const char* format, int n, const std::string& value) {
        return WriteText(section.c_str(), tk73def::numberedName(format, n).c_str(), value) == 1;
    };
    bool ok = true;
    for (int i = 0; i < count; ++i) {
        FIELD_INFO& entry = fields[i];
        if (entry.index < 1) {
            ok = false;  // no "F%02d" key of its own to write to
            continue;
        }
        entry.mask = paddedMask(entry.mask, entry.displayLength);
        ok = write("F%02dE", entry.index, entry.edit ? "ON" : "OFF") && ok;
        ok = write("F%02dM", entry.index, entry.mask) && ok;
        if (mode == 1) {
            ok = write("F%02dD", entry.index, entry.display ? "ON" : "OFF") && ok;
        }
    }
    return ok ? 1 : 0;
}

int CTK73defRegVekFILExxxx::ChgBitInfoAttribute(int fileNo, FIELD_INFO* fields, int count) const {
    int changed = 0;
    for (int i = 0; fields != nullptr && i < count; ++i) {
        if (fields[i].attribute == FIELD_ATTR_BIT) {
            fields[i].attribute = FIELD_ATTR_PLAIN;
            ++changed;
        }
    }
    return changed;
}
