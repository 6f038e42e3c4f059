#include "answer_text.h"

#include <string.h>

void printBytes(FILE* out, const char* bytes, size_t size) {
    fputc('"', out);
    for (size_t i = 0; i < size; ++i) {
        const unsigned char byte = (unsigned char)bytes[i];
        if (byte == '"' || byte == '\\') {
            fprintf(out, "\\%c", byte);
        } else if (byte == '\r') {
            fputs("\\r", out);
        } else if (byte == '\n') {
            fputs("\\n", out);
        } else if (byte == '\t') {
            fputs("\\t", out);
        } else if (byte == '\0') {
            fputs("\\0", out);
        } else if (byte < 0x20 || byte >= 0x7F) {
            fprintf(out, "\\x%02X", byte);
        } else {
            fputc(byte, out);
        }
    }
    fputc('"', out);
}

void printArgument(FILE* out, const char* text) {
    if (text == NULL) {
        fputc('-', out);
    } else {
        printBytes(out, text, strlen(text));
    }
}
