// Host file names (any byte string, UTF-8 where the bytes allow) as the device's UTF-16 text and
// back. The round trip from bytes is lossless: a byte that is not part of a well-formed UTF-8
// sequence travels as the lone low surrogate U+DC80..U+DCFF, the way other programs carry
// undecodable bytes through UTF-16, and comes back as that same byte.
#ifndef VORLEN_PLATFORM_COMMON_HOST_PATH_H
#define VORLEN_PLATFORM_COMMON_HOST_PATH_H

#include <string>

// The UTF-16 text of host bytes: well-formed UTF-8 decoded, every other byte escaped.
std::u16string utf16_from_host_bytes(const std::string &bytes);
// The host bytes of UTF-16 text: escaped bytes restored, everything else as UTF-8 (a lone
// surrogate that is no escape is written as its three-byte form).
std::string host_bytes_from_utf16(const std::u16string &text);

#endif
