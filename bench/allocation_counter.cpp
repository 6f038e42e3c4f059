#include "bench/allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<size_t> held{0};
std::atomic<size_t> peak{0};

// Every block carries its size in front of it, so that unsized deletes can count it too.
constexpr size_t kHeader = alignof(std::max_align_t);

void* allocate(size_t size) {
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    *reinterpret_cast<size_t*>(block) = size;
    const size_t now = held.fetch_add(size) + size;
    size_t highest = peak.load();
    while (now > highest && !peak.compare_exchange_weak(highest, now)) {
    }
    return block + kHeader;
}

void release(void* pointer) {
    if (pointer == nullptr) {
        return;
    }
    unsigned char* block = static_cast<unsigned char*>(pointer) - kHeader;
    held.fetch_sub(*reinterpret_cast<size_t*>(block));
    std::free(block);
}

}  // namespace

void* operator new(size_t size) {
    return allocate(size);
}
void* operator new[](size_t size) {
    return allocate(size);
}
// The forms that do not throw count alike, or a block from one form would be freed by another.
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    try {
        return allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept {
    try {
        return allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void operator delete(void* pointer, const std::nothrow_t&) noexcept {
    release(pointer);
}
void operator delete[](void* pointer, const std::nothrow_t&) noexcept {
    release(pointer);
}
void operator delete(void* pointer) noexcept {
    release(pointer);
}
void operator delete[](void* pointer) noexcept {
    release(pointer);
}
void operator delete(void* pointer, size_t) noexcept {
    release(pointer);
}
void operator delete[](void* pointer, size_t) noexcept {
    release(pointer);
}

namespace tk73bench {

size_t allocatedBytes() {
    return held.load();
}

void resetPeak() {
    peak.store(held.load());
}

size_t peakBytes() {
    return peak.load();
}

}  // namespace tk73bench
