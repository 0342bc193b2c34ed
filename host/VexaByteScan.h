// Scanning text for a few ASCII characters (the mark-up's "~" and "$", HTML's "&<>\""): sixteen
// bytes at a time with SSE2 where the processor has it (a text's last sixteen bytes read once
// more from their end), eight at a time in a 64-bit word for a shorter text or elsewhere. A
// UTF-8 sequence's bytes are all above 0x7F: no ASCII character is found inside one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

#if defined(__SSE2__)
// The bits of the bytes of `block` that are one of `Bytes`.
template <char... Bytes>
unsigned VexaBlockHits(__m128i block) {
    return static_cast<unsigned>(_mm_movemask_epi8((_mm_cmpeq_epi8(block, _mm_set1_epi8(Bytes)) | ...)));
}
#endif

// The place of the first byte from `from` on in `text` that is one of `Bytes`, or text's size.
template <char... Bytes>
std::size_t VexaFindAny(const char* text, std::size_t size, std::size_t from) {
    static_assert(sizeof...(Bytes) >= 1 && sizeof...(Bytes) <= 4);
    std::size_t i = from;
    if (i >= size) {
        return size;
    }
#if defined(__SSE2__)
    for (; i + 16 <= size; i += 16) {
        const unsigned hits = VexaBlockHits<Bytes...>(_mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i)));
        if (hits != 0) {
            return i + static_cast<std::size_t>(__builtin_ctz(hits));
        }
    }
    if (i == size) {
        return size;
    }
    if (size >= 16) {
        // The last sixteen bytes, those before `i` left out.
        const std::size_t last = size - 16;
        const unsigned hits = VexaBlockHits<Bytes...>(_mm_loadu_si128(reinterpret_cast<const __m128i*>(text + last))) &
                              (~0u << (i - last));
        return hits != 0 ? last + static_cast<std::size_t>(__builtin_ctz(hits)) : size;
    }
    // A text shorter than sixteen bytes: eight at a time, then a byte at a time.
#endif
    for (; i + 8 <= size; i += 8) {
        const std::uint64_t word = VexaLoadWord(text + i);
        if ((VexaWordHasByte(word, static_cast<unsigned char>(Bytes)) || ...)) {
            break;
        }
    }
    for (; i < size; ++i) {
        if (((text[i] == Bytes) || ...)) {
            return i;
        }
    }
    return size;
}
