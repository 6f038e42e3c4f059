#pragma once
// The definition sections the packer reads, in the form of the machine kind it packs for.

#include <memory>
#include <string>

#include "definitions/def_crp_files.h"
#include "definitions/def_file_inf.h"

namespace tk73pack {

// The FILE_INF section that gives the files' layouts for the code-page conversion; null when the
// switch is off, so that no layout is read at all (an archive is unpacked right after its
// definition was written, when every read of the file goes back to its bytes).
inline std::unique_ptr<CTK73defRegVekFILEINF> conversionLayouts(unsigned long conversionSwitch,
                                                                const std::string& file, int kind) {
    if ((conversionSwitch & 1) == 0) {
        return nullptr;
    }
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

// Whether a file needs the code-page conversion: there are layouts (the switch is on) and the
// file has a character field; info then receives the file's layout.
[[nodiscard]] inline bool needsConversion(const CTK73defRegVekFILEINF* layouts, int fileNo,
                                          Record_Information& info) {
    if (layouts == nullptr) {
        return false;
    }
    // A layout cut short by a faulty field still converts the fields read before it.
    (void)layouts->GetFileDef(fileNo, &info);
    return layouts->CkFileCommConv(&info) == 1;
}

}  // namespace tk73pack
