#include "base/arguments.h"

#include <cstdio>
#include <cstring>

#include "base/memory.h"
#include "base/text_conversions.h"

namespace {

bool validName(const ARGR* args, const char* name) {
    return args != nullptr && name != nullptr && name[0] != '\0';
}

// The link that points at the entry of that name (the list head or the previous entry's next),
// or null when there is no such entry.
ARG_ENTRY** linkTo(ARGR* args, const char* name) {
    for (ARG_ENTRY** link = &args->first; *link != nullptr; link = &(*link)->next) {
        if (std::strcmp((*link)->name, name) == 0) {
            return link;
        }
    }
    return nullptr;
}

ARG_ENTRY* find(ARGR* args, const char* name) {
    ARG_ENTRY** link = linkTo(args, name);
    return link != nullptr ? *link : nullptr;
}

void freeEntry(ARG_ENTRY* entry) {
    AecrbsFree(entry->name);
    AecrbsFree(entry->value);
    AecrbsFree(entry);
}

}  // namespace

APC* TK73_API AecrbsCreateAPC(void) {
    auto* apc = static_cast<APC*>(AecrbsMalloc(sizeof(APC)));
    if (apc != nullptr) {
        std::memset(apc, 0, sizeof(APC));
    }
    return apc;
}

int TK73_API AecrbsDeleteAPC(APC* apc) {
    if (apc == nullptr) {
        return 0;
    }
    AecrbsFree(apc);
    return 1;
}

ARGR* TK73_API AecrbsCreateARGR(APC* apc) {
    auto* args = static_cast<ARGR*>(AecrbsMalloc(sizeof(ARGR)));
    if (args != nullptr) {
        args->context = apc;
        args->first = nullptr;
    }
    return args;
}

int TK73_API AecrbsDeleteARGR(ARGR* args) {
    AecrbsResetArgs(args);
    AecrbsFree(args);
    return 1;
}

int TK73_API AecrbsResetArgs(ARGR* args) {
    if (args == nullptr) {
        return 0;
    }
    while (args->first != nullptr) {
        ARG_ENTRY* entry = args->first;
        args->first = entry->next;
        freeEntry(entry);
    }
    return 1;
}

int TK73_API AecrbsSetArgByString(ARGR* args, const char* name, const char* value) {
    if (!validName(args, name)) {
        return 0;
    }
    // The copy is made before anything changes, so that running out of memory leaves the
    // argument with its old value (or still missing).
    char* copy = AecrbsStrdup(value != nullptr ? value : "");
    if (copy == nullptr) {
        return 0;
    }
    if (ARG_ENTRY* entry = find(args, name)) {
        AecrbsFree(entry->value);
        entry->value = copy;
        return 1;
    }
    auto* entry = static_cast<ARG_ENTRY*>(AecrbsMalloc(sizeof(ARG_ENTRY)));
    char* nameCopy = AecrbsStrdup(name);
    if (entry == nullptr || nameCopy == nullptr) {
        AecrbsFree(entry);
        AecrbsFree(nameCopy);
        AecrbsFree(copy);
        return 0;
    }
    entry->name = nameCopy;
    entry->value = copy;
    entry->next = args->first;
    args->first = entry;
    return 1;
}

int TK73_API AecrbsSetArgByInteger(ARGR* args, const char* name, int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return AecrbsSetArgByString(args, name, text);
}

int TK73_API AecrbsSetArgNull(ARGR* args, const char* name) {
    if (!validName(args, name)) {
        return 0;
    }
    if (ARG_ENTRY** link = linkTo(args, name)) {
        ARG_ENTRY* entry = *link;
        *link = entry->next;
        freeEntry(entry);
    }
    return 1;
}

int TK73_API AecrbsGetArgByString(ARGR* args, const char* name, const char** value) {
    if (value == nullptr) {
        return 0;
    }
    *value = nullptr;
    if (!validName(args, name)) {
        return 0;
    }
    if (const ARG_ENTRY* entry = find(args, name)) {
        *value = entry->value;
    }
    return 1;
}

int TK73_API AecrbsGetArgByInteger(ARGR* args, const char* name, int32_t* number) {
    if (number == nullptr) {
        return 0;
    }
    *number = 0;
    if (!validName(args, name)) {
        return 0;
    }
    const ARG_ENTRY* entry = find(args, name);
    if (entry == nullptr || entry->value[0] == '\0') {
        return 1;
    }
    return AecrbsStringToInteger(number, entry->value);
}

int TK73_API AecrbsGetArgNull(ARGR* args, const char* name, int* isNull) {
    if (isNull == nullptr) {
        return 0;
    }
    *isNull = 1;
    if (!validName(args, name)) {
        return 0;
    }
    *isNull = find(args, name) == nullptr ? 1 : 0;
    return 1;
}

ARG_ENTRY* TK73_API AecrbsGetArgs(ARGR* args) {
    return args != nullptr ? args->first : nullptr;
}
