// Host bytes to UTF-16 and back, losslessly for any byte string.
#include "platform/common/host_path.h"

#include <cstdint>

namespace {

const uint32_t ESCAPE_BASE = 0xDC00;  // an undecodable byte b (0x80..0xFF) travels as 0xDC00 + b
const uint32_t HIGH_SURROGATES = 0xD800, LOW_SURROGATES = 0xDC00, SURROGATES_END = 0xE000;
const uint32_t MAX_CODE_POINT = 0x10FFFF;

// The length of the well-formed UTF-8 sequence at bytes[i] and its code point; 0 when the
// bytes there are not one (a stray or truncated byte, an overlong form, a surrogate, a value
// beyond Unicode).
int decode_sequence(const std::string &bytes, size_t i, uint32_t *code) {
    unsigned char lead = static_cast<unsigned char>(bytes[i]);
    int length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                 : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
    if (length == 0 || i + size_t(length) > bytes.size()) return 0;
    uint32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        unsigned char next = static_cast<unsigned char>(bytes[i + size_t(k)]);
        if ((next & 0xC0) != 0x80) return 0;
        c = c << 6 | (next & 0x3F);
    }
    static const uint32_t SMALLEST[5] = {0, 0, 0x80, 0x800, 0x10000};  // below these: overlong
    if (c < SMALLEST[length] || c > MAX_CODE_POINT || (c >= HIGH_SURROGATES && c < SURROGATES_END)) return 0;
    *code = c;
    return length;
}

// Appends one code point as UTF-8 (surrogate values included, in their three-byte form).
void append_utf8(std::string *out, uint32_t c) {
    if (c < 0x80) {
        *out += char(c);
    } else if (c < 0x800) {
        *out += char(0xC0 | c >> 6);
        *out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *out += char(0xE0 | c >> 12);
        *out += char(0x80 | (c >> 6 & 0x3F));
        *out += char(0x80 | (c & 0x3F));
    } else {
        *out += char(0xF0 | c >> 18);
        *out += char(0x80 | (c >> 12 & 0x3F));
        *out += char(0x80 | (c >> 6 & 0x3F));
        *out += char(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::u16string utf16_from_host_bytes(const std::string &bytes) {
    std::u16string out;
    for (size_t i = 0; i < bytes.size();) {
        uint32_t c = 0;
        int length = decode_sequence(bytes, i, &c);
        if (length == 0) {
            out += char16_t(ESCAPE_BASE + static_cast<unsigned char>(bytes[i]));  // 0x80..0xFF here
            ++i;
            continue;
        }
        i += size_t(length);
        if (c >= 0x10000) {
            out += char16_t(HIGH_SURROGATES + ((c - 0x10000) >> 10));
            out += char16_t(LOW_SURROGATES + ((c - 0x10000) & 0x3FF));
        } else {
            out += char16_t(c);
        }
    }
    return out;
}

std::string host_bytes_from_utf16(const std::u16string &text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        bool paired = c >= HIGH_SURROGATES && c < LOW_SURROGATES && i + 1 < text.size() &&
                      text[i + 1] >= LOW_SURROGATES && text[i + 1] < SURROGATES_END;
        if (paired) {
            c = 0x10000 + ((c - HIGH_SURROGATES) << 10) + (uint32_t(text[++i]) - LOW_SURROGATES);
            append_utf8(&out, c);
        } else if (c >= ESCAPE_BASE + 0x80 && c <= ESCAPE_BASE + 0xFF) {
            out += char(c - ESCAPE_BASE);
        } else {
            append_utf8(&out, c);
        }
    }
    return out;
}
