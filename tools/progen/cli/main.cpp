// tk73progen <model folder> <file number> <records> <output> [--free N]: writes a large program
// file in the layout of a shipped model, for tests and benchmarks.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/progen/program_generator.h"

int main(int argc, char** argv) {
    if (argc != 5 && !(argc == 7 && std::string(argv[5]) == "--free")) {
        std::fprintf(stderr,
                     "usage: tk73progen <model folder> <file number> <records> <output> "
                     "[--free N]\n"
                     "  e.g. tk73progen install/register/KR301 4 99999 FILE004P.TXT --free 100\n");
        return 2;
    }
    tk73tools::GenerateRequest request;
    request.modelFolder = argv[1];
    request.fileNo = std::atoi(argv[2]);
    request.records = std::atoi(argv[3]);
    request.output = argv[4];
    request.freeRecords = argc == 7 ? std::atoi(argv[6]) : 0;
    std::string error;
    if (!tk73tools::generateProgramFile(request, error)) {
        std::fprintf(stderr, "tk73progen: %s\n", error.c_str());
        return 1;
    }
    std::printf("wrote %d records of file %d to %s\n", request.records, request.fileNo,
                request.output.c_str());
    return 0;
}
