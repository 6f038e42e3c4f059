#include "profile_cases.h"

#include <stdlib.h>
#include <string.h>

/* Every byte the cases hold is chosen from the lists below; none is 0x7F, the byte the driver
 * fills buffers with to see which bytes a call wrote. */

typedef struct {
    uint64_t state;
} Random;

/* splitmix64: the same numbers from the same seed on every compiler and system. */
static uint64_t nextNumber(Random* random) {
    uint64_t z = (random->state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

static int below(Random* random, int count) {
    return (int)(nextNumber(random) % (uint64_t)count);
}

static int chance(Random* random, int percent) {
    return below(random, 100) < percent;
}

#define COUNT(list) ((int)(sizeof(list) / sizeof((list)[0])))
#define PICK(random, list) ((list)[below((random), COUNT(list))])

static const char* const kSectionNames[] = {
    "S",   "Sec",  "SYSTEM",   "File_Inf", "Menu 1", "a",        "b",
    "x y", "DEPT", "\xC4rger", "PGM",      "K",      "\xE4rger", "\x83\x5C\x83\x76"};
static const char* const kKeyNames[] = {"K",  "key",       "Name",          "PGM_1", "a b",
                                        "X",  "\xE9t\xE9", "ALL_FIELD_NUM", "Title", "S",
                                        "k2", "\x83\x5C",  "\xC9T\xC9",     "Sec"};
static const char* const kValues[] = {
    "v",           "",     "  spaced  ", "\"q\"",    "'q'",     "\"q",
    "q\"",         "\"",   "''",         "\"\"",     "a;b",     "55zz",
    "-1",          "0x1F", "12",         "+7",       " 42 ",    "4294967297",
    "0x",          "-",    "3000000000", "\t9",      "0b101",   "0o17",
    "a=b",         "[x]",  "\xE9\xFC",   "\x81\x5C", "in  ner", "\" pad \"",
    "'a\"",        "0X1f", "  -0x10",    "1e3",      "007",     "-2147483648",
    "99999999999", "=v",   "\"a\"b\"",   "x ;c",     "\xC4",    "#1"};
static const char* const kUtf8Values[] = {"\xC3\xA9t\xC3\xA9", "\xE2\x82\xAC", "\xC3", "a\xC3\xA4",
                                          "\xEF\xBB\xBF"};
static const char* const kDefaults[] = {"d",   "dflt",    "d  ",   "d\t",   " d ",   "\"q\"",
                                        "'q'", "\"q\"  ", "\"",    "\"\"",  "a b",   "x\t \t",
                                        "  ",  "\t",      "'a'b'", "\"x' ", "\xE9 ", "12"};
static const char* const kBlanks[] = {" ", "\t", "  ", " \t ", " ", "\t", "\v", "\f", "\x1A"};
static const char* const kComments[] = {";c", "  ; c=1", ";", ";[x]", "#c=1", "//c", "\t;K=v"};
/* Lines that are neither a plain key nor a comment. */
static const char* const kOtherLines[] = {"just text", "a b c", "[open", "]",
                                          "x y=",      "=",     " = ",   "=="};

static char* keepBytes(ProfileCase* c, const char* bytes, size_t size) {
    if (c->arenaUsed + size + 1 > CASE_ARENA) {
        abort(); /* the arena holds far more than one case uses */
    }
    char* kept = c->arena + c->arenaUsed;
    memcpy(kept, bytes, size);
    kept[size] = '\0';
    c->arenaUsed += size + 1;
    return kept;
}

static const char* keep(ProfileCase* c, const char* text) {
    return keepBytes(c, text, strlen(text));
}

static const char* joined(ProfileCase* c, const char* first, const char* second,
                          const char* third) {
    char text[512];
    size_t size = 0;
    const char* parts[3] = {first, second, third};
    for (int i = 0; i < 3; ++i) {
        const size_t length = strlen(parts[i]);
        if (size + length < sizeof text) {
            memcpy(text + size, parts[i], length);
            size += length;
        }
    }
    return keepBytes(c, text, size);
}

/* The name with the letter case of some ASCII letters changed. */
static const char* caseChanged(Random* random, ProfileCase* c, const char* name) {
    char* changed = keepBytes(c, name, strlen(name));
    for (char* p = changed; *p; ++p) {
        if (chance(random, 50)) {
            if (*p >= 'a' && *p <= 'z') {
                *p = (char)(*p - 'a' + 'A');
            } else if (*p >= 'A' && *p <= 'Z') {
                *p = (char)(*p - 'A' + 'a');
            }
        }
    }
    return changed;
}

static const char* padded(Random* random, ProfileCase* c, const char* name) {
    return joined(c, chance(random, 60) ? PICK(random, kBlanks) : "", name,
                  chance(random, 60) ? PICK(random, kBlanks) : "");
}

/* A name as a caller might spell it: as written, in other letter cases, with blanks around. */
static const char* variant(Random* random, ProfileCase* c, const char* name) {
    if (chance(random, 25)) {
        name = caseChanged(random, c, name);
    }
    if (chance(random, 12)) {
        name = padded(random, c, name);
    }
    return name;
}

static void putBytes(ProfileCase* c, const char* bytes, size_t size) {
    if (c->fileSize + size <= CASE_MAX_FILE) {
        memcpy(c->file + c->fileSize, bytes, size);
        c->fileSize += size;
    }
}

static void put(ProfileCase* c, const char* text) {
    putBytes(c, text, strlen(text));
}

static void putLineEnd(Random* random, ProfileCase* c) {
    const int roll = below(random, 100);
    put(c, roll < 60   ? "\r\n"
           : roll < 85 ? "\n"
           : roll < 93 ? "\r"
           : roll < 97 ? "\r\r\n"
                       : "\n\r");
}

static void remember(const char** pool, int* count, const char* name) {
    if (*count < CASE_MAX_NAMES) {
        pool[(*count)++] = name;
    }
}

static const char* valueText(Random* random, ProfileCase* c, int utf8) {
    if (chance(random, 3)) {
        static const char kLong[] =
            "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
        return keep(c, kLong);
    }
    if (utf8 && chance(random, 40)) {
        return PICK(random, kUtf8Values);
    }
    return PICK(random, kValues);
}

static void putHeader(Random* random, ProfileCase* c, const char* name) {
    static const char* const kForms[] = {"[%]",     "[%]",    "[%]",   "[ % ]", "  [%]", "[%]  ",
                                         "[%]tail", "[%] ;c", "[%]x]", "[[%]]", "[%",    "[\t%\t]",
                                         "[%]]",    "[%] =v", "[]",    "[ ]"};
    const char* form = PICK(random, kForms);
    const char* mark = strchr(form, '%');
    if (mark == NULL) {
        put(c, form);
        remember(c->sections, &c->sectionCount, "");
        c->emptyHeader = 1;
        return;
    }
    putBytes(c, form, (size_t)(mark - form));
    put(c, name);
    put(c, mark + 1);
    remember(c->sections, &c->sectionCount, name);
    if (strcmp(form, "[%]x]") == 0) {
        remember(c->sections, &c->sectionCount, joined(c, name, "]x", ""));
    } else if (strcmp(form, "[[%]]") == 0) {
        remember(c->sections, &c->sectionCount, joined(c, "[", name, "]"));
    }
}

static void putKey(Random* random, ProfileCase* c, const char* name, int utf8) {
    static const char* const kForms[] = {
        "%=$", "%=$", "%=$", "% = $", "  %=$",    "%\t=\t$", "%=$  ", "%==$",
        "=$",  "%=",  "% =", "%=$;c", "%=\"$\" ", " = $",    "%"};
    const char* form = PICK(random, kForms);
    for (const char* p = form; *p; ++p) {
        if (*p == '%') {
            put(c, name);
        } else if (*p == '$') {
            put(c, valueText(random, c, utf8));
        } else {
            putBytes(c, p, 1);
        }
    }
    remember(c->keys, &c->keyCount, name);
}

static void putLine(Random* random, ProfileCase* c, int utf8) {
    const int roll = below(random, 100);
    if (roll < 55) {
        const char* name = c->keyCount > 0 && chance(random, 15)
                               ? variant(random, c, c->keys[below(random, c->keyCount)])
                               : PICK(random, kKeyNames);
        putKey(random, c, utf8 && chance(random, 20) ? PICK(random, kUtf8Values) : name, utf8);
    } else if (roll < 65) {
        put(c, c->keyCount > 0 && chance(random, 50) ? c->keys[below(random, c->keyCount)]
                                                     : PICK(random, kOtherLines));
    } else if (roll < 80) {
        put(c, PICK(random, kComments));
    } else {
        put(c, chance(random, 60) ? "" : PICK(random, kBlanks));
    }
}

static void makeFile(Random* random, ProfileCase* c) {
    const int roll = below(random, 100);
    if (roll < 4) {
        return; /* an empty file */
    }
    if (roll < 6) {
        put(c, "  \r\n\t\n\r\n");
        return;
    }
    const int utf8 = chance(random, 6);
    if (utf8) {
        put(c, "\xEF\xBB\xBF");
    }
    if (chance(random, 15)) {
        for (int lines = 1 + below(random, 3); lines > 0; --lines) {
            putLine(random, c, utf8);
            putLineEnd(random, c);
        }
    }
    const int sections = chance(random, 5) ? 0 : 1 + below(random, 5);
    for (int s = 0; s < sections; ++s) {
        const char* name = c->sectionCount > 0 && chance(random, 15)
                               ? variant(random, c, c->sections[below(random, c->sectionCount)])
                               : PICK(random, kSectionNames);
        putHeader(random, c, utf8 && chance(random, 15) ? PICK(random, kUtf8Values) : name);
        putLineEnd(random, c);
        for (int lines = below(random, 8); lines > 0; --lines) {
            putLine(random, c, utf8);
            putLineEnd(random, c);
        }
    }
    if (chance(random, 25)) {
        /* The last line without a line end. */
        while (c->fileSize > 0 &&
               (c->file[c->fileSize - 1] == '\n' || c->file[c->fileSize - 1] == '\r')) {
            --c->fileSize;
        }
    }
}

/* A section name for a call: mostly one of the file, sometimes one it does not hold. */
static const char* callSection(Random* random, ProfileCase* c) {
    const int roll = below(random, 100);
    if (roll < 78 && c->sectionCount > 0) {
        return variant(random, c, c->sections[below(random, c->sectionCount)]);
    }
    if (roll < 86) {
        return variant(random, c, PICK(random, kSectionNames));
    }
    if (roll < 92) {
        return chance(random, 50) ? "" : PICK(random, kBlanks);
    }
    return "nosuch";
}

static const char* callKey(Random* random, ProfileCase* c) {
    const int roll = below(random, 100);
    if (roll < 75 && c->keyCount > 0) {
        return variant(random, c, c->keys[below(random, c->keyCount)]);
    }
    if (roll < 85) {
        return variant(random, c, PICK(random, kKeyNames));
    }
    if (roll < 90) {
        return chance(random, 50) ? "" : PICK(random, kBlanks);
    }
    if (roll < 96) {
        return PICK(random, kComments);
    }
    return PICK(random, kOtherLines);
}

static void addSizes(Random* random, ProfileOp* op) {
    op->sizeCount = 1 + below(random, 3);
    for (int i = 0; i < op->sizeCount; ++i) {
        op->sizes[i].relative = !chance(random, 15);
        op->sizes[i].amount = op->sizes[i].relative ? below(random, 5) - 2 : below(random, 5);
    }
}

static void makeRead(Random* random, ProfileCase* c, ProfileOp* op) {
    const int roll = below(random, 100);
    op->section = chance(random, 6) ? NULL : callSection(random, c);
    if (roll < 60) {
        op->kind = OP_STRING;
        op->key = chance(random, 18) ? NULL : callKey(random, c);
        const int pick = below(random, 100);
        op->text = pick < 20 ? "" : pick < 32 ? NULL : PICK(random, kDefaults);
        addSizes(random, op);
    } else if (roll < 80) {
        static const int kNumbers[] = {0, -1, 7, 123456, -2147483647 - 1, 2147483647};
        op->kind = OP_INT;
        op->key = chance(random, 5) ? NULL : callKey(random, c);
        op->number = PICK(random, kNumbers);
    } else {
        op->kind = OP_SECTION;
        if (op->section == NULL) {
            op->section = callSection(random, c);
        }
        addSizes(random, op);
    }
}

/* Names a write may use without breaking the lines of the file. */
static int writable(const char* name) {
    const char* text = name;
    while (*text == ' ' || *text == '\t' || *text == '\v' || *text == '\f' || *text == '\x1A') {
        ++text;
    }
    return *text != ';' && *text != '[' && strpbrk(name, "\r\n=]") == NULL;
}

static const char* writeSection(Random* random, ProfileCase* c) {
    const char* section = callSection(random, c);
    return writable(section) ? section : "New";
}

static const char* writeKey(Random* random, ProfileCase* c) {
    const char* key = c->keyCount > 0 && chance(random, 80)
                          ? variant(random, c, c->keys[below(random, c->keyCount)])
                          : variant(random, c, PICK(random, kKeyNames));
    return writable(key) ? key : "NEW";
}

static void makeWrite(Random* random, ProfileCase* c, ProfileOp* op) {
    op->kind = OP_WRITE;
    op->listAfter = 1;
    const int roll = below(random, 100);
    op->section = writeSection(random, c);
    op->key = writeKey(random, c);
    op->text = valueText(random, c, 0);
    if (roll < 15) {
        op->text = NULL; /* delete the key */
    } else if (roll < 25) {
        op->key = NULL; /* delete the section */
        op->text = NULL;
    } else if (roll < 28) {
        op->section = NULL;
        op->key = NULL;
        op->text = NULL;
    } else if (roll < 31) {
        op->section = NULL;
    } else if (roll < 36) {
        op->section = chance(random, 50) ? "New" : "";
    } else if (roll < 39) {
        op->key = chance(random, 50) ? "" : PICK(random, kBlanks); /* the key without name */
    }
}

/* A write whose name or value holds what would break the lines of the file. It ends its case:
 * after it the files of the two sides may differ on purpose. */
static void makeBreakingWrite(Random* random, ProfileCase* c, ProfileOp* op) {
    static const char* const kBreakingValues[] = {"a\r\nb", "a\n", "\rb", "a\nK=v", "\r\n"};
    static const char* const kKeys[] = {"K\r\nX", "K\n", "=K",  ";K",  "[K", " ;K",
                                        "\t[K",   "a=b", "K= ", "[K]", "\r"};
    static const char* const kSections[] = {"S\nT", "S\r", "a]b", "S]", "]", "[S]", "\n"};
    op->kind = OP_WRITE;
    op->section = callSection(random, c);
    op->key = callKey(random, c);
    op->text = valueText(random, c, 0);
    const int roll = below(random, 3);
    if (roll == 0) {
        op->text = PICK(random, kBreakingValues);
    } else if (roll == 1) {
        op->key = PICK(random, kKeys);
    } else {
        op->section = PICK(random, kSections);
    }
}

void generateProfileCase(uint64_t seed, int index, ProfileCase* out) {
    memset(out, 0, sizeof *out);
    Random random = {seed * 0x100000001B3ull + (uint64_t)index};
    nextNumber(&random);
    const int start = below(&random, 100);
    out->start = start < 88 ? START_FILE : start < 96 ? START_NO_FILE : START_NO_FOLDER;
    if (out->start == START_FILE) {
        makeFile(&random, out);
    }
    const int ops = 5 + below(&random, 10);
    for (int i = 0; i < ops; ++i) {
        ProfileOp* op = &out->ops[out->opCount++];
        if (chance(&random, 26) && !out->emptyHeader) {
            makeWrite(&random, out, op);
        } else {
            makeRead(&random, out, op);
        }
    }
    /* A file with a header without a name gets one write, at the end and with nothing after. */
    if (out->emptyHeader && chance(&random, 50)) {
        makeWrite(&random, out, &out->ops[out->opCount++]);
        out->ops[out->opCount - 1].listAfter = 0;
    } else if (chance(&random, 30)) {
        makeBreakingWrite(&random, out, &out->ops[out->opCount++]);
    }
}
