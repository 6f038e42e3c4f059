// A CSV file as a spreadsheet program saves it. The dialect is found from the file itself: the
// byte order mark or the bytes tell the encoding, and the first line the separator (the one of
// comma, semicolon and tab it holds most often outside quotes; Excel's "sep=" line wins).

#include <string_view>

#include "platform/code_page.h"
#include "spreadsheet/sheet_readers.h"

namespace tk73sheet {

namespace {

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The file's text as UTF-8.
std::string utf8Text(const std::string& bytes, const std::string& codePage) {
    if (startsWith(bytes, "\xEF\xBB\xBF")) {
        return bytes.substr(3);
    }
    if (startsWith(bytes, "\xFF\xFE") || startsWith(bytes, "\xFE\xFF")) {
        std::string text = tk73::toUtf8(bytes, "UTF-16");
        return startsWith(text, "\xEF\xBB\xBF") ? text.substr(3) : text;
    }
    // Bytes that are well-formed UTF-8 read as such: text in a single-byte code page that
    // happens to be well-formed UTF-8 is rare beyond plain ASCII, where both agree.
    if (tk73::toUtf8(bytes, "UTF-8") == bytes) {
        return bytes;
    }
    return tk73::toUtf8(bytes, codePage);
}

char separatorOf(std::string_view firstLine) {
    size_t commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (const char c : firstLine) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted) {
            commas += c == ',';
            semicolons += c == ';';
            tabs += c == '\t';
        }
    }
    if (tabs > commas && tabs >= semicolons) {
        return '\t';
    }
    return semicolons > commas ? ';' : ',';
}

}  // namespace

bool readSheetCsv(const std::string& bytes, const std::string& codePage,
                  const std::string& sheetName, Workbook& out, std::string& error) {
    const std::string text = utf8Text(bytes, codePage);
    std::string_view rest(text);
    char separator = 0;
    if (startsWith(rest, "sep=") && rest.size() >= 5) {
        separator = rest[4];
        const size_t lineEnd = rest.find('\n');
        rest.remove_prefix(lineEnd == std::string_view::npos ? rest.size() : lineEnd + 1);
    } else {
        separator = separatorOf(rest.substr(0, rest.find('\n')));
    }
    Sheet sheet{sheetName, false, {}};
    SheetRow row{1, {}};
    std::string value;
    bool quotedValue = false;
    const auto endValue = [&] {
        row.cells.emplace_back();
        if (!value.empty()) {
            row.cells.back() = {Cell::Type::Text, value};
        }
        value.clear();
        quotedValue = false;
    };
    const auto endRow = [&] {
        endValue();
        while (!row.cells.empty() && row.cells.back().empty()) {
            row.cells.pop_back();
        }
        const int next = row.number + 1;
        if (!row.cells.empty()) {
            sheet.rows.push_back(std::move(row));
        }
        row = {next, {}};
    };
    size_t at = 0;
    while (at < rest.size()) {
        if (row.number > kMaxSheetRows) {
            error = "the file has more rows than a spreadsheet holds";
            return false;
        }
        const char c = rest[at];
        if (c == '"' && value.empty() && !quotedValue) {
            // A quoted value: a doubled quote is one quote, and line ends are part of it.
            quotedValue = true;
            for (++at; at < rest.size(); ++at) {
                if (rest[at] == '"') {
                    if (at + 1 < rest.size() && rest[at + 1] == '"') {
                        value += '"';
                        ++at;
                    } else {
                        break;
                    }
                } else {
                    value += rest[at];
                }
            }
            ++at;
        } else if (c == separator) {
            endValue();
            ++at;
        } else if (c == '\r' || c == '\n') {
            endRow();
            at += c == '\r' && at + 1 < rest.size() && rest[at + 1] == '\n' ? 2 : 1;
        } else {
            // The rest of an unquoted value at once.
            const size_t end = rest.find_first_of(std::string{separator, '\r', '\n'}, at);
            const size_t stop = end == std::string_view::npos ? rest.size() : end;
            value.append(rest.substr(at, stop - at));
            at = stop;
        }
    }
    if (!value.empty() || quotedValue || !row.cells.empty()) {
        endRow();
    }
    out.sheets.assign(1, std::move(sheet));
    return true;
}

}  // namespace tk73sheet
