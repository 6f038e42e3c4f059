#include "fuzz/seeds/installation_seeds.h"

#include <filesystem>
#include <string_view>

#include "base/install_folders.h"
#include "definitions/decimal_text.h"
#include "fuzz/seeds/seed_files.h"
#include "platform/api.h"
#include "tools/stager/stage_installation.h"

namespace tk73seeds {

namespace {

// The program file target's first bytes: a character item in the second field, four
// characters from the first, written to record 1 (see program_file_fuzz.cpp).
const std::string kPlacement("\x00\x01\x00\x03\x00NEWVALUE", 13);

std::string installed(const std::string& relative) {
    return readRequired(tk73tools::shippedInstallation() + "/" + relative);
}

std::string withoutRoot(std::string text, const std::string& root) {
    for (size_t at = text.find(root); at != std::string::npos; at = text.find(root, at)) {
        text.replace(at, root.size(), "/opt/tk73");
    }
    return text;
}

// The file of the first item of the definition's first menu.
std::string firstMenuFile(std::string_view definition) {
    const size_t menu = definition.find("[PGM_MENU_");
    const size_t key = definition.find("_FILE=", menu);
    char name[32] = {};
    std::snprintf(name, sizeof name, "FILE%03dP.TXT",
                  tk73def::decimalValue(definition.substr(key + 6, 3)));
    return name;
}

void writeProfiles(const std::string& corpus) {
    for (const char* file :
         {"TK73TOOL.ini", "register/KR301/KR301.INI", "vek/VK500/VK500.INI",
          "register/KR301/OLDVERSION/KR301Ver00.INI", "register/KR301/KR301_30.HAD"}) {
        writeSeed(corpus, "ini_profile", std::filesystem::path(file).filename().string(),
                  installed(file));
    }
    // The system settings with the section that the target's edit sets "Key" in: the key comes
    // after the section's last one, or replaces the one there.
    const std::string settings = installed("TK73TOOL.ini");
    writeSeed(corpus, "ini_profile", "TK73TOOL_new_key.ini", settings + "[Fuzz]\r\nOther=1\r\n");
    writeSeed(corpus, "ini_profile", "TK73TOOL_set_key.ini", "[fuzz]\r\nKEY=old\r\n" + settings);
}

void writeTables(const std::string& corpus) {
    for (const char* table : {"system/REGMODEL.edb", "system/VEKMODEL.edb", "template/STORE.edb",
                              "template/BRANCH.edb", "template/REGISTER.edb", "template/VEK.edb"}) {
        writeSeed(corpus, "csv_records", std::filesystem::path(table).filename().string(),
                  installed(table));
    }
    // The tables once stores were made.
    char database[TK73_MAX_PATH] = {};
    AecrbsGetTK73DataBasePath(database);
    for (const char* table : {"STORE.edb", "REGISTER.edb", "VEK.edb"}) {
        writeSeed(corpus, "csv_records", std::string("stores_") + table,
                  readRequired(std::string(database) + "/" + table));
    }
}

void writeHives(const std::string& corpus, const std::string& root) {
    writeSeed(corpus, "registry_hive", "machine.reg",
              withoutRoot(readRequired(root + "/stage/machine.reg"), root));
    writeSeed(corpus, "registry_hive", "user_stores.reg",
              withoutRoot(readRequired(root + "/user.reg"), root));
}

void writeProgramFiles(const std::string& corpus) {
    // Record numbers of six, five and four digits, a data file, an item file, a logo, a set
    // menu of the first layout version, new-type header lines and a controller's file.
    for (const char* file :
         {"register/KR301/DEFAULT/FILE004P.TXT", "register/KR301/DEFAULT/FILE005P.TXT",
          "register/KR301/DEFAULT/FILE003P.TXT", "register/KR301/DEFAULT/FILE090P.TXT",
          "register/KR301/DEFAULT/FILE002I.TXT", "register/KR301/DEFAULT/FILE030P.TXT",
          "register/KR301/OLDVERSION/FILE028P.TXT", "register/KR420/DEFAULT/FILE004P.TXT",
          "vek/VK500/DEFAULT/FILE422P.TXT"}) {
        std::string name = file;
        name = name.substr(name.find('/') + 1);
        for (char& c : name) {
            c = c == '/' ? '_' : c;
        }
        writeSeed(corpus, "program_file", name, kPlacement + installed(file));
    }
}

void writeDefinitions(const std::string& corpus) {
    // Each definition with the program file of its first menu, whose items are resolved.
    for (const auto& [definition, folder] :
         {std::pair{"register/KR301/KR301.INI", "register/KR301/DEFAULT/"},
          std::pair{"register/KR420/KR420.INI", "register/KR420/DEFAULT/"},
          std::pair{"register/KR150/KR150.INI", "register/KR150/DEFAULT/"},
          std::pair{"vek/VK500/VK500.INI", "vek/VK500/DEFAULT/"},
          std::pair{"register/KR301/OLDVERSION/KR301Ver00.INI", "register/KR301/OLDVERSION/"}}) {
        const std::string text = installed(definition);
        writeSeed(corpus, "definition_items", std::filesystem::path(definition).stem().string(),
                  text + '\0' + installed(folder + firstMenuFile(text)));
    }
}

}  // namespace

void writeInstallationSeeds(const std::string& corpus, const std::string& root) {
    writeProfiles(corpus);
    writeTables(corpus);
    writeHives(corpus, root);
    writeProgramFiles(corpus);
    writeDefinitions(corpus);
}

}  // namespace tk73seeds
