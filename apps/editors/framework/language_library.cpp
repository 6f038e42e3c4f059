#include "apps/editors/framework/language_library.h"

#include <cstring>

#include "base/memory.h"

namespace tk73editor {

namespace {

// Texts of a string table hold at most this many bytes.
constexpr int kLongestText = 1024;

const LanguageLibrary* current = nullptr;

}  // namespace

LanguageLibrary::LanguageLibrary() {
    const std::string path = std::string(".") + "\\LangJP.DLL";
    module_ = AecrbsLoadLibrary(path.c_str());
    if (module_ != nullptr) {
        loadString_ =
            reinterpret_cast<LoadString>(AecrbsGetProcAddress(module_, "TK73LangLoadString"));
    }
    previous_ = current;
    current = this;
}

LanguageLibrary::~LanguageLibrary() {
    current = previous_;
    if (module_ != nullptr) {
        AecrbsFreeLibrary(module_);
    }
}

std::optional<std::string> LanguageLibrary::text(unsigned id) const {
    if (loadString_ == nullptr) {
        return std::nullopt;
    }
    char buffer[kLongestText + 1] = {};
    const int length = loadString_(id, buffer, kLongestText + 1);
    if (length <= 0) {
        return std::nullopt;
    }
    // The library's answer is not trusted to be terminated where it says.
    return std::string(buffer, strnlen(buffer, kLongestText));
}

const LanguageLibrary* LanguageLibrary::inUse() {
    return current;
}

}  // namespace tk73editor
