#include "base/run_with_progress.h"

#include "base/user_interaction.h"

int TK73_API AecruiDoModalRPD(uintptr_t context, const char* caption, const char* message,
                              AecruiRPDProc callback, void* argument) {
    if (callback == nullptr) {
        return 0;
    }
    // The dialog keeps copies of the texts: the caller's buffers may change while it is shown.
    return tk73::ui().runWithProgress(caption ? caption : "", message ? message : "",
                                      tk73::MessageIcon::Application,
                                      [=] { return callback(context, argument); });
}
