// A language library for the tests: it answers two of the framework's string ids, one of them
// with a text longer than any string table holds, and no other.

#include <cstring>
#include <string>

extern "C" __attribute__((visibility("default"))) int TK73LangLoadString(unsigned id, char* buffer,
                                                                         int size) {
    std::string text;
    if (id == 61004) {
        text = "[JP] Restore defaults?";
    } else if (id == 61001) {
        text.assign(5000, 'x');
    } else {
        return 0;
    }
    if (size <= 0) {
        return 0;
    }
    const size_t count = std::min(text.size(), static_cast<size_t>(size) - 1);
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}
