#include "tools/defcheck/system_check.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "tools/defcheck/number_list.h"

namespace tk73tools {

namespace {

const char* const kModes[] = {"SIMPLEMODE", "PROMODE", "VEKSPLMODE", "VEKPROMODE", "NETREGMODE"};

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

}  // namespace

std::vector<ModelRow> readModelList(const Profile& settings, const char* section,
                                    Findings& findings) {
    std::vector<ModelRow> rows;
    const std::string label = settings.label();
    std::optional<int> total = parseNumber(settings.text(section, "TOTALCOUNT"));
    if (!total || *total < 1 || *total > 10) {
        findings.add(label, section, "TOTALCOUNT", "not a model count of 1 to 10");
        return rows;
    }
    std::set<int> numbers, idBytes;
    std::set<std::string> codes;
    for (int n = 1; n <= *total; ++n) {
        const std::string key = twoDigits(n);
        std::vector<std::string> columns = splitCommas(settings.text(section, key));
        std::optional<int> number = parseNumber(columns[0]);
        if (columns.size() != 8 || !number || !parseNumber(columns[3]) ||
            !parseNumber(columns[6]) || !parseNumber(columns[7])) {
            findings.add(label, section, key,
                         "not eight columns: number, indent name, name, attribute, text, "
                         "RmCode, archive value, ID code");
            continue;
        }
        ModelRow row{key, *number, columns[1], columns[2], columns[5], *parseNumber(columns[7])};
        if (row.indent.empty() || row.indent.size() > 20 || row.name.size() > 40) {
            findings.add(label, section, key,
                         "indent name of 1 to 20, name of at most 40 characters");
        }
        if (row.rmCode.size() != 6 || row.rmCode == "000000") {
            findings.add(label, section, key, "the RmCode has six characters and is not 000000");
        }
        if (!numbers.insert(row.number).second || !codes.insert(row.rmCode).second ||
            !idBytes.insert(row.idCode & 0xFF).second) {
            findings.add(label, section, key,
                         "model number, RmCode and ID code low byte must be unique in the list");
        }
        rows.push_back(row);
    }
    return rows;
}

bool refusedInEveryMode(const Profile& settings, int modelNo) {
    for (const char* mode : kModes) {
        std::optional<std::vector<int>> refused =
            parseNumberList(settings.text("VEKNOTSUPPORTECR", mode));
        if (!refused || std::find(refused->begin(), refused->end(), modelNo) == refused->end()) {
            return false;
        }
    }
    return true;
}

void checkSettings(const Profile& settings, const std::vector<ModelRow>& registers,
                   Findings& findings) {
    auto isRegister = [&](int number) {
        return std::any_of(registers.begin(), registers.end(),
                           [&](const ModelRow& row) { return row.number == number; });
    };
    for (const char* mode : kModes) {
        std::optional<std::string> text = settings.value("VEKNOTSUPPORTECR", mode);
        std::optional<std::vector<int>> refused = parseNumberList(text.value_or("x"));
        if (!refused) {
            findings.add(settings.label(), "VEKNOTSUPPORTECR", mode,
                         "missing or not a list of register model numbers");
            continue;
        }
        for (int number : *refused) {
            if (!isRegister(number)) {
                findings.add(settings.label(), "VEKNOTSUPPORTECR", mode,
                             std::to_string(number) + " is not a register model of ECR_LIST");
            }
        }
    }
    std::string conversion = settings.text("FILECOMMCONV", "CONVARABIC");
    if (conversion != "ON" && conversion != "OFF") {
        findings.add(settings.label(), "FILECOMMCONV", "CONVARABIC", "not ON or OFF");
    }
    std::optional<int> ecr = parseNumber(settings.text("DEFAULTACTION", "ECRID"));
    if (!ecr || !isRegister(*ecr)) {
        findings.add(settings.label(), "DEFAULTACTION", "ECRID",
                     "not the number of a register model of ECR_LIST");
    }
}

void checkModelTable(const std::string& root, const std::string& name,
                     const std::vector<ModelRow>& rows, Findings& findings) {
    const std::string label = "system/" + name;
    const std::string text = readAll(root + "/" + label);
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    if (lines.empty() || lines[0] != "ModelNo,ModelIndentName,ModelViewName,ModelStatus,Update") {
        findings.add(label, "", "", "does not begin with the model table's header line");
        return;
    }
    if (lines.size() != rows.size() + 1) {
        findings.add(label, "", "", "does not hold one row per model of the list");
        return;
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%03d", rows[i].number);
        const std::string start = "\"" + std::string(number) + "\",\"" + rows[i].indent + "\",\"" +
                                  rows[i].name + "\",\"0\",\"";
        if (!lines[i + 1].starts_with(start) || !lines[i + 1].ends_with("\"")) {
            findings.add(label, "row " + std::to_string(i + 1), "",
                         "does not mirror model " + rows[i].indent + " of the list");
        }
    }
}

void checkTemplate(const std::string& root, Findings& findings) {
    const std::pair<const char*, const char*> tables[] = {
        {"STORE.edb",
         "StoreNo,StoreName,Clerk,Comment,BranchNo,VekModelNo,VekSelType,RegModelNo,"
         "RegSelType,ScanStartNo,ChangeBusinessDay,Update,VekLinkage"},
        {"BRANCH.edb", "BranchNo,BranchName,Clerk,Comment,Update"},
        {"REGISTER.edb", "StoreNo,RegNo,RegName,OperateStatus,IPAddr,Update"},
        {"VEK.edb", "StoreNo,VekNo,VekName,OperateStatus,IPAddr,Update"},
    };
    for (const auto& [name, header] : tables) {
        const std::string label = std::string("template/") + name;
        if (readAll(root + "/" + label) != std::string(header) + "\r\n") {
            findings.add(label, "", "", "must hold only its header line (an empty store table)");
        }
    }
}

void checkDocuments(const std::string& root, Findings& findings) {
    const char* const manuals[] = {
        "TK73TOOL.pdf",   "VEK_ECRNET.pdf", "VEK_ECRPRO.pdf", "ECR_VEKSPL.pdf", "ECR_VEKPRO.pdf",
        "VEK_SPLMOD.pdf", "VEK_PROMOD.pdf", "DT_HA/VEK.htm",  "DT_HB/ECR.htm",  "DT_HC/ECR.htm"};
    for (const char* manual : manuals) {
        const std::string label = std::string("DOCUMENT/") + manual;
        const std::string text = readAll(root + "/" + label);
        bool pdf = label.ends_with(".pdf");
        if (!(pdf ? text.starts_with("%PDF-") : text.starts_with("<!DOCTYPE html>"))) {
            findings.add(label, "", "",
                         pdf ? "missing or not a PDF document" : "missing or not an HTML page");
        }
    }
}

}  // namespace tk73tools
