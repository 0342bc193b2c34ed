// The direct path of VexaSprintf: "%s", "%d", "%f" / "%.Nf" and "%%" without flags or width.
#include "VexaSprintf.h"

#include <charconv>
#include <cmath>

namespace vexa_printf {

bool Format(std::string_view format, const Arg* args, std::size_t count, std::string& out) {
    out.clear();
    out.reserve(format.size() + 12 * count);
    std::size_t next = 0;   // the next argument
    std::size_t start = 0;  // the first character not written yet
    const std::size_t n = format.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (format[i] != '%') {
            continue;
        }
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
            const auto r = std::to_chars(buffer, buffer + sizeof buffer, arg.d, std::chars_format::fixed,
                                         precision < 0 ? 6 : precision);
            if (r.ec != std::errc()) {
                return false;
            }
            out.append(buffer, r.ptr);
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
