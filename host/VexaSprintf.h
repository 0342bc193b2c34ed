// printf-style formatting for the calculation texts: VexaSprintf(format, args...) gives what
// fmt::sprintf gives for the same format and arguments. The conversions the books use most
// ("%s" with text, "%d" with a signed integer, "%f" / "%.Nf" / "%.Nlf" with a finite number,
// "%%") are written directly; any other conversion, flag, width or argument type goes to
// fmt::sprintf.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>

#include <fmt/printf.h>

namespace vexa_printf {

// One argument as the direct path sees it; Other sends the whole call to fmt::sprintf.
struct Arg {
    enum Kind : unsigned char { Other, Int, Float, Text } kind = Other;
    long long i = 0;
    double d = 0;
    std::string_view s;
};

template <typename T>
Arg MakeArg(const T& value) {
    using U = std::remove_cvref_t<T>;
    Arg arg;
    if constexpr (std::is_same_v<U, bool> || std::is_same_v<U, char> || std::is_same_v<U, signed char>) {
        // printed as characters or words by fmt: left to it
    } else if constexpr (std::is_integral_v<U> && std::is_signed_v<U>) {
        arg.kind = Arg::Int;
        arg.i = value;
    } else if constexpr (std::is_same_v<U, double> || std::is_same_v<U, float>) {
        arg.kind = Arg::Float;
        arg.d = value;
    } else if constexpr (std::is_same_v<U, std::string> || std::is_same_v<U, std::string_view>) {
        arg.kind = Arg::Text;
        arg.s = value;
    } else if constexpr (std::is_array_v<U>) {
        if constexpr (std::is_same_v<std::remove_cv_t<std::remove_extent_t<U>>, char>) {
            arg.kind = Arg::Text;
            arg.s = value;
        }
    } else if constexpr (std::is_same_v<U, const char*> || std::is_same_v<U, char*>) {
        if (value != nullptr) {
            arg.kind = Arg::Text;
            arg.s = value;
        }
    }
    return arg;
}

// Writes `value` (finite) with `precision` decimals into [first, last) as printf's "%.*f" writes
// it (the exact binary value rounded, a tie to even); the end of what was written, nullptr when
// it does not fit.
char* WriteFixed(char* first, char* last, double value, int precision);

// Writes what std::to_chars(first, last, value) writes (the shortest text that reads back as
// `value`); nullptr when it does not fit.
char* WriteShortest(char* first, char* last, double value);

// Reads a plain decimal ("250", "-0.2", "368.8": digits, at most one point with digits on both
// sides, 15 digits at most) as std::from_chars reads it; false for any other text.
bool ReadPlainDecimal(std::string_view text, double& value);

// Formats into `out` when every conversion is one the direct path writes; false otherwise
// (`out` then holds nothing of use).
bool Format(std::string_view format, const Arg* args, std::size_t count, std::string& out);

}  // namespace vexa_printf

template <typename... Args>
std::string VexaSprintf(std::string_view format, const Args&... args) {
    std::string out;
    if constexpr (sizeof...(Args) == 0) {
        if (vexa_printf::Format(format, nullptr, 0, out)) {
            return out;
        }
    } else {
        const vexa_printf::Arg list[] = {vexa_printf::MakeArg(args)...};
        if (vexa_printf::Format(format, list, sizeof...(Args), out)) {
            return out;
        }
    }
    return fmt::sprintf(format, args...);
}
