#include "definitions/def_file_inf.h"

#include "definitions/decimal_text.h"
#include "definitions/def_field_inf.h"
#include "definitions/numbered_name.h"

int CTK73defRegVekFILEINF::SetPgmIconsValue(const std::vector<uint32_t>& fileNos) {
    pgmIcons_ = CIniNumList(std::vector<int32_t>(fileNos.begin(), fileNos.end()));
    return WriteText(kSection, "PGMICONS", pgmIcons_.GetText());
}

int CTK73defRegVekFILEINF::GetFileDef(int fileNo, Record_Information* out) const {
    if (out == nullptr) {
        return 0;
    }
    *out = Record_Information();
    out->fileNo = static_cast<uint32_t>(fileNo);
    const std::string section = tk73def::numberedName("FILE%04d", fileNo);
    const int fieldCount = ReadInt(section.c_str(), "ALL_FIELD_NUM");
    if (fieldCount <= 0) {
        return 0;
    }
    const tk73def::NeighbourSection<CTK73defRegVekFIELDINF> fieldKinds(GetDefReg());
    for (int n = 1; n <= fieldCount; ++n) {
        const std::string number =
            ReadText(section.c_str(), tk73def::numberedName("F%02dN", n).c_str(), kListChars);
        const int fieldNo = tk73def::decimalValue(number);
        if (fieldNo < 1) {
            break;
        }
        const int size = ReadInt(section.c_str(), tk73def::numberedName("F%02dL", n).c_str());
        if (size < 1) {
            break;
        }
        out->fields.push_back({fieldNo, size, fieldKinds.IsCharField(fieldNo), 0, 0});
    }
    out->fieldCount = static_cast<uint32_t>(out->fields.size());
    if (out->fields.size() != static_cast<size_t>(fieldCount)) {
        return 0;
    }
    for (const RECORD_FIELD_INFO& field : out->fields) {
        out->recordLength += static_cast<uint32_t>(field.size);
    }
    return 1;
}

int CTK73defRegVekFILEINF::CkFileCommConv(const Record_Information* info) const {
    if (info == nullptr) {
        return 0;
    }
    for (const RECORD_FIELD_INFO& field : info->fields) {
        if (field.isChar) {
            return 1;
        }
    }
    return 0;
}
