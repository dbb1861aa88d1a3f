// Lines and words as the UCI loop reads them.
#include "tools/engine/uci_input.h"

#include <cstring>

// Reads byte by byte to the line end, so that a line of any length is taken whole or refused
// whole, never split into two commands.
int read_uci_line(FILE *in, std::string &line, int *too_long) {
    int byte = 0;
    int any = 0;
    line.clear();
    *too_long = 0;
    while ((byte = getc(in)) != EOF && byte != '\n') {
        any = 1;
        if (line.size() == UCI_LINE_LIMIT) {
            *too_long = 1;
            continue;
        }
        line.push_back(byte < ' ' || byte == 127 ? ' ' : (char)byte);
    }
    return byte != EOF || any;
}

// Skips blanks, then cuts the word off with a terminator.
char *next_word(char **cursor) {
    char *at = *cursor;
    while (*at == ' ') at++;
    if (*at == '\0') return nullptr;
    char *word = at;
    while (*at && *at != ' ') at++;
    if (*at) *at++ = '\0';
    *cursor = at;
    return word;
}

// Compares letter by letter with ASCII case folded.
int same_name(const char *left, const char *right) {
    for (; *left && *right; left++, right++) {
        char a = *left >= 'A' && *left <= 'Z' ? (char)(*left - 'A' + 'a') : *left;
        char b = *right >= 'A' && *right <= 'Z' ? (char)(*right - 'A' + 'a') : *right;
        if (a != b) return 0;
    }
    return *left == *right;
}

// Copies word after word until the stop word, the end of the line or a word that no longer fits.
int join_words(char **cursor, const char *stop, char *joined, size_t size) {
    size_t length = 0;
    joined[0] = '\0';
    for (;;) {
        char *at = *cursor + strspn(*cursor, " ");
        size_t word_length = strcspn(at, " ");
        *cursor = at;
        if (word_length == 0) return 1;
        if (stop && word_length == strlen(stop) && strncmp(at, stop, word_length) == 0) return 1;
        if (length + word_length + 2 > size) return 0;
        if (length > 0) joined[length++] = ' ';
        memcpy(joined + length, at, word_length);
        length += word_length;
        joined[length] = '\0';
        *cursor = at + word_length;
    }
}

// Counts the runs of bytes other than blanks.
long count_words(const char *cursor) {
    long count = 0;
    for (const char *at = cursor; *at;) {
        at += strspn(at, " ");
        if (*at == '\0') break;
        count++;
        at += strcspn(at, " ");
    }
    return count;
}
