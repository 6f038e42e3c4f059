// Copying the model's default program files into a store's maintenance folder.

#include <vector>

#include "base/file_utils.h"
#include "platform/api.h"
#include "programfiles/regvek_pgm_file.h"

int CTK73pgmRegVekPgmFile::CopyPgmFileDefaultToMainte(int fileNo, int overwrite) const {
    if (GetStoreNo() < 1 || GetModel().indentName.empty()) {
        return 0;
    }
    std::vector<int> files;
    if (fileNo == -1) {
        const auto pgmFiles =
            NewCTK73defRegVekPGMFILES(GetModel().indentName.c_str(), GetStoreNo());
        for (int index = 0; index < pgmFiles->GetValueCount(); ++index) {
            int number = 0;
            if (pgmFiles->GetValueFromIndex(index, &number)) {
                files.push_back(number);
            }
        }
    } else {
        files.push_back(fileNo);
    }
    int result = 1;
    for (const int number : files) {
        char source[TK73_MAX_PATH] = {};
        char target[TK73_MAX_PATH] = {};
        if (!CreateDefaultFullPath(number, source)) {
            continue;
        }
        if (CreateMainteFullPath(number, target) && overwrite != 1) {
            continue;
        }
        char folder[TK73_MAX_PATH] = {};
        // A file that cannot be copied fails the whole call like a folder that cannot be made;
        // the other files are still copied.
        if (!GetMaintePath(folder, 1) || target[0] == '\0' ||
            AecrbsCopyFile(source, target, 0) != 1) {
            result = 0;
        }
    }
    return result;
}
