#include "tools/cli/terminal_text.h"

#include <cstdio>
#include <string_view>

#include "platform/code_page.h"

namespace tk73cli {

namespace {

// Read once: the installation does not change while a command runs, and a long listing converts
// every value.
const std::string& installationCodePage() {
    static const std::string codePage = tk73::installationCodePage();
    return codePage;
}

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 character at the start of rest, 0 when it is none: a
// stray continuation byte, a cut sequence, an overlong form, a surrogate or a code point beyond
// U+10FFFF.
size_t utf8CharacterLength(std::string_view rest) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(rest[i]); };
    const unsigned char lead = byte(0);
    const size_t length = lead < 0x80                    ? 1
                          : lead >= 0xC2 && lead <= 0xDF ? 2
                          : lead >= 0xE0 && lead <= 0xEF ? 3
                          : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                         : 0;
    if (length == 0 || length > rest.size()) {
        return 0;
    }
    for (size_t i = 1; i < length; ++i) {
        if (!isContinuation(byte(i))) {
            return 0;
        }
    }
    // The second byte's range that the lead allows (Unicode's table of well-formed sequences).
    const unsigned char second = length > 1 ? byte(1) : 0;
    const bool wellFormed = (lead != 0xE0 || second >= 0xA0) && (lead != 0xED || second < 0xA0) &&
                            (lead != 0xF0 || second >= 0x90) && (lead != 0xF4 || second < 0x90);
    return wellFormed ? length : 0;
}

// "U+0141" for a well-formed UTF-8 character.
std::string codePoint(std::string_view character) {
    const size_t length = character.size();
    unsigned long value = static_cast<unsigned char>(character[0]);
    if (length > 1) {
        value &= 0x7Fu >> length;  // the lead byte's payload
    }
    for (size_t i = 1; i < length; ++i) {
        value = (value << 6) | (static_cast<unsigned char>(character[i]) & 0x3Fu);
    }
    char text[16];
    std::snprintf(text, sizeof text, "U+%04lX", value);
    return text;
}

}  // namespace

std::string InstallationText(const std::string& utf8, const std::string& what) {
    std::string bytes;
    for (size_t at = 0; at < utf8.size();) {
        const std::string_view rest = std::string_view(utf8).substr(at);
        const size_t length = utf8CharacterLength(rest);
        if (length == 0) {
            char byte[8];
            std::snprintf(byte, sizeof byte, "0x%02X", static_cast<unsigned char>(rest[0]));
            throw BadTextError(what + ": the value is not UTF-8 text (byte " + byte + " after \"" +
                               utf8.substr(0, at) + "\")");
        }
        // One character at a time: the conversion puts "?" for a character the code page has
        // not, which must not pass for a question mark that was typed.
        const std::string_view character = rest.substr(0, length);
        const std::string converted = tk73::fromUtf8(character, installationCodePage());
        if (converted == "?" && character != "?") {
            throw BadTextError(
                what + ": \"" + std::string(character) + "\" (" + codePoint(character) +
                ") is no character of the installation's code page " + installationCodePage());
        }
        bytes += converted;
        at += length;
    }
    return bytes;
}

std::string TerminalText(const std::string& bytes) {
    return tk73::toUtf8(bytes, installationCodePage());
}

}  // namespace tk73cli
