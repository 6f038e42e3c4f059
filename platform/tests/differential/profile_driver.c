/* Makes the generated cases on real files and prints every call's answer, one line a call.
 * Built for Windows it calls the system's profile functions, built here the suite's own; the
 * two outputs are compared line by line (compare_answers.py).
 *
 *   profile_driver FOLDER SEED CASES [FIRST]
 *
 * FOLDER must exist and be empty; the cases' files are made in it. */

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "answer_text.h"
#include "profile_cases.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#define PATH_SEPARATOR "\\"
typedef DWORD Count;
#define getString GetPrivateProfileStringA
#define getInt GetPrivateProfileIntA
#define getSection GetPrivateProfileSectionA
#define writeString WritePrivateProfileStringA
#else
#include "platform/ini_profile.h"
#define PATH_SEPARATOR "/"
typedef uint32_t Count;
#define getString tk73_GetPrivateProfileStringA
#define getInt tk73_GetPrivateProfileIntA
#define getSection tk73_GetPrivateProfileSectionA
#define writeString tk73_WritePrivateProfileStringA
#endif

enum {
    /* Larger than any answer a case can give: the size of the call that learns its length. */
    WHOLE_SIZE = 4 * CASE_MAX_FILE,
    /* Bytes past the end of the buffer that no call may touch. */
    GUARD = 16,
    /* Sections whose keys and lines the listing after a write reads. */
    LISTED_SECTIONS = 10
};

/* Never a byte of a case: what is left of it after a call was not written. */
static const unsigned char kUnwritten = 0x7F;

static char buffer[WHOLE_SIZE + GUARD];

static void printBuffer(Count size) {
    size_t written = 0;
    for (size_t i = 0; i < size; ++i) {
        if ((unsigned char)buffer[i] != kUnwritten) {
            written = i + 1;
        }
    }
    printBytes(stdout, buffer, written);
    for (size_t i = size; i < size + GUARD; ++i) {
        if ((unsigned char)buffer[i] != kUnwritten) {
            fputs(" overrun", stdout);
            break;
        }
    }
    fputc('\n', stdout);
}

static Count callString(const char* section, const char* key, const char* text, Count size,
                        const char* path) {
    memset(buffer, kUnwritten, sizeof buffer);
    const Count result = getString(section, key, text, buffer, size, path);
    printf("S ");
    printArgument(stdout, section);
    fputc(' ', stdout);
    printArgument(stdout, key);
    fputc(' ', stdout);
    printArgument(stdout, text);
    printf(" %lu -> %lu ", (unsigned long)size, (unsigned long)result);
    printBuffer(size);
    return result;
}

static Count callSection(const char* section, Count size, const char* path) {
    memset(buffer, kUnwritten, sizeof buffer);
    const Count result = getSection(section, buffer, size, path);
    printf("P ");
    printArgument(stdout, section);
    printf(" %lu -> %lu ", (unsigned long)size, (unsigned long)result);
    printBuffer(size);
    return result;
}

static void printFile(const char* path) {
    FILE* file = fopen(path, "rb");
    if (file == NULL) {
        fputs("none", stdout);
        return;
    }
    static char bytes[8 * CASE_MAX_FILE];
    const size_t size = fread(bytes, 1, sizeof bytes, file);
    fclose(file);
    printBytes(stdout, bytes, size);
}

/* The section names, then the keys and the lines of each section, as the calls give them. */
static void listFile(const char* path) {
    static char names[WHOLE_SIZE];
    const Count size = callString(NULL, NULL, "", WHOLE_SIZE, path);
    memcpy(names, buffer, size);
    const char* name = names;
    for (int listed = 0; name < names + size && listed < LISTED_SECTIONS; ++listed) {
        callString(name, NULL, "", WHOLE_SIZE, path);
        callSection(name, WHOLE_SIZE, path);
        name += strlen(name) + 1;
    }
}

/* The call with a buffer large enough for the whole answer, then with the sizes around it. */
static void runSized(const ProfileOp* op, const char* path) {
    const Count whole = op->kind == OP_STRING
                            ? callString(op->section, op->key, op->text, WHOLE_SIZE, path)
                            : callSection(op->section, WHOLE_SIZE, path);
    /* Wine writes in front of the buffer of a section's lines smaller than two bytes. */
    const long smallest = op->kind == OP_SECTION ? 2 : 0;
    for (int i = 0; i < op->sizeCount; ++i) {
        const ProfileSize pick = op->sizes[i];
        const long wanted = pick.relative ? (long)whole + pick.amount : pick.amount;
        const Count size = (Count)(wanted < smallest ? smallest : wanted);
        if (op->kind == OP_STRING) {
            callString(op->section, op->key, op->text, size, path);
        } else {
            callSection(op->section, size, path);
        }
    }
}

static void runOp(const ProfileOp* op, const char* path) {
    switch (op->kind) {
        case OP_STRING:
        case OP_SECTION:
            runSized(op, path);
            break;
        case OP_INT: {
            const unsigned result = getInt(op->section, op->key, op->number, path);
            printf("I ");
            printArgument(stdout, op->section);
            fputc(' ', stdout);
            printArgument(stdout, op->key);
            printf(" %d -> %u\n", op->number, result);
            break;
        }
        case OP_WRITE: {
            const int result = writeString(op->section, op->key, op->text, path) ? 1 : 0;
            printf("W ");
            printArgument(stdout, op->section);
            fputc(' ', stdout);
            printArgument(stdout, op->key);
            fputc(' ', stdout);
            printArgument(stdout, op->text);
            printf(" -> %d ", result);
            printFile(path);
            fputc('\n', stdout);
            if (op->listAfter) {
                listFile(path);
            }
            break;
        }
    }
}

static int runCase(const char* folder, int index, const ProfileCase* c) {
    char path[1024];
    snprintf(path, sizeof path, "%s%s%sc%d.ini", folder, PATH_SEPARATOR,
             c->start == START_NO_FOLDER ? "missing" PATH_SEPARATOR : "", index);
    printf("case %d ", index);
    if (c->start == START_FILE) {
        FILE* file = fopen(path, "wb");
        if (file == NULL || fwrite(c->file, 1, c->fileSize, file) != c->fileSize ||
            fclose(file) != 0) {
            fprintf(stderr, "profile_driver: cannot write %s\n", path);
            return 0;
        }
        printBytes(stdout, c->file, c->fileSize);
    } else {
        fputs(c->start == START_NO_FILE ? "none" : "no-folder", stdout);
    }
    fputc('\n', stdout);
    for (int i = 0; i < c->opCount; ++i) {
        runOp(&c->ops[i], path);
    }
    return 1;
}

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: profile_driver FOLDER SEED CASES [FIRST]\n");
        return 2;
    }
    const unsigned long long seed = strtoull(argv[2], NULL, 10);
    const int count = atoi(argv[3]);
    const int first = argc > 4 ? atoi(argv[4]) : 0;
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    static ProfileCase c;
    printf("seed %llu cases %d\n", seed, count);
    for (int index = first; index < first + count; ++index) {
        generateProfileCase(seed, index, &c);
        if (!runCase(argv[1], index, &c) || fflush(stdout) != 0) {
            return 1;
        }
    }
    return 0;
}
