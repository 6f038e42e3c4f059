#include "outside/enclibdl/key_generator.h"

#include <nettle/sha2.h>
#include <nettle/yarrow.h>
#include <sys/random.h>

#include <cstring>
#include <mutex>

namespace enclib {
namespace {

std::mutex g_lock;
yarrow256_ctx g_yarrow;
bool g_seeded = false;

// The caller's text alone would make keys that anyone with a clock can repeat: the system's
// randomness is always mixed in.
void seedLocked(const char* text) {
    uint8_t material[YARROW256_SEED_FILE_SIZE + 64] = {};
    if (getrandom(material, YARROW256_SEED_FILE_SIZE, 0) < 0) {
        // Without the system's randomness the text and the address space still differ per run.
        const void* self = &material;
        std::memcpy(material, &self, sizeof self);
    }
    if (text != nullptr) {
        std::strncpy(reinterpret_cast<char*>(material) + YARROW256_SEED_FILE_SIZE, text, 63);
    }
    uint8_t seed[SHA256_DIGEST_SIZE];
    sha256_ctx hash;
    sha256_init(&hash);
    sha256_update(&hash, sizeof material, material);
    sha256_digest(&hash, sizeof seed, seed);
    yarrow256_init(&g_yarrow, 0, nullptr);
    yarrow256_seed(&g_yarrow, sizeof seed, seed);
    g_seeded = true;
}

}  // namespace

void seedGenerator(const char* text) {
    std::lock_guard<std::mutex> guard(g_lock);
    seedLocked(text);
}

void randomBytes(size_t length, uint8_t* out) {
    std::lock_guard<std::mutex> guard(g_lock);
    if (!g_seeded) {
        seedLocked(nullptr);
    }
    yarrow256_random(&g_yarrow, length, out);
}

void randomForNettle(void*, size_t length, uint8_t* out) {
    randomBytes(length, out);
}

}  // namespace enclib
