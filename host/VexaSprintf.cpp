// The direct path of VexaSprintf ("%s", "%d", "%f" / "%.Nf" and "%%" without flags or width) and
// the number texts it and the pages write and read.
#include "VexaSprintf.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace vexa_printf {

char* WriteFixed(char* first, char* last, double value, int precision) {
    // Below 2^53, with at most 18 decimals and below 10^19 once scaled, the value times
    // 10^precision is rounded exactly in integers: value = m / 2^shift with m < 2^53.
    static constexpr std::uint64_t kScale[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000,
                                               10000000000, 100000000000, 1000000000000, 10000000000000,
                                               100000000000000, 1000000000000000, 10000000000000000,
                                               100000000000000000, 1000000000000000000};
    const std::uint64_t scale = precision >= 0 && precision <= 18 ? kScale[precision] : 1;
    if (precision >= 0 && precision <= 18 && std::fabs(value) < 9007199254740992.0 &&
        std::fabs(value) * static_cast<double>(scale) < 1e19) {
        const auto bits = std::bit_cast<std::uint64_t>(value);
        const int biased = static_cast<int>((bits >> 52) & 0x7ff);
        const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
        // value = m / 2^shift: 1.fraction * 2^(biased - 1023), or 0.fraction * 2^-1022 below normal
        const std::uint64_t m = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
        const int shift = biased == 0 ? 1074 : 1075 - biased;
        using U128 = unsigned __int128;
        std::uint64_t q = 0;   // value * 10^precision, rounded to nearest, a tie to even
        if (shift == 0) {   // from 2^52 on: a whole number
            q = m * scale;
        } else if (shift < 128) {
            const U128 p = static_cast<U128>(m) * scale;
            const U128 whole = p >> shift;
            const U128 rest = p - (whole << shift);
            const U128 half = static_cast<U128>(1) << (shift - 1);
            q = static_cast<std::uint64_t>(whole);
            if (rest > half || (rest == half && (q & 1) != 0)) {
                ++q;
            }
        }   // else the value is far below half a unit of the last decimal: 0
        char digits[24];
        const std::uint64_t integral = q / scale;
        char* end = std::to_chars(digits, digits + sizeof digits, integral).ptr;
        const std::size_t need = (std::signbit(value) ? 1u : 0u) + static_cast<std::size_t>(end - digits) +
                                 (precision > 0 ? 1u + static_cast<std::size_t>(precision) : 0u);
        if (need > static_cast<std::size_t>(last - first)) {
            return nullptr;
        }
        char* out = first;
        if (std::signbit(value)) {
            *out++ = '-';
        }
        out = std::copy(digits, end, out);
        if (precision > 0) {
            *out++ = '.';
            std::uint64_t decimals = q % scale;
            for (int i = precision - 1; i >= 0; --i) {
                out[i] = static_cast<char>('0' + decimals % 10);
                decimals /= 10;
            }
            out += precision;
        }
        return out;
    }
    const auto r = std::to_chars(first, last, value, std::chars_format::fixed, precision);
    return r.ec == std::errc() ? r.ptr : nullptr;
}

namespace {

char* WriteShortestNow(char* first, char* last, double value);

// `x` (0 <= x < 2^52) rounded to the nearest whole number, a tie to even, by adding and taking
// away 2^52: exact in the default rounding mode, without a call into libm.
double RoundedWhole(double x) { return (x + 4503599627370496.0) - 4503599627370496.0; }

// The texts last written, by the value's bits: a page writes the same values again and again
// (every member of a batch opens with the stored ones). A slot holds a text of up to 23 bytes.
struct ShortestMemo {
    struct Slot {
        std::uint64_t bits = 0;
        std::uint8_t size = 0;   // 0: empty (no value's text is empty)
        char text[23];
    };
    Slot slots[256];
};

thread_local ShortestMemo t_shortest;

}  // namespace

char* WriteShortest(char* first, char* last, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    ShortestMemo::Slot& slot = t_shortest.slots[(bits * 0x9E3779B97F4A7C15ull) >> 56];
    if (slot.size != 0 && slot.bits == bits) {
        if (slot.size > last - first) {
            return nullptr;
        }
        if (last - first >= static_cast<std::ptrdiff_t>(sizeof slot.text)) {   // the whole slot: a fixed copy
            std::memcpy(first, slot.text, sizeof slot.text);
            return first + slot.size;
        }
        return std::copy(slot.text, slot.text + slot.size, first);
    }
    char* end = WriteShortestNow(first, last, value);
    if (end != nullptr && end - first <= static_cast<std::ptrdiff_t>(sizeof slot.text)) {
        slot.bits = bits;
        slot.size = static_cast<std::uint8_t>(end - first);
        std::copy(first, end, slot.text);
    }
    return end;
}

