#include "platform/code_page.h"

#include <iconv.h>

#include <cerrno>

#include "platform/registry_hive.h"

namespace tk73 {

namespace {

constexpr const char* kUtf8 = "UTF-8";
constexpr const char* kSystemKey = "SOFTWARE\\KELVO\\TK73TOOL\\SYSTEM";
const iconv_t kNoConversion = reinterpret_cast<iconv_t>(-1);

bool iconvKnows(const std::string& codePage) {
    const iconv_t conversion = iconv_open(kUtf8, codePage.c_str());
    if (conversion == kNoConversion) {
        return false;
    }
    iconv_close(conversion);
    return true;
}

std::string knownOrDefault(const std::string& codePage) {
    return !codePage.empty() && iconvKnows(codePage) ? codePage : std::string(kDefaultCodePage);
}

bool isUtf8Continuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// How many input bytes an unconvertible character takes: a whole UTF-8 sequence as far as it
// goes, one byte of the code page (iconv has already joined a valid double-byte pair).
size_t unconvertibleLength(std::string_view rest, bool inputIsUtf8) {
    if (!inputIsUtf8) {
        return 1;
    }
    const auto lead = static_cast<unsigned char>(rest[0]);
    const size_t expected = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    size_t length = 1;
    while (length < expected && length < rest.size() &&
           isUtf8Continuation(static_cast<unsigned char>(rest[length]))) {
        ++length;
    }
    return length;
}

std::string convert(std::string_view input, const std::string& from, const std::string& to,
                    std::string_view replacement) {
    const iconv_t conversion = iconv_open(to.c_str(), from.c_str());
    if (conversion == kNoConversion) {
        return {};
    }
    const bool inputIsUtf8 = from == kUtf8;
    std::string out;
    char buffer[1024];
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    while (inLeft > 0) {
        char* next = buffer;
        size_t room = sizeof buffer;
        const size_t result = iconv(conversion, &in, &inLeft, &next, &room);
        out.append(buffer, static_cast<size_t>(next - buffer));
        if (result != static_cast<size_t>(-1) || errno == E2BIG) {
            continue;
        }
        if (errno != EILSEQ && errno != EINVAL) {
            break;
        }
        const size_t skipped = unconvertibleLength(std::string_view(in, inLeft), inputIsUtf8);
        out += replacement;
        in += skipped;
        inLeft -= skipped;
    }
    // Stateful encodings end their shift state here; the closing bytes are few.
    char* next = buffer;
    size_t room = sizeof buffer;
    iconv(conversion, nullptr, nullptr, &next, &room);
    out.append(buffer, static_cast<size_t>(next - buffer));
    iconv_close(conversion);
    return out;
}

}  // namespace

std::string installationCodePage() {
    const std::optional<RegistryValue> value =
        registryReadValue(Hive::Machine, kSystemKey, "CodePage");
    const bool isText = value && value->type == RegistryValue::Type::String;
    return knownOrDefault(isText ? value->text : std::string());
}

std::string toUtf8(std::string_view bytes, const std::string& codePage) {
    return convert(bytes, knownOrDefault(codePage), kUtf8, "\xEF\xBF\xBD");
}

std::string fromUtf8(std::string_view utf8, const std::string& codePage) {
    return convert(utf8, kUtf8, knownOrDefault(codePage), "?");
}

}  // namespace tk73
