// The exported interface of the LAN dialogs.

#include "landialogs/lan_handle.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "base/install_folders.h"
#include "base/registry_settings.h"
#include "base/user_interaction.h"
#include "landialogs/lan_dialogs.h"
#include "landialogs/lan_run.h"
#include "landialogs/lan_select.h"
#include "landialogs/lan_select_pair.h"
#include "network/net_errors.h"
#include "programfiles/pgm_current_store.h"

namespace tk73lan {

namespace {

constexpr int kDone = 0;
constexpr int kNotDone = 2;

TK73LanHandle* createHandle(bool controller) {
    auto* handle = new (std::nothrow) TK73LanHandle;
    if (handle == nullptr) {
        tk73net::setError(nullptr, tk73net::kErrMemory, 0, 0);
        return nullptr;
    }
    handle->controller = controller;
    handle->context = TK73bslCreateAPC(nullptr);
    return handle;
}

int deleteHandle(TK73LanHandle* handle) {
    if (validHandle(handle) == nullptr) {
        tk73net::setError(nullptr, tk73net::kErrParameter, 0, 0);
        return 0;
    }
    handle->magic = 0;
    TK73bslDeleteAPC(handle->context);
    delete handle;
    return 1;
}

int setInfo(TK73LanHandle* handle, const char* text) {
    if (validHandle(handle) == nullptr || text == nullptr || *text == '\0') {
        return 0;
    }
    for (LanTask& task : parseTaskLines(text)) {
        handle->tasks.push_back(std::move(task));
    }
    return 1;
}

int doModalRun(TK73LanHandle* handle, const char* title, TK73LANTRANSFER transfer,
               void* callerValue) {
    if (validHandle(handle) == nullptr || transfer == nullptr) {
        return kNotDone;
    }
    LanRunRequest request(handle->tasks, title != nullptr ? title : "", handle->controller,
                          transfer, callerValue);
    tk73::ui().showDialog(request);
    if (request.endCode == LanRunRequest::kAllDone) {
        return kDone;
    }
    tk73net::setError(handle->context, tk73net::kErrSystem, 0, 0);
    return kNotDone;
}

bool sameNumber(const std::string& a, const char* b) {
    return b != nullptr && strcasecmp(a.c_str(), b) == 0;
}

int runStatus(TK73LanHandle* handle, const char* branchNo, const char* storeNo,
              const char* machineNo, int* status) {
    if (validHandle(handle) == nullptr || status == nullptr) {
        return 0;
    }
    for (const LanTask& task : handle->tasks) {
        if (sameNumber(task.branchNo, branchNo) && sameNumber(task.storeNo, storeNo) &&
            sameNumber(task.machineNo, machineNo)) {
            *status = task.status;
            return 1;
        }
    }
    return 0;
}

int doModalSelect(TK73LanHandle* handle, const char* title, const char* modelCode, bool controller,
                  int mode) {
    if (validHandle(handle) == nullptr) {
        return kNotDone;
    }
    LanSelectRequest request(tk73pgm::currentStoreNo(), controller, title != nullptr ? title : "",
                             modelCode != nullptr ? modelCode : "", mode != 0);
    if (!controller && mode == 0 && handle->preview) {
        request.setPreview(handle->preview);
    }
    if (tk73::ui().showDialog(request) != tk73::Button::Ok) {
        tk73net::setError(handle->context, tk73net::kErrSystem, 0, 0);
        return kNotDone;
    }
    handle->addresses = request.chosen();
    handle->changedOnly = request.sendChangedOnly();
    return kDone;
}

int doModalSelectPair(TK73LanHandle* registers, TK73LanHandle* controllers, const char* title,
                      int mode) {
    if (validHandle(registers) == nullptr || validHandle(controllers) == nullptr) {
        return kNotDone;
    }
    LanSelectPairRequest request(tk73pgm::currentStoreNo(), title != nullptr ? title : "",
                                 mode != 0);
    if (tk73::ui().showDialog(request) != tk73::Button::Ok) {
        tk73net::setError(controllers->context, tk73net::kErrSystem, 0, 0);
        return kNotDone;
    }
    registers->addresses = request.registers().chosen();
    controllers->addresses = request.controllers().chosen();
    return kDone;
}

int selectedCount(TK73LanHandle* handle) {
    return validHandle(handle) != nullptr ? static_cast<int>(handle->addresses.size()) : 0;
}

int selectedAddress(TK73LanHandle* handle, int index, char* out) {
    if (validHandle(handle) == nullptr || out == nullptr || index < 0 ||
        static_cast<size_t>(index) >= handle->addresses.size()) {
        return kNotDone;
    }
    const std::string& address = handle->addresses[static_cast<size_t>(index)];
    std::memcpy(out, address.c_str(), address.size() + 1);
    return kDone;
}

}  // namespace

TK73LanHandle* validHandle(TK73LanHandle* handle) {
    return handle != nullptr && handle->magic == TK73LanHandle::kMagic ? handle : nullptr;
}

void setSendPreview(TK73LanHandle* handle, SendPreview preview) {
    if (validHandle(handle) != nullptr) {
        handle->preview = std::move(preview);
    }
}

bool sendChangedOnly(TK73LanHandle* handle) {
    return validHandle(handle) != nullptr && handle->changedOnly;
}

}  // namespace tk73lan

