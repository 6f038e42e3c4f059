#include "tools/progen/program_generator.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tools/defcheck/program_text.h"
#include "tools/defcheck/record_layout.h"

namespace tk73tools {

namespace {

// A zero-filled decimal number of exactly width digits (its lowest digits when longer).
std::string digits(unsigned long long value, int width) {
    std::string text(static_cast<size_t>(width), '0');
    for (int i = width - 1; i >= 0 && value > 0; --i, value /= 10) {
        text[static_cast<size_t>(i)] = static_cast<char>('0' + value % 10);
    }
    return text;
}

// Thirteen-digit codes of our invented maker 40555 with their check digit, zero-padded.
std::string itemCode(int record, int width) {
    std::string body = "40555" + digits(static_cast<unsigned long long>(record), 7);
    int total = 0;
    for (size_t i = 0; i < body.size(); ++i) {
        total += (body[i] - '0') * (i % 2 ? 3 : 1);
    }
    std::string code = body + static_cast<char>('0' + (10 - total % 10) % 10);
    return code.size() >= static_cast<size_t>(width)
               ? code.substr(code.size() - static_cast<size_t>(width))
               : std::string(static_cast<size_t>(width) - code.size(), '0') + code;
}

std::string value(const LayoutField& field, int record, bool free) {
    const int width = field.width;
    if (field.kind == FieldKind::Character) {
        char name[32];
        std::snprintf(name, sizeof name, "ITEM %05d", record);
        std::string text = free ? "" : std::string(name).substr(0, static_cast<size_t>(width));
        return text + std::string(static_cast<size_t>(width) - text.size(), ' ');
    }
    if (free) {
        return std::string(static_cast<size_t>(width), '0');
    }
    switch (field.kind) {
        case FieldKind::ItemCode:
            return itemCode(record, width);
        case FieldKind::Price:
            return digits(100 + static_cast<unsigned long long>(record) * 37 % 99900, width);
        case FieldKind::Quantity:
            return digits(static_cast<unsigned long long>(record) * 7 % 1000, width);
        case FieldKind::Bit:
            return std::string(static_cast<size_t>(width), '0');
        default:
            return digits(static_cast<unsigned long long>(record) % 20 + 1, width);
    }
}

}  // namespace

bool generateProgramFile(const GenerateRequest& request, std::string& error) {
    namespace fs = std::filesystem;
    const fs::path folder(request.modelFolder);
    const std::string indent = folder.filename().generic_string();
    char name[32];
    std::snprintf(name, sizeof name, "FILE%03dP.TXT", request.fileNo);
    const std::string defaultFile = (folder / "DEFAULT" / name).generic_string();
    Profile definition((folder / (indent + ".INI")).generic_string(), indent + ".INI");
    Findings findings;
    RecordLayout layout;
    if (!fs::is_regular_file(definition.path()) ||
        !readRecordLayout(definition, request.fileNo, layout, findings)) {
        error =
            findings.empty() ? definition.path() + " is missing" : describe(findings.all().front());
        return false;
    }
    ProgramText model;
    if (!readProgramText(defaultFile, model, error)) {
        error = defaultFile + " " + error;
        return false;
    }
    const int limit = model.numberWidth == 4 ? 9999 : kMaxGeneratedRecords;
    if (request.records < 1 || request.records > limit || request.freeRecords < 0 ||
        request.freeRecords > request.records) {
        error = "a file with " + std::to_string(model.numberWidth) +
                "-digit record numbers holds 1 to " + std::to_string(limit) +
                " records, the free ones among them";
        return false;
    }
    std::string bytes;
    const size_t lineLength = layout.lineLength(model.numberWidth);
    bytes.reserve(kHeaderBlockLength + lineLength * static_cast<size_t>(request.records));
    for (std::string_view line : model.headerLines) {
        bytes.append(line).append("\r\n");
    }
    for (int r = 1; r <= request.records; ++r) {
        bool free = r > request.records - request.freeRecords;
        bytes += digits(static_cast<unsigned long long>(r), model.numberWidth);
        for (const LayoutField& field : layout.fields) {
            bytes.append(",\"").append(value(field, r, free)).append("\"");
        }
        bytes += "\r\n";
    }
    std::ofstream out(request.output, std::ios::binary | std::ios::trunc);
    if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) || !out.flush()) {
        error = "cannot write " + request.output;
        return false;
    }
    return true;
}

}  // namespace tk73tools
