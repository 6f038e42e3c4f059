#include "fuzz/seeds/converter_seeds.h"

#include <cstdio>
#include <cstdlib>

#include "archive/archive_files.h"
#include "archive/pack_archive.h"
#include "definitions/def_reg.h"
#include "fuzz/seeds/seed_files.h"
#include "fuzz/staged_store.h"
#include "platform/api.h"
#include "programfiles/pgm_file.h"

namespace tk73seeds {

namespace {

constexpr int kPlu = 4;
constexpr int kDepartment = 5;
constexpr int kLogo = 30;
constexpr int kJournal = 90;
constexpr int kControllerScanningPlu = 422;
// The PLU records an archive of part of the PLU file holds.
constexpr int kPartLast = 12;

void require(bool holds, const std::string& what) {
    if (!holds) {
        std::fprintf(stderr, "seeds: %s failed\n", what.c_str());
        std::exit(1);
    }
}

// One side (register 0, controller 1) of a store, as the packer takes it.
struct Side {
    std::string name;
    std::string definition;
    std::string mainte;
    int kind = 0;
};

Side sideOf(int storeNo, const std::string& indentName, int kind) {
    char definition[TK73_MAX_PATH] = {};
    require(CTK73defReg(indentName.c_str(), storeNo, kind).GetDbIniFilePath(definition) == 1,
            "finding the definition of " + indentName);
    return {indentName, definition, tk73fuzz::mainteFolder(storeNo, kind), kind};
}

class Converted {
  public:
    Converted(const std::string& corpus, const std::string& work) : corpus_(corpus), work_(work) {}

    // The pack text of the files (-1: every file of the archive list, the PLU file cut to its
    // first records).
    std::string packText(const Side& side, int fileNo) const {
        CTK73packArchive archive(side.definition.c_str(), side.mainte.c_str(), side.kind);
        require(
            archive.CreatePackTextFile(fileNo, fileNo < 0 ? 1 : 0, fileNo < 0 ? kPartLast : 0) == 1,
            "packing the text of " + side.name);
        return readRequired(tk73pack::tempFile("PgmFile.txt"));
    }

    // The converter's binary file of one file, as a LAN transfer sends it.
    std::string binary(const Side& side, int fileNo) const {
        const std::string path = work_ + "/file.bin";
        CTK73packArchive archive(side.definition.c_str(), side.mainte.c_str(), side.kind);
        require(archive.PackBinFile(path.c_str(), "", fileNo) == 1,
                "converting a file of " + side.name);
        std::string bytes = readRequired(path);
        std::remove(path.c_str());
        return bytes;
    }

    // The archive of every archived file with part of the PLU file, as the shell saves it.
    std::string archive(const Side& side) const {
        const std::string path = work_ + "/part.crz";
        CTK73packArchive archive(side.definition.c_str(), side.mainte.c_str(), side.kind);
        require(archive.PackCrzFile(path.c_str(), side.name.c_str(), 1, kPartLast) == 1,
                "archiving " + side.name);
        std::string bytes = readRequired(path);
        std::remove(path.c_str());
        return bytes;
    }

    void put(const char* target, const std::string& name, const std::string& bytes) const {
        writeSeed(corpus_, target, name, bytes);
    }

    std::string programText(const Side& side, int fileNo) const {
        char name[32] = {};
        std::snprintf(name, sizeof name, "/FILE%03dP.TXT", fileNo);
        return readRequired(side.mainte + name);
    }

  private:
    std::string corpus_;
    std::string work_;
};

}  // namespace

void writeConverterSeeds(const std::string& corpus, const std::string& work) {
    const Converted made(corpus, work);
    // Old-type header lines, new-type ones, the kiosk model, and a controller beside a register.
    for (const int model : {301, 420, 150}) {
        const std::string name = "KR" + std::to_string(model);
        const Side side = sideOf(tk73fuzz::createCurrentStore(model), name, 0);
        made.put("pack_text", name + "_archive.txt", made.packText(side, -1));
        made.put("program_binary", name + "_archive.crz", made.archive(side));
    }
    const int shared = tk73fuzz::createCurrentStore(301, 501);
    const Side reg = sideOf(shared, "KR301", 0);
    const Side controller = sideOf(shared, "VK500", 1);
    made.put("pack_text", "VK500_archive.txt", made.packText(controller, -1));
    made.put("pack_text", "KR301_logo.txt", made.packText(reg, kLogo));
    made.put("pack_text", "KR301_journal.txt", made.packText(reg, kJournal));
    for (const int fileNo : {kDepartment, kPlu, kLogo, kJournal}) {
        const std::string name = "KR301_FILE" + std::to_string(fileNo);
        made.put("program_binary", name + ".BIN", made.binary(reg, fileNo));
        made.put("program_binary", name + "P.TXT", made.programText(reg, fileNo));
    }
    made.put("program_binary", "VK500_FILE422.BIN",
             made.binary(controller, kControllerScanningPlu));
    made.put("program_binary", "KR301_pack.txt", made.packText(reg, -1));
}

}  // namespace tk73seeds
