// The UCI loop's input: whole lines of any length up to a limit, and the words in them.
#ifndef VORLEN_TOOLS_ENGINE_UCI_INPUT_H
#define VORLEN_TOOLS_ENGINE_UCI_INPUT_H

#include <cstddef>
#include <cstdio>
#include <string>

// The longest line taken: room for a move list of MAX_UCI_PLIES five-letter moves after a FEN.
#define UCI_LINE_LIMIT (16 * 1024 * 1024)

// Reads one line into `line`, control bytes turned into blanks; 0 at the end of the input. A line
// longer than UCI_LINE_LIMIT is read to its end, keeps only its first UCI_LINE_LIMIT bytes and is
// marked too long.
int read_uci_line(FILE *in, std::string &line, int *too_long);
// The next blank-separated word at *cursor, terminated in place; null when none is left.
char *next_word(char **cursor);
// 1 when the words are the same but for the case of ASCII letters, as UCI compares names.
int same_name(const char *left, const char *right);
// Joins the words up to the word `stop` (left unread) or to the end with single blanks; 0 when
// they do not fit in `size` bytes.
int join_words(char **cursor, const char *stop, char *joined, size_t size);
// How many words are left at the cursor, without moving it.
long count_words(const char *cursor);

#endif
