// Arbitrary profile files into the line parser and the edits of the profile functions. A value
// set in any file must read back, and the edit must keep every line before its section as it
// was.

#include <cstdint>
#include <string>

#include "platform/ini_document.h"
#include "platform/ini_edit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const tk73::IniDocument document(std::string(reinterpret_cast<const char*>(data), size));
    for (const tk73::IniLine& line : document.lines()) {
        if (line.begin > line.end || line.end > line.next || line.next > size) {
            __builtin_trap();
        }
    }
    const std::optional<std::string> changed =
        tk73::iniWithValue(document, "Fuzz", "Key", "value 1");
    const tk73::IniDocument edited(changed ? *changed : document.bytes());
    const std::optional<size_t> section = edited.findSection("fuzz");
    const std::optional<size_t> key =
        section ? edited.findEntry(*section, "KEY") : std::optional<size_t>();
    if (!key || edited.value(edited.lines()[*key]) != "value 1") {
        __builtin_trap();
    }
    const std::optional<size_t> before = document.findSection("Fuzz");
    const size_t header = before ? document.sections()[*before].header : 0;
    const size_t kept = before ? document.lines()[header].begin : document.bytes().size();
    if (edited.bytes().compare(0, kept, document.bytes(), 0, kept) != 0) {
        __builtin_trap();
    }
    return 0;
}
