#include "tools/defcheck/record_layout.h"

#include <algorithm>
#include <cstdio>

#include "tools/defcheck/number_list.h"

namespace tk73tools {

namespace {

bool listed(const Profile& definition, const char* key, int fieldNo) {
    std::optional<std::vector<int>> numbers = parseNumberList(definition.text("FIELD_INF", key));
    return numbers && std::find(numbers->begin(), numbers->end(), fieldNo) != numbers->end();
}

// The kind a field gets, first match in the order the definitions use.
FieldKind kindOf(const Profile& definition, int fieldNo) {
    if (listed(definition, "QTYFIELDS", fieldNo)) {
        return FieldKind::Quantity;
    }
    if (listed(definition, "CHARFIELDS", fieldNo)) {
        return FieldKind::Character;
    }
    if (listed(definition, "PRICEFIELDS", fieldNo)) {
        return FieldKind::Price;
    }
    if (listed(definition, "PLUCODEFIELDS", fieldNo)) {
        return FieldKind::ItemCode;
    }
    if (listed(definition, "BITFIELDS", fieldNo)) {
        return FieldKind::Bit;
    }
    return FieldKind::Plain;
}

}  // namespace

std::string fileSectionName(int fileNo) {
    char name[16];
    std::snprintf(name, sizeof name, "FILE%04d", fileNo);
    return name;
}

std::string fieldKey(int index, char suffix) {
    char key[16];
    std::snprintf(key, sizeof key, "F%02d%c", index, suffix);
    return key;
}

size_t RecordLayout::lineLength(int numberWidth) const {
    size_t length = static_cast<size_t>(numberWidth) + 2;
    for (const LayoutField& field : fields) {
        length += static_cast<size_t>(field.width) + 3;
    }
    return length;
}

size_t RecordLayout::valueOffset(int numberWidth, int index) const {
    size_t offset = static_cast<size_t>(numberWidth) + 2;
    for (int i = 0; i + 1 < index; ++i) {
        offset += static_cast<size_t>(fields[i].width) + 3;
    }
    return offset;
}

const LayoutField* RecordLayout::byNumber(int fieldNo) const {
    for (const LayoutField& field : fields) {
        if (field.number == fieldNo) {
            return &field;
        }
    }
    return nullptr;
}

bool readRecordLayout(const Profile& definition, int fileNo, RecordLayout& layout,
                      Findings& findings) {
    layout = RecordLayout{fileNo, {}};
    const std::string section = fileSectionName(fileNo);
    auto fail = [&](const std::string& key, const std::string& problem) {
        findings.add(definition.label(), section, key, problem);
        return false;
    };
    std::optional<int> count = parseNumber(definition.text(section, "ALL_FIELD_NUM"));
    if (!count || *count < 1) {
        return fail("ALL_FIELD_NUM", "missing or not a field count");
    }
    std::optional<int> viewCount = parseNumber(definition.text(section, "PGM_FIELD_NUM"));
    if (!viewCount || *viewCount > *count) {
        return fail("PGM_FIELD_NUM", "missing or larger than ALL_FIELD_NUM");
    }
    for (int n = 1; n <= *count; ++n) {
        std::vector<std::string> parts = splitCommas(definition.text(section, fieldKey(n, 'N')));
        std::optional<int> number = parseNumber(parts[0]);
        if (!number || *number < 1) {
            return fail(fieldKey(n, 'N'), "missing or without a field number");
        }
        std::optional<int> length = parseNumber(definition.text(section, fieldKey(n, 'L')));
        if (!length || *length < 1) {
            return fail(fieldKey(n, 'L'), "missing or not a length in bytes");
        }
        LayoutField field;
        field.index = n;
        field.number = *number;
        field.length = *length;
        field.kind = kindOf(definition, *number);
        field.width = field.kind == FieldKind::Character ? *length : 2 * *length;
        field.barCode = listed(definition, "BARCODEFIELDS", *number);
        field.view = std::any_of(parts.begin() + 1, parts.end(),
                                 [](const std::string& mark) { return mark.starts_with("P"); });
        if (layout.byNumber(*number)) {
            return fail(fieldKey(n, 'N'), "field " + parts[0] + " appears twice");
        }
        layout.fields.push_back(field);
    }
    // Program-view fields come first, so PGM_FIELD_NUM is both their count and the last key
    // index among them.
    for (const LayoutField& field : layout.fields) {
        if (field.view != (field.index <= *viewCount)) {
            return fail(fieldKey(field.index, 'N'),
                        "program-view fields must be the first PGM_FIELD_NUM fields");
        }
    }
    return true;
}

}  // namespace tk73tools
