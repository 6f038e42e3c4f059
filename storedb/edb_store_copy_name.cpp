// Names for copies of a store.

#include <string>

#include "platform/double_byte.h"
#include "storedb/edb_field_text.h"
#include "storedb/edb_store.h"

namespace {

size_t characterCount(std::string_view text) {
    size_t count = 0;
    for (size_t at = 0; at < text.size(); at += tk73::characterLength(text, at)) {
        ++count;
    }
    return count;
}

}  // namespace

int CTK73edbStore::MakeCopyStoreName(std::string& name, const char* prefix) const {
    const std::string before = prefix != nullptr ? prefix : "";
    const size_t prefixChars = characterCount(before);
    // Each try puts the prefix in front once more; once the prefix fills the 40 bytes, further
    // tries give the same name, so the number of tries is bounded by the prefix's length.
    const size_t tries = prefixChars == 0 ? 1 : STORE_EDB::kNameBytes / prefixChars + 1;
    std::string candidate = name;
    for (size_t tried = 0; tried < tries; ++tried) {
        candidate = tk73store::boundedText(before + candidate, STORE_EDB::kNameBytes);
        if (!IsExistStoreName(candidate.c_str(), -1)) {
            name = candidate;
            return 1;
        }
    }
    return 0;
}
