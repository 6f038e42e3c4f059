#include "programfiles/tests/pgm_test_files.h"

#include <cstdio>

namespace pgmtest {

std::string recordLine(int record, int width, const std::vector<std::string>& fields) {
    char number[16];
    std::snprintf(number, sizeof number, "%0*d", width, record);
    std::string line = number;
    for (const std::string& field : fields) {
        line += "," + field;
    }
    return line + "\r\n";
}

Store::Store() = default;

std::string Store::mainteFile(int fileNo) const {
    char name[32];
    std::snprintf(name, sizeof name, "/FILE%03dP.TXT", fileNo);
    return mainteFolder() + name;
}

std::string Store::defaultFile(int fileNo, char kind) const {
    char name[32];
    std::snprintf(name, sizeof name, "/FILE%03d%c.TXT", fileNo, kind);
    return defaultFolder() + name;
}

void Store::writeDefinition(const std::string& text) const {
    tk73test::TempEnvironment::writeFile(definitionFile(), text);
}

void Store::writeMainte(int fileNo, const std::string& bytes) const {
    tk73test::TempEnvironment::writeFile(mainteFile(fileNo), bytes);
}

void Store::writeDefault(int fileNo, const std::string& bytes, char kind) const {
    tk73test::TempEnvironment::writeFile(defaultFile(fileNo, kind), bytes);
}

std::string Store::readMainte(int fileNo) const {
    return tk73test::TempEnvironment::readFile(mainteFile(fileNo));
}

std::string pluFile(int count) {
    std::string text = "\"C\",\"n:P0004:\"\r\n";
    for (int record = 1; record <= count; ++record) {
        char code[32];
        char name[32];
        char price[32];
        std::snprintf(code, sizeof code, "\"%014d\"", 4900000 + record);
        std::snprintf(name, sizeof name, "\"%-12s\"", ("Item " + std::to_string(record)).c_str());
        std::snprintf(price, sizeof price, "\"%08d\"", record * 10);
        text += recordLine(record, 6, {code, name, price, "\"0800\"", "00", "\"G001\""});
    }
    return text;
}

std::string pluDefinition() {
    return "[FILE0004]\r\n"
           "ALL_FIELD_NUM=6\r\n"
           "F01N=1,P\r\n"
           "F02N=2,P\r\n"
           "F03N=5,P\r\n"
           "F04N=7,P\r\n"
           "F05N=9\r\n"
           "F06N=12,P\r\n"
           "[PGM_MENU_014]\r\n"
           "ITEM_001_FILE=4\r\n"
           "ITEM_001_MEMORY=INDEX,1,40\r\n"
           "ITEM_001=CHAR,D1,14\r\n"
           "ITEM_001_FIELD=1\r\n"
           "ITEM_002_FILE=4\r\n"
           "ITEM_002_MEMORY=INDEX,1,40\r\n"
           "ITEM_002=CHAR,D1,12\r\n"
           "ITEM_002_FIELD=2\r\n"
           "ITEM_003_FILE=4\r\n"
           "ITEM_003_MEMORY=INDEX,1,40\r\n"
           "ITEM_003=DIGIT,D3,6\r\n"
           "ITEM_003_FIELD=5\r\n"
           "ITEM_003_MEAN=12\r\n"
           "ITEM_004_FILE=4\r\n"
           "ITEM_004_MEMORY=INDEX,1,40\r\n"
           "ITEM_004=BIT,D2,4\r\n"
           "ITEM_004_FIELD=7\r\n"
           "ITEM_005_FILE=4\r\n"
           "ITEM_005_MEMORY=INDEX,1,40\r\n"
           "ITEM_005=HEX,D1,4\r\n"
           "ITEM_005_FIELD=7\r\n"
           "ITEM_006_FILE=4\r\n"
           "ITEM_006_MEMORY=COUNT,100\r\n"
           "ITEM_006=CHAR,D1,12\r\n"
           "ITEM_006_FIELD=2\r\n"
           "ITEM_007_FILE=4\r\n"
           "ITEM_007_MEMORY=INDEX,1,40\r\n"
           "ITEM_007=CHAR,D1,2\r\n"
           "ITEM_007_FIELD=9\r\n";
}

}  // namespace pgmtest
