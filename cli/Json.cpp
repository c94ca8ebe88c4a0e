#include "Json.h"

#include <cstdio>

namespace {

std::string escaped(unsigned char byte) {
    char text[8];
    std::snprintf(text, sizeof text, "\\u%04x", byte);
    return text;
}

// Length of the valid UTF-8 sequence that starts at `i`, or 0.
std::size_t utf8Length(const std::string& text, std::size_t i) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    unsigned minimum = 0;
    unsigned code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        minimum = 0x80;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        minimum = 0x800;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        minimum = 0x10000;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    // No overlong forms, surrogates or code points beyond Unicode.
    if (code < minimum || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return 0;
    return length;
}

} // namespace

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += static_cast<char>(byte);
        } else if (byte == '\n') {
            out += "\\n";
        } else if (byte == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            out += escaped(byte);
        } else if (byte >= 0x80) {
            const std::size_t length = utf8Length(text, i);
            if (length == 0) {
                out += escaped(byte);
            } else {
                out.append(text, i, length);
                i += length;
                continue;
            }
        } else {
            out += static_cast<char>(byte);
        }
        ++i;
    }
    return out + "\"";
}

std::string jsonStringOrNull(const std::string& text) {
    return text.empty() ? "null" : jsonString(text);
}
