// Error messages that stay on one line whatever bytes the input held.
#include "tools/engine/message.h"

#include <cstdio>
#include <cstring>

namespace {

#define ESCAPE_LENGTH 4  // "\xHH"

}  // namespace

// Copies the message aside and writes it back escaped, as far as it fits. Printable bytes are
// kept as they are, so a message made printable twice reads the same.
void make_printable(char *message, int size) {
    if (size <= 0) return;
    if (size > MESSAGE_LIMIT) size = MESSAGE_LIMIT;
    char original[MESSAGE_LIMIT];
    memcpy(original, message, (size_t)size);
    original[size - 1] = '\0';
    int length = 0;
    for (const char *at = original; *at; at++) {
        unsigned char byte = (unsigned char)*at;
        char shown[ESCAPE_LENGTH + 1];
        if (byte >= ' ' && byte < 127) {
            snprintf(shown, sizeof shown, "%c", byte);
        } else {
            snprintf(shown, sizeof shown, "\\x%02X", byte);
        }
        int shown_length = (int)strlen(shown);
        if (length + shown_length > size - 1) break;
        memcpy(message + length, shown, (size_t)shown_length);
        length += shown_length;
    }
    message[length] = '\0';
}