namespace {

char* WriteShortestNow(char* first, char* last, double value) {
    // Most numbers of a calculation have a few decimals: q / 10^d read back as the value gives
    // the fewest decimals d, unique while q < 2^50 (the value's spacing is then below a quarter
    // of 10^-d). It is what std::to_chars writes unless its scientific form is shorter.
    static constexpr double kPow10[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
    const double magnitude = std::fabs(value);
    // A value that is not q / 10^6 has more decimals (a result, mostly): std::to_chars at once.
    const double scaled6 = magnitude * 1e6;
    const bool fewDecimals = scaled6 < 1125899906842624.0 && RoundedWhole(scaled6) / 1e6 == magnitude;
    if (fewDecimals && magnitude >= 1e-4) {
        for (int d = 0; d <= 6; ++d) {
            const double scaled = magnitude * kPow10[d];
            if (scaled >= 1125899906842624.0) {
                break;
            }
            const double q = RoundedWhole(scaled);
            if (q >= 1125899906842624.0) {
                break;
            }
            if (q / kPow10[d] != magnitude) {
                continue;
            }
            const auto whole = static_cast<std::uint64_t>(q);
            char digits[24];
            char* end = std::to_chars(digits, digits + sizeof digits, whole).ptr;
            const int count = static_cast<int>(end - digits);
            int significant = count;
            while (significant > 1 && digits[significant - 1] == '0') {
                --significant;
            }
            const int exponent = count - 1 - d;
            const int sign = value < 0 ? 1 : 0;
            const int fixedLength = sign + (count > d ? count - d : 1) + (d > 0 ? 1 + d : 0);
            const int scientificLength = sign + significant + (significant > 1 ? 1 : 0) + 2 +
                                         (exponent >= 100 || exponent <= -100 ? 3 : 2);
            if (scientificLength < fixedLength || fixedLength > last - first) {
                break;
            }
            char* out = first;
            if (sign) {
                *out++ = '-';
            }
            if (count > d) {
                out = std::copy(digits, digits + (count - d), out);
            } else {
                *out++ = '0';
            }
            if (d > 0) {
                *out++ = '.';
                out = std::fill_n(out, d > count ? d - count : 0, '0');
                out = std::copy(digits + (count > d ? count - d : 0), end, out);
            }
            return out;
        }
    }
    const auto r = std::to_chars(first, last, value);
    return r.ec == std::errc() ? r.ptr : nullptr;
}

}  // namespace

bool ReadPlainDecimal(std::string_view text, double& value) {
    // The digits as a whole number below 10^15 (exact in a double) divided once by a power of
    // ten (exact up to 10^22): one correctly rounded operation, the nearest double to the text.
    static constexpr double kPow10[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p != end && *p == '-';
    if (negative) {
        ++p;
    }
    const char* const first = p;
    const char* point = nullptr;
    std::uint64_t digits = 0;   // wraps past 19 digits: refused below
    for (; p != end; ++p) {
        const auto digit = static_cast<unsigned>(static_cast<unsigned char>(*p) - '0');
        if (digit < 10) {
            digits = digits * 10 + digit;
        } else if (*p == '.' && point == nullptr) {
            point = p;
        } else {
            return false;
        }
    }
    // Digits before the point and after it, at most 15 in all.
    const auto count = (end - first) - (point != nullptr ? 1 : 0);
    if (count == 0 || count > 15 || point == first || (point != nullptr && point + 1 == end)) {
        return false;
    }
    const auto decimals = point != nullptr ? end - point - 1 : 0;
    const double magnitude = static_cast<double>(digits) / kPow10[decimals];
    value = negative ? -magnitude : magnitude;
    return true;
}

bool Format(std::string_view format, const Arg* args, std::size_t count, std::string& out) {
    out.clear();
    out.reserve(format.size() + 12 * count);
    std::size_t next = 0;   // the next argument
    std::size_t start = 0;  // the first character not written yet
    const std::size_t n = format.size();
    for (std::size_t i = 0; i < n; ++i) {
        // The next '%' found by memchr: the text between is long (Chinese), the '%' few.
        const void* percent = std::memchr(format.data() + i, '%', n - i);
        if (percent == nullptr) {
            break;
        }
        i = static_cast<std::size_t>(static_cast<const char*>(percent) - format.data());
        out.append(format.data() + start, i - start);
        std::size_t j = i + 1;
        if (j < n && format[j] == '%') {
            out += '%';
            start = j + 1;
            i = j;
            continue;
        }
        int precision = -1;
        if (j < n && format[j] == '.') {
            ++j;
            precision = 0;
            while (j < n && format[j] >= '0' && format[j] <= '9') {
                precision = precision * 10 + (format[j] - '0');
                if (precision > 30) {
                    return false;
                }
                ++j;
            }
        }
        while (j < n && format[j] == 'l') {
            ++j;
        }
        if (j >= n || next >= count) {
            return false;
        }
        const Arg& arg = args[next++];
        char buffer[400];  // the longest fixed text of a double with 30 decimals
        switch (format[j]) {
        case 'd':
        case 'i': {
            if (arg.kind != Arg::Int || precision >= 0) {
                return false;
            }
            const auto r = std::to_chars(buffer, buffer + sizeof buffer, arg.i);
            out.append(buffer, r.ptr);
            break;
        }
        case 'f': {
            if (arg.kind != Arg::Float || !std::isfinite(arg.d)) {
                return false;
            }
            char* end = WriteFixed(buffer, buffer + sizeof buffer, arg.d, precision < 0 ? 6 : precision);
            if (end == nullptr) {
                return false;
            }
            out.append(buffer, static_cast<std::size_t>(end - buffer));
            break;
        }
        case 's':
            if (arg.kind != Arg::Text || precision >= 0) {
                return false;
            }
            out.append(arg.s);
            break;
        default:
            return false;
        }
        start = j + 1;
        i = j;
    }
    if (next != count) {
        return false;
    }
    out.append(format.data() + start, n - start);
    return true;
}

}  // namespace vexa_printf
