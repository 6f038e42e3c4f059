#include "operations/ops_crz.h"

#include "archive/pack_archive.h"
#include "operations/active_store_info.h"
#include "platform/api.h"

int CTK73opsCrz::SaveCrzFile(const char* path, int first, int last) {
    const CTK73opsActiveStoreInfo active;
    char ini[TK73_MAX_PATH] = {};
    char mainte[TK73_MAX_PATH] = {};
    char defaults[TK73_MAX_PATH] = {};
    if (path == nullptr || active.GetPathInfo(ini, mainte, defaults, 0) != 1) {
        return 0;
    }
    CTK73packArchive archive(ini, mainte, 0);
    return archive.PackCrzFile(path, active.GetRegModel().indentName.c_str(), first, last);
}
