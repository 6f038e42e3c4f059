#include "network/encryption_library.h"

#include <mutex>

#include "platform/dynamic_library.h"

namespace tk73net {
namespace {

template <typename Entry>
bool resolve(void* module, const char* name, Entry* out) {
    *out = reinterpret_cast<Entry>(tk73::librarySymbol(module, name));
    return *out != nullptr;
}

EncryptionEntries g_entries{};
bool g_loaded = false;

void load() {
    void* module = tk73::loadLibrary("enclibdl.dll");
    if (module == nullptr) {
        return;
    }
    EncryptionEntries& e = g_entries;
    g_loaded = resolve(module, "encrypt_initial", &e.initial) &&
               resolve(module, "encrypt_rsa_set_bitnum", &e.rsaSetBitNum) &&
               resolve(module, "encrypt_des_make_rand_key_ex", &e.desMakeRandKeyEx) &&
               resolve(module, "encrypt_des", &e.des) && resolve(module, "encrypt_tdes", &e.tdes) &&
               resolve(module, "encrypt_rsa", &e.rsa) &&
               resolve(module, "encrypt_rsa_ex", &e.rsaEx) &&
               resolve(module, "encrypt_rsa_make_exparam", &e.rsaMakeExParam);
    if (!g_loaded) {
        tk73::freeLibrary(module);
    }
}

}  // namespace

const EncryptionEntries* encryptionLibrary() {
    static std::once_flag once;
    std::call_once(once, load);
    return g_loaded ? &g_entries : nullptr;
}

}  // namespace tk73net
