#include "base/file_utils.h"
#include "platform/file_copy.h"

int TK73_API AecrbsCopyFile(const char* source, const char* target, int failIfExists) {
    if (source == nullptr || target == nullptr) {
        return 0;
    }
    return tk73::copyFileAsNew(source, target, failIfExists == 0) ? 1 : 0;
}
