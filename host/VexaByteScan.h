// Scanning text eight bytes at a time for a few ASCII characters (the mark-up's "~" and "$",
// HTML's "&<>\""): one test per character on a whole 64-bit word.
#pragma once

#include <cstdint>
#include <cstring>

// The eight bytes at `p` as one word.
inline std::uint64_t VexaLoadWord(const char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// True when one of the eight bytes of `word` is `byte`.
constexpr bool VexaWordHasByte(std::uint64_t word, unsigned char byte) {
    const std::uint64_t v = word ^ (0x0101010101010101ULL * byte);
    return ((v - 0x0101010101010101ULL) & ~v & 0x8080808080808080ULL) != 0;
}
