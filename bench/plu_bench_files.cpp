#include "bench/plu_bench_files.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace tk73bench {

namespace {

// The record layout of the PLU file: field number, length in the register's record and
// whether it holds characters. Numbers are shown with two digits to a byte.
struct Field {
    int number;
    int length;
    bool text;
};

constexpr Field kFields[] = {
    {1, 7, false},  {2, 16, true},  {3, 4, false},  {4, 2, false}, {5, 1, false},
    {6, 3, false},  {7, 1, false},  {8, 7, false},  {9, 4, false}, {10, 2, false},
    {11, 16, true}, {12, 4, false}, {13, 1, false},
};

int displayLength(const Field& field) {
    return field.text ? field.length : 2 * field.length;
}

std::string definition(int records) {
    std::string text = "[SYSTEM]\r\nINIFILEVER=3\r\n[FIELD_INF]\r\nCHARFIELDS=2,11\r\n";
    text += "[FILE0004]\r\nALL_FIELD_NUM=13\r\nPGM_FIELD_NUM=13\r\n";
    int n = 1;
    for (const Field& field : kFields) {
        char line[96];
        std::snprintf(line, sizeof line, "F%02dN=%d,P\r\nF%02dL=%d\r\n", n, field.number, n,
                      field.length);
        text += line;
        ++n;
    }
    text += "[PGM_MENU_014]\r\n";
    const char* items[] = {"CHAR,D1,14", "CHAR,D1,16", "DIGIT,D1,8",
                           "DIGIT,D1,4", "BIT,D2,4",   "HEX,D1,6"};
    const int fields[] = {1, 2, 3, 4, 6, 6};
    for (int item = 1; item <= 6; ++item) {
        char block[256];
        std::snprintf(block, sizeof block,
                      "ITEM_%03d_FILE=4\r\nITEM_%03d_MEMORY=INDEX,1,%d\r\nITEM_%03d=%s\r\n"
                      "ITEM_%03d_FIELD=%d\r\n",
                      item, item, records, item, items[item - 1], item, fields[item - 1]);
        text += block;
    }
    return text;
}

std::string recordLine(int record) {
    char number[16];
    std::snprintf(number, sizeof number, "%06d", record);
    std::string line = number;
    for (const Field& field : kFields) {
        const int width = displayLength(field);
        char value[64];
        switch (field.number) {
            case 1:
                std::snprintf(value, sizeof value, "%s", pluCode(record).c_str());
                break;
            case 2:
                std::snprintf(value, sizeof value, "%-*s", width,
                              ("PLU ITEM " + std::to_string(record)).c_str());
                break;
            case 3:
                std::snprintf(value, sizeof value, "%0*d", width, (record * 37) % 100000);
                break;
            case 4:
                std::snprintf(value, sizeof value, "%0*d", width, record % 99 + 1);
                break;
            case 6:
                std::snprintf(value, sizeof value, "%0*X", width, (record * 2654435761u) & 0xFFFFF);
                break;
            case 11:
                std::snprintf(value, sizeof value, "%-*s", width, "");
                break;
            default:
                std::snprintf(value, sizeof value, "%0*d", width, 0);
        }
        line += ",\"";
        line += value;
        line += '"';
    }
    return line + "\r\n";
}

}  // namespace

std::string pluCode(int record) {
    char code[32];
    std::snprintf(code, sizeof code, "%014lld", 4900000000000LL + record);
    return code;
}

bool writePluStore(const std::string& folder, int records, PluStore& store) {
    std::error_code error;
    store.definitionFile = folder + "/BENCH.INI";
    store.mainteFolder = folder + "/MAINTE";
    store.pluFile = store.mainteFolder + "/FILE004P.TXT";
    std::filesystem::create_directories(store.mainteFolder, error);
    std::ofstream definitionOut(store.definitionFile, std::ios::binary);
    definitionOut << definition(records);
    definitionOut.close();

    std::string text = "\"C\",\"n:P0004:\"\r\n";
    text += "\"h\",\"PLU FILE                                \",\"03\",\"00\"\r\n";
    text += "\"f\",\"FILE004\"\r\n";
    text.reserve(text.size() + static_cast<size_t>(records) * recordLine(1).size());
    for (int record = 1; record <= records; ++record) {
        text += recordLine(record);
    }
    std::ofstream pluOut(store.pluFile, std::ios::binary);
    pluOut.write(text.data(), static_cast<std::streamsize>(text.size()));
    pluOut.close();
    store.pluFileSize = static_cast<long long>(text.size());
    return definitionOut.good() && pluOut.good() && !error;
}

}  // namespace tk73bench
