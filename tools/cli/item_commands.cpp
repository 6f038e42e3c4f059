// get and set: setting items of one record or a range of records, through the program file
// handle, as an editor reads and writes them.

#include <cinttypes>
#include <cstdio>
#include <string>

#include "programfiles/cmn_update_info.h"
#include "tools/cli/command.h"
#include "tools/cli/exit_codes.h"
#include "tools/cli/item_target.h"
#include "tools/cli/json_text.h"
#include "tools/cli/terminal_text.h"

namespace tk73cli {

namespace {

const std::vector<OptionSpec>& itemOptions() {
    static const std::vector<OptionSpec> options = {
        kStoreOption,
        kVekOption,
        {"menu", "M", "the menu of the item"},
        {"item", "K", "the item of the menu"},
        {"file", "F", "the program file, with --field"},
        {"field", "TITLE", "the field of the program file by its title", kStoredText},
        {"record", "R", "one record"},
        {"records", "A-B", "a range of records (default: every record of the item)"},
    };
    return options;
}

std::string valueText(const tagPGMITEMDEF& def, const tagPGMITEMDATA& value) {
    if (def.nDataType == PGM_DATA_CHAR) {
        return value.text;
    }
    char text[32];
    if (def.nDataType == PGM_DATA_HEX) {
        std::snprintf(text, sizeof text, "%0*" PRIX64, def.nWidth, value.value);
    } else {
        std::snprintf(text, sizeof text, "%" PRIu64, value.value);
    }
    return text;
}

int runGet(const CommandLine& line, CliUserInteraction&) {
    ItemTarget target;
    const int resolved = target.Resolve(line);
    if (resolved != kExitOk) {
        return resolved;
    }
    PGMITEMDATAARRAY values;
    if (target.Handle().ReadItems(&target.Def(), 1, target.FirstRecord(), target.RecordCount(),
                                  &values, 0) != 1) {
        std::fprintf(stderr, "tk73: the records cannot be read\n");
        return kExitFailed;
    }
    const bool number =
        target.Def().nDataType == PGM_DATA_DIGIT || target.Def().nDataType == PGM_DATA_BIT;
    std::vector<std::string> items;
    for (int i = 0; i < target.RecordCount(); ++i) {
        const int record = target.FirstRecord() + i;
        const std::string text = valueText(target.Def(), values[static_cast<size_t>(i)]);
        if (line.has("json")) {
            JsonObject item;
            item.Number("record", record);
            items.push_back((number ? item.Raw("value", text) : item.Text("value", text)).Str());
        } else {
            std::printf("%d\t%s\n", record, TerminalText(text).c_str());
        }
    }
    if (line.has("json")) {
        std::printf("%s\n", JsonArray(items).c_str());
    }
    return kExitOk;
}

// The value as the item takes it; false with the reason on standard error when it does not fit
// the item's width or type, so that nothing is written.
bool parseValue(const tagPGMITEMDEF& def, const std::string& text, tagPGMITEMDATA& out) {
    const auto fail = [&](const char* why) {
        std::fprintf(stderr, "tk73: \"%s\" %s\n", TerminalText(text).c_str(), why);
        return false;
    };
    const size_t width = static_cast<size_t>(def.nWidth);
    if (def.nDataType == PGM_DATA_CHAR) {
        for (const char c : text) {
            if (static_cast<unsigned char>(c) < 0x20 || c == '"' || c == ',') {
                return fail("holds a character a program file cannot keep");
            }
        }
        if (text.size() > width) {
            return fail(
                ("is longer than the item's " + std::to_string(width) + " characters").c_str());
        }
        out.text = text;
        return true;
    }
    const bool bit = def.nDataType == PGM_DATA_BIT;
    const bool hex = def.nDataType == PGM_DATA_HEX;
    const char* digits = bit ? "01" : hex ? "0123456789ABCDEFabcdef" : "0123456789";
    if (text.empty() || text.find_first_not_of(digits) != std::string::npos) {
        return fail(bit   ? "is not 0 or 1"
                    : hex ? "is not a hexadecimal number"
                          : "is not a number");
    }
    const size_t significant = text.size() - std::min(text.find_first_not_of('0'), text.size());
    if (!bit && (significant > width || significant > (hex ? 16u : 19u))) {
        return fail(("has more digits than the item's " + std::to_string(width)).c_str());
    }
    out.value = std::stoull(text, nullptr, hex ? 16 : 10);
    out.length = 8;
    return true;
}

int runSet(const CommandLine& line, CliUserInteraction&) {
    const std::string text = line.value("value");
    ItemTarget target;
    const int resolved = target.Resolve(line);
    if (resolved != kExitOk) {
        return resolved;
    }
    tagPGMITEMDATA value;
    if (!parseValue(target.Def(), text, value)) {
        return kExitBadValue;
    }
    // Every record is read first: a range the file does not hold whole is refused before the
    // first record is written.
    PGMITEMDATAARRAY values;
    if (target.Handle().ReadItems(&target.Def(), 1, target.FirstRecord(), target.RecordCount(),
                                  &values, 0) != 1) {
        std::fprintf(stderr, "tk73: the records cannot be read\n");
        return kExitFailed;
    }
    values.assign(static_cast<size_t>(target.RecordCount()), value);
    if (target.Handle().WriteItems(&target.Def(), 1, target.FirstRecord(), target.RecordCount(),
                                   &values, 0) != 1) {
        std::fprintf(stderr, "tk73: the records cannot be written\n");
        return kExitFailed;
    }
    // As an editor does after writing: the machines learn that their menu data changed.
    if (CCmnUpdateInfo::UpdateMenuDateTimeAfterWrite(target.StoreNo(), target.Def().nFileNo) != 1) {
        std::fprintf(stderr, "tk73: the menu update stamp cannot be written\n");
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace

std::vector<Command> ItemCommands() {
    std::vector<OptionSpec> getOptions = itemOptions();
    getOptions.push_back(kJsonOption);
    std::vector<OptionSpec> setOptions = itemOptions();
    setOptions.push_back({"value", "V", "the value every chosen record gets", kStoredText});
    return {
        {"get",
         "[--store N] [--vek] (--menu M --item K | --file F --field TITLE) [--record R | "
         "--records A-B] [--json]",
         "Prints an item's value in each record, one record a line.", getOptions, 0, 0, runGet},
        {"set",
         "[--store N] [--vek] (--menu M --item K | --file F --field TITLE) [--record R | "
         "--records A-B] --value V",
         "Writes a value into an item of each record.", setOptions, 0, 0, runSet},
    };
}

}  // namespace tk73cli
