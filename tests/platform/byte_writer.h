#pragma once
// Little-endian numbers for the files the tests write (BMP, ICO, WAV).
#include <cstdint>
#include <string>

namespace sd::platform::testing {

inline void Put16(std::string& b, uint32_t v) {
    b += static_cast<char>(v & 0xFF);
    b += static_cast<char>((v >> 8) & 0xFF);
}
inline void Put32(std::string& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

}  // namespace sd::platform::testing
