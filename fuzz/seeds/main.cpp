// tk73fuzzseeds CORPUS: writes the generated seeds of the fuzz targets into CORPUS/<target>/
// (`make fuzz-seeds` writes them into fuzz/corpus). Everything it makes comes from the shipped
// installation through the suite's own code: a staged installation with stores, their packs and
// binary files, and the LAN sessions a register would hold with the LAN store. A file of the
// same name is replaced; seeds made by hand stay.

#include <cstdio>
#include <string>

#include "fuzz/fuzz_environment.h"
#include "fuzz/lan_session_store.h"
#include "fuzz/seeds/converter_seeds.h"
#include "fuzz/seeds/installation_seeds.h"
#include "fuzz/seeds/lan_session_seeds.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS\n", argv[0]);
        return 2;
    }
    const std::string corpus = argv[1];
    const std::string root = tk73fuzz::usePrivateEnvironment();
    // The LAN store is the first store and current until the converter's seeds make others.
    tk73fuzz::openLanStore(root);
    tk73seeds::writeLanSessionSeeds(corpus, root);
    tk73seeds::writeConverterSeeds(corpus, root);
    tk73seeds::writeInstallationSeeds(corpus, root);
    return 0;
}
