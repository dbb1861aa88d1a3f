// FNV-1a with 64 bits: a frame's fingerprint that any device and language can compute alike.
#include "platform/common/fnv1a64.h"

uint64_t fnv1a64(const uint8_t *bytes, size_t size) {
    uint64_t hash = 14695981039346656037ull;
    for (size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 1099511628211ull;
    return hash;
}
