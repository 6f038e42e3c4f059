#ifndef PROFILE_CASES_H
#define PROFILE_CASES_H
/* The cases of the differential test of the profile functions: a starting file and the calls
 * made on it. Cases come from a seeded generator of our own, so the program built for Windows
 * and the one built here make the same cases from the same seed. */

#include <stddef.h>
#include <stdint.h>

enum {
    CASE_MAX_FILE = 4096,
    CASE_MAX_OPS = 16,
    CASE_MAX_SIZES = 6,
    CASE_MAX_NAMES = 24,
    CASE_ARENA = 32768
};

typedef enum { OP_STRING, OP_INT, OP_SECTION, OP_WRITE } ProfileOpKind;

typedef enum { START_FILE, START_NO_FILE, START_NO_FOLDER } ProfileStart;

/* A buffer size: a fixed one, or one relative to the length of the whole answer (the result of
 * the same call with a large buffer, which the driver makes first). */
typedef struct {
    int relative;
    int amount;
} ProfileSize;

typedef struct {
    ProfileOpKind kind;
    const char* section; /* NULL is passed as NULL */
    const char* key;
    const char* text; /* the default of a string read, the value of a write */
    int number;       /* the default of an integer read */
    ProfileSize sizes[CASE_MAX_SIZES];
    int sizeCount;
    int listAfter; /* a write: list everything the file holds afterwards */
} ProfileOp;

typedef struct {
    ProfileStart start;
    /* The file holds a header without a name ("[]"), which Wine leaves out when it writes the
     * file again: the lines after it join the section before, and reads after a write differ
     * from reads of a file that keeps its lines. */
    int emptyHeader;
    char file[CASE_MAX_FILE];
    size_t fileSize;
    ProfileOp ops[CASE_MAX_OPS];
    int opCount;
    /* The names written into the file, the pool the calls draw from. */
    const char* sections[CASE_MAX_NAMES];
    int sectionCount;
    const char* keys[CASE_MAX_NAMES];
    int keyCount;
    char arena[CASE_ARENA];
    size_t arenaUsed;
} ProfileCase;

/* Case number index of the series of that seed. */
void generateProfileCase(uint64_t seed, int index, ProfileCase* out);

#endif
