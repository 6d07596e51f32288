#pragma once
// Numbers in the files of the Windows formats (BMP, ICO, WAV): little-endian.
// The caller has checked that the bytes are there.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace sd::platform::detail {

inline uint32_t U16(std::string_view b, size_t at) {
    return static_cast<unsigned char>(b[at]) | static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}
inline uint32_t U32(std::string_view b, size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }
inline int32_t S32(std::string_view b, size_t at) { return static_cast<int32_t>(U32(b, at)); }

}  // namespace sd::platform::detail
