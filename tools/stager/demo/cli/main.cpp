// tk73demo --mode N --card FOLDER: lays the sample shop into the staged installation of the
// environment for the user mode: its archive on the card folder for the single-store layouts,
// its store for the pro layout.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tools/stager/demo/demo_shop.h"

int main(int argc, char** argv) {
    uint32_t mode = 0;
    std::string card;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--mode") == 0) {
            mode = static_cast<uint32_t>(std::strtoul(argv[i + 1], nullptr, 10));
        } else if (std::strcmp(argv[i], "--card") == 0) {
            card = argv[i + 1];
        }
    }
    if (card.empty() || argc % 2 == 0) {
        std::fprintf(stderr, "usage: tk73demo --mode N --card FOLDER\n");
        return 2;
    }
    std::string error;
    const bool made = mode == 2 ? tk73tools::MakeSampleShopStore(error)
                                : tk73tools::PutSampleShopOnCard(mode, card, error);
    if (!made) {
        std::fprintf(stderr, "tk73demo: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
