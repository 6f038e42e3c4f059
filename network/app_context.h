#pragma once
// The application context of the network library: it carries the error triple (code, detail,
// system error) of the last failed call. Calls without a context leave their code in a
// process-wide value and in a per-thread slot, so that a thread reads its own failure back.

#include <cstdint>

#include "platform/api.h"

struct TK73APC {
    void* owned[4];
    int32_t code;
    int32_t detail;
    int32_t systemError;
    // While above 0 nothing is stored: the trace writer raises it while it writes, so that
    // logging never overwrites the error being reported.
    int32_t hold;
    // The module name for the event log; the executable's name when null.
    char* moduleName;
    void* moreOwned[5];
};

// The argument is ignored; the zero-filled context or null.
TK73_EXPORT TK73APC* TK73_API TK73bslCreateAPC(void* unused);
// 0 and a parameter error for null; else frees the context and what it owns, and 1.
TK73_EXPORT int TK73_API TK73bslDeleteAPC(TK73APC* context);
// Stores the code with detail and system error 0 (unless the context holds its error).
TK73_EXPORT int TK73_API TK73bslSetErrno(TK73APC* context, int32_t code);
// The code of the context; of a null context the calling thread's slot, else the process-wide
// value.
TK73_EXPORT int32_t TK73_API TK73bslGetErrno(const TK73APC* context);

namespace tk73net {

// Stores the triple under the hold rule; a null context takes the code as TK73bslSetErrno does.
void setError(TK73APC* context, int32_t code, int32_t detail, int32_t systemError);
void clearError(TK73APC* context);

// Raises the hold counter while it lives.
class ErrorHold {
  public:
    explicit ErrorHold(TK73APC* context);
    ~ErrorHold();
    ErrorHold(const ErrorHold&) = delete;
    ErrorHold& operator=(const ErrorHold&) = delete;

  private:
    TK73APC* context_;
};

}  // namespace tk73net
