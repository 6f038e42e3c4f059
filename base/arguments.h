#pragma once
// Argument lists: small keyed lists of text values that the base services pass to their
// operations, and the application context handle that lists, database frames and CSV writers
// carry from creation on.
//
// Names are unique within a list and compare byte by byte, letter case included. The newest
// entry is at the head. Every entry and both of its strings belong to the list and come from the
// library's allocator (AecrbsMalloc); values handed out stay valid until that argument is
// replaced or removed, or the list is reset or deleted.

#include <cstdint>

#include "platform/api.h"

// Application context: created zeroed, carried along, never read.
struct APC {
    uint32_t words[2];
};

struct ARG_ENTRY {
    ARG_ENTRY* next;  // the next older entry, or null
    char* name;       // non-empty
    char* value;      // never null; an absent value is the empty string
};

struct ARGR {
    APC* context;      // the handle given at creation, never read
    ARG_ENTRY* first;  // the newest entry, or null for an empty list
};

TK73_EXPORT APC* TK73_API AecrbsCreateAPC(void);
// 0 for a null handle.
TK73_EXPORT int TK73_API AecrbsDeleteAPC(APC* apc);

TK73_EXPORT ARGR* TK73_API AecrbsCreateARGR(APC* apc);
// 1, also for a null list.
TK73_EXPORT int TK73_API AecrbsDeleteARGR(ARGR* args);
// Frees every entry; the list stays, empty. 0 for a null list.
TK73_EXPORT int TK73_API AecrbsResetArgs(ARGR* args);

// A null list or a null or empty name makes every Set, Get and Null operation return 0 and
// change nothing.
//
// A null value stores the empty string. When memory runs out the list stays as it was.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsSetArgByString(ARGR* args, const char* name,
                                                             const char* value);
// Stores the number as decimal text.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsSetArgByInteger(ARGR* args, const char* name,
                                                              int32_t value);
// Removes the argument; 1 also when there was none.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsSetArgNull(ARGR* args, const char* name);

// The Get operations set their out value first, so a failure leaves value null, number 0 and
// isNull 1.
//
// value = the stored text, or null when the argument is missing; 1 also when it is missing.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsGetArgByString(ARGR* args, const char* name,
                                                             const char** value);
// number = the value read strictly as a 32-bit decimal (AecrbsStringToInteger); a missing or
// empty argument gives 0 with result 1, text that is no such number gives result 0.
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsGetArgByInteger(ARGR* args, const char* name,
                                                              int32_t* number);
// isNull = 1 when the argument is missing, 0 when it exists (with an empty value too).
TK73_EXPORT TK73_NODISCARD int TK73_API AecrbsGetArgNull(ARGR* args, const char* name, int* isNull);

// The newest entry, or null for an empty or null list; older entries follow through next.
TK73_EXPORT ARG_ENTRY* TK73_API AecrbsGetArgs(ARGR* args);
