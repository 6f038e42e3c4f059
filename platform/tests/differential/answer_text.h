#ifndef ANSWER_TEXT_H
#define ANSWER_TEXT_H
/* How the driver writes bytes into its answers: quoted, with every byte that is not printable
 * ASCII, and the quote and backslash, escaped, so that one answer is one line of text. */

#include <stddef.h>
#include <stdio.h>

void printBytes(FILE* out, const char* bytes, size_t size);

/* A NUL-terminated argument, or "-" for a null pointer. */
void printArgument(FILE* out, const char* text);

#endif
