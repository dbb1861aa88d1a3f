// FNV-1a with 64 bits: a frame's fingerprint that any device and language can compute alike.
#ifndef VORLEN_PLATFORM_COMMON_FNV1A64_H
#define VORLEN_PLATFORM_COMMON_FNV1A64_H

#include <cstddef>
#include <cstdint>

// The FNV-1a 64-bit hash of a block of bytes.
uint64_t fnv1a64(const uint8_t *bytes, size_t size);

#endif
