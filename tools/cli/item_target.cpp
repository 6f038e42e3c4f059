#include "tools/cli/item_target.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "operations/field_titles.h"
#include "programfiles/pgm_loaded_file.h"
#include "programfiles/pgm_record_lines.h"
#include "tools/cli/command.h"
#include "tools/cli/exit_codes.h"
#include "tools/cli/store_checks.h"
#include "tools/cli/terminal_text.h"

namespace tk73cli {

using tk73ops::FieldTitles;
using tk73ops::StoreDefinitionFile;

namespace {

constexpr int kMaxRecord = 99999;

// The kind of value a whole field holds: its characters as the definition and the first record
// show them. Only a field of digits is read as a number, and only a bit field of hexadecimal
// digits as hexadecimal; every other field is text.
int dataTypeOf(int attribute, const std::string& sample) {
    const auto all = [&](const char* allowed) {
        return !sample.empty() && sample.find_first_not_of(allowed) == std::string::npos;
    };
    if (attribute == FIELD_ATTR_CHAR) {
        return PGM_DATA_CHAR;
    }
    if (attribute == FIELD_ATTR_BIT) {
        return all("0123456789ABCDEF") ? PGM_DATA_HEX : PGM_DATA_CHAR;
    }
    return all("0123456789") ? PGM_DATA_DIGIT : PGM_DATA_CHAR;
}

}  // namespace

CPgmHandle& ItemTarget::Handle() {
    return vek_ ? base_.GetVekPgmHandle() : base_.GetRegPgmHandle();
}

int ItemTarget::Resolve(const CommandLine& line) {
    const bool byMenu = line.has("menu") || line.has("item");
    const bool byField = line.has("file") || line.has("field");
    if (byMenu == byField) {
        throw UsageError("name the item with --menu and --item, or with --file and --field");
    }
    const int menuNo = byMenu ? line.number("menu", 0, 999) : 0;
    const int itemNo = byMenu ? line.number("item", 0, 999) : 0;
    const int fileNo = byField ? line.number("file", 1, 999) : 0;
    const std::string title = byField ? line.value("field") : "";
    NumberRange records{0, 0};
    if (line.has("record") && line.has("records")) {
        throw UsageError("give --record or --records, not both");
    }
    if (line.has("record") || line.has("records")) {
        records = line.has("record")
                      ? parseRange(line.value("record"), "--record", 1, kMaxRecord)
                      : parseRange(line.value("records"), "--records", 1, kMaxRecord);
        if (line.has("record") && records.first != records.last) {
            throw UsageError("--record takes one record; use --records for a range");
        }
    }
    storeNo_ = StoreOf(line);
    vek_ = line.has("vek");
    STORE_EDB store;
    if (!FindStore(storeNo_, store)) {
        return kExitNotFound;
    }
    // A store that cannot be read has neither machine, refused below.
    (void)base_.Initialize(storeNo_);
    if (!(vek_ ? base_.HasVek() : base_.HasRegister()) ||
        !(vek_ ? base_.GetVekPgmHandle() : base_.GetRegPgmHandle()).IsOpened()) {
        std::fprintf(stderr, "tk73: store %d has no %s settings\n", storeNo_,
                     vek_ ? "controller" : "register");
        return kExitNotFound;
    }
    const int resolved = byMenu ? ResolveMenuItem(menuNo, itemNo) : ResolveField(fileNo, title);
    if (resolved != kExitOk) {
        return resolved;
    }
    const int itemFirst = def_.nFirstRecord;
    const int itemLast = def_.nFirstRecord + def_.nRecordCount - 1;
    first_ = records.first != 0 ? records.first : itemFirst;
    last_ = records.first != 0 ? records.last : itemLast;
    if (first_ < itemFirst || last_ > itemLast) {
        std::fprintf(stderr, "tk73: the item has records %d to %d\n", itemFirst, itemLast);
        return kExitNotFound;
    }
    return kExitOk;
}

int ItemTarget::ResolveMenuItem(int menuNo, int itemNo) {
    int record = 0;
    if (Handle().GetItemDef(&def_, menuNo, itemNo, 1) != 1 ||
        (def_.nMemoryType == PGM_MEMORY_FUNC && Handle().ResolveFuncItem(&def_, &record) != 1)) {
        std::fprintf(stderr, "tk73: menu %d has no item %d that can be resolved\n", menuNo, itemNo);
        return kExitNotFound;
    }
    return kExitOk;
}

int ItemTarget::ResolveField(int fileNo, const std::string& title) {
    const FieldTitles titles(StoreDefinitionFile(base_.GetStore(), vek_), vek_);
    const int fieldNo = titles.FieldNoOf(title);
    const std::vector<FIELD_INFO> fields = titles.Fields(fileNo);
    const auto field = std::find_if(fields.begin(), fields.end(), [&](const FIELD_INFO& f) {
        return fieldNo != 0 && f.fieldNo == fieldNo;
    });
    if (field == fields.end()) {
        std::fprintf(stderr, "tk73: program file %d has no field \"%s\"\n", fileNo,
                     TerminalText(title).c_str());
        return kExitNotFound;
    }
    tk73pgm::PgmLoadedFile file;
    size_t lineStart = 0;
    tk73pgm::FieldSpan span;
    if (tk73pgm::loadPgmFile(Handle().GetMainteFileName(nullptr, fileNo, 1), fileNo, -1, file) !=
            1 ||
        file.recordLine(1, lineStart) != 1 ||
        tk73pgm::FieldCursor(file.contents.bytes.get(), lineStart).seek(field->index, span) != 1) {
        std::fprintf(stderr, "tk73: program file %d of store %d cannot be read\n", fileNo,
                     storeNo_);
        return kExitFailed;
    }
    const std::string sample(file.contents.bytes.get() + span.first, span.end - span.first);
    def_ = tagPGMITEMDEF{};
    def_.nFileNo = fileNo;
    def_.nMemoryType = PGM_MEMORY_INDEX;
    def_.nFirstRecord = 1;
    def_.nRecordCount = file.recordCount();
    def_.nFieldIndex = field->index;
    def_.nDataType = dataTypeOf(field->attribute, sample);
    def_.nPosition = 1;
    def_.nWidth = static_cast<int32_t>(sample.size());
    return kExitOk;
}

}  // namespace tk73cli
