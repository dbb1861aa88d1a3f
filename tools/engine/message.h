// Error messages of the engine tool, which echo what they were given: each must stay one line.
#ifndef VORLEN_TOOLS_ENGINE_MESSAGE_H
#define VORLEN_TOOLS_ENGINE_MESSAGE_H

#define MESSAGE_LIMIT 512  // the longest message, terminator included, that is made printable

// Rewrites the message of `size` bytes in place so that it prints on one line: printable ASCII
// stays, every other byte (line breaks, control bytes, bytes above
// 0x7E) becomes \xHH; what no longer fits is cut off.
void make_printable(char *message, int size);

#endif