using namespace tk73lan;

TK73LanHandle* TK73_API TK73LanCreateRWD(void) {
    return createHandle(false);
}
TK73LanHandle* TK73_API TK73LanVekCreateRWD(void) {
    return createHandle(true);
}
int TK73_API TK73LanDeleteRWD(TK73LanHandle* handle) {
    return deleteHandle(handle);
}
int TK73_API TK73LanVekDeleteRWD(TK73LanHandle* handle) {
    return deleteHandle(handle);
}
int TK73_API TK73LanSetInfoRWD(TK73LanHandle* handle, const char* text) {
    return setInfo(handle, text);
}
int TK73_API TK73LanVekSetInfoRWD(TK73LanHandle* handle, const char* text) {
    return setInfo(handle, text);
}
int TK73_API TK73LanDoModalRWD(TK73LanHandle* handle, const char* title, TK73LANTRANSFER transfer,
                               void* callerValue) {
    return doModalRun(handle, title, transfer, callerValue);
}
int TK73_API TK73LanVekDoModalRWD(TK73LanHandle* handle, const char* title,
                                  TK73LANTRANSFER transfer, void* callerValue) {
    return doModalRun(handle, title, transfer, callerValue);
}
int TK73_API TK73LanGetRWDStatus(TK73LanHandle* handle, const char* branchNo, const char* storeNo,
                                 const char* machineNo, int* status) {
    return runStatus(handle, branchNo, storeNo, machineNo, status);
}
int TK73_API TK73LanVekGetRWDStatus(TK73LanHandle* handle, const char* branchNo,
                                    const char* storeNo, const char* machineNo, int* status) {
    return runStatus(handle, branchNo, storeNo, machineNo, status);
}
int TK73_API TK73LanDoModalRSD(TK73LanHandle* handle, const char* title, const char* modelCode,
                               int mode) {
    return doModalSelect(handle, title, modelCode, false, mode);
}
int TK73_API TK73LanVekDoModalRSD(TK73LanHandle* registers, TK73LanHandle* controllers,
                                  const char* title, int mode) {
    return doModalSelectPair(registers, controllers, title, mode);
}
int TK73_API TK73LanVekDoModalRSDIndividual(TK73LanHandle* handle, const char* title,
                                            const char* modelCode, int mode) {
    return doModalSelect(handle, title, modelCode, true, mode);
}
int TK73_API TK73LanGetRSDCount(TK73LanHandle* handle) {
    return selectedCount(handle);
}
int TK73_API TK73LanVekGetRSDCount(TK73LanHandle* handle) {
    return selectedCount(handle);
}
int TK73_API TK73LanGetRSDIPAddr(TK73LanHandle* handle, int index, char* out) {
    return selectedAddress(handle, index, out);
}
int TK73_API TK73LanVekGetRSDIPAddr(TK73LanHandle* handle, int index, char* out) {
    return selectedAddress(handle, index, out);
}
