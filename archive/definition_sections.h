#pragma once
// The definition sections the packer reads, in the form of the machine kind it packs for.

#include <memory>
#include <string>

#include "definitions/def_crp_files.h"
#include "definitions/def_file_inf.h"

namespace tk73pack {

inline std::unique_ptr<CTK73defRegVekFILEINF> fileInfSection(const std::string& file, int kind) {
    if (kind == 1) {
        return std::make_unique<CTK73defVekFILEINF>(file.c_str());
    }
    return std::make_unique<CTK73defFILEINF>(file.c_str());
}

inline std::unique_ptr<CTK73defRegVekCRPFILES> crpFilesSection(const std::string& file, int kind) {
    if (kind == 1) {
        return std::make_unique<CTK73defVekCRPFILES>(file.c_str());
    }
    return std::make_unique<CTK73defCRPFILES>(file.c_str());
}

// Whether a file needs the code-page conversion: the switch is on and the file has a character
// field. With the switch on, info receives the file's layout; with it off the definition is not
// read at all (an archive is unpacked right after its definition was written, when every read
// parses the file again).
inline bool needsConversion(unsigned long conversionSwitch, const CTK73defRegVekFILEINF& files,
                            int fileNo, Record_Information& info) {
    if ((conversionSwitch & 1) == 0) {
        return false;
    }
    files.GetFileDef(fileNo, &info);
    return files.CkFileCommConv(&info) == 1;
}

}  // namespace tk73pack
