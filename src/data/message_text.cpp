#include "data/message_text.h"

#include <cstdint>

namespace sd {

namespace {

// Windows-1252 0x80..0x9F; 0 marks the five unassigned bytes.
constexpr uint16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       //
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendHex(std::string& out, unsigned byte) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out += "\\x";
    out += kDigits[(byte >> 4) & 0xF];
    out += kDigits[byte & 0xF];
}

bool IsControl(unsigned byte) { return byte < 0x20 || byte == 0x7F; }

// The Windows-1252 byte of a code point, 0 when the code page has none.
unsigned char ToCodePage(uint32_t cp) {
    if (cp >= 0xA0 && cp <= 0xFF) return static_cast<unsigned char>(cp);
    for (unsigned i = 0; i < 32; ++i) {
        if (kHigh[i] != 0 && kHigh[i] == cp) return static_cast<unsigned char>(0x80 + i);
    }
    return 0;
}

// Decodes one UTF-8 character at text[i]; returns its length, 0 when the bytes
// there are no valid UTF-8 (overlong forms and surrogates included).
size_t DecodeUtf8(std::string_view text, size_t i, uint32_t& cp) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b0 = byte(i);
    size_t length = 0;
    uint32_t min = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2, cp = b0 & 0x1Fu, min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3, cp = b0 & 0x0Fu, min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4, cp = b0 & 0x07u, min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3Fu);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

std::string PathForMessage(std::string_view utf8Path) {
    std::string out;
    out.reserve(utf8Path.size());
    for (size_t i = 0; i < utf8Path.size();) {
        const auto b = static_cast<unsigned char>(utf8Path[i]);
        if (b < 0x80) {
            if (IsControl(b)) {
                AppendHex(out, b);
            } else {
                out += static_cast<char>(b);
            }
            ++i;
            continue;
        }
        uint32_t cp = 0;
        const size_t length = DecodeUtf8(utf8Path, i, cp);
        if (length == 0) {
            out += '?';
            ++i;
            continue;
        }
        const unsigned char c = ToCodePage(cp);
        out += c != 0 ? static_cast<char>(c) : '?';
        i += length;
    }
    return out;
}

std::string ValueForMessage(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (const char ch : value) {
        const auto b = static_cast<unsigned char>(ch);
        if (IsControl(b) || (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] == 0)) {
            AppendHex(out, b);
        } else {
            out += ch;
        }
    }
    return out;
}

std::string TextAsUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        uint32_t cp = b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : b;
        if (cp == 0 || IsControl(b)) cp = '?';
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

}  // namespace sd
