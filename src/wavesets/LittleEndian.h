#pragma once

#include <cstdint>

// Integers in waveset files are little-endian, whatever the machine.

inline std::uint32_t LoadU32(const unsigned char* bytes) {
    return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8U |
           std::uint32_t{bytes[2]} << 16U | std::uint32_t{bytes[3]} << 24U;
}

inline std::uint16_t LoadU16(const unsigned char* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8U);
}

inline void StoreU32(unsigned char* bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    }
}

inline void StoreU16(unsigned char* bytes, std::uint16_t value) {
    bytes[0] = static_cast<unsigned char>(value);
    bytes[1] = static_cast<unsigned char>(value >> 8U);
}

// Two's complement, without relying on a narrowing conversion.
inline std::int32_t AsSigned(std::uint32_t value) {
    return value <= INT32_MAX ? static_cast<std::int32_t>(value)
                              : -static_cast<std::int32_t>(~value) - 1;
}
