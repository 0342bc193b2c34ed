// Free number and text helpers of the framework: short number texts, mark-up to plain text,
// rounding, straight-line interpolation and the help request.
#include "VexaFormat.h"

#include "VexaSprintf.h"

#include <charconv>
#include <climits>
#include <cmath>

#include "CPloMath.h"

namespace {

// Fixed notation with at most `decimals` decimals (printf rounding), trailing zeros and a
// trailing point trimmed, "-0" printed as "0".
std::string TrimmedFixed(double value, int decimals) {
    if (!std::isfinite(value)) {
        return VexaSprintf("%f", value);
    }
    char buffer[400];
    std::string_view text(buffer, static_cast<std::size_t>(
                                      vexa_printf::WriteFixed(buffer, buffer + sizeof buffer, value, decimals) - buffer));
    if (const auto point = text.find('.'); point != std::string_view::npos) {
        const auto last = text.find_last_not_of('0');
        text = text.substr(0, last == point ? point : last + 1);
    }
    return text == "-0" ? std::string("0") : std::string(text);
}

std::string& HelpRequest() {
    static std::string request;
    return request;
}

}  // namespace

std::string ftos(double value) { return TrimmedFixed(value, 3); }

std::string ftosp(double value, int /*width*/, int /*flags*/, int /*mode*/) { return TrimmedFixed(value, 3); }

std::string TranString(const std::string& text) {
    // "~" brackets a subscript (written inline), "$" a superscript (written after "^").
    std::string out;
    out.reserve(text.size() + 4);
    bool superscript = false;
    for (char c : text) {
        if (c == '~') {
            continue;
        }
        if (c == '$') {
            if (!superscript) {
                out += '^';
            }
            superscript = !superscript;
            continue;
        }
        out += c;
    }
    return out;
}

int ftoi(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (value <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int>(std::lround(value));  // half away from zero
}

double GetInterNum(double x1, double y1, double x2, double y2, double x) {
    // Coincident abscissae (within 1e-6) leave no line to follow: the first ordinate stands.
    if (CPloMath::EqualTo(x1, x2)) {
        return y1;
    }
    return y1 + (y2 - y1) * (x - x1) / (x2 - x1);
}

int AdsHelp(const std::string& file, const std::string& topic, int /*flags*/) {
    HelpRequest() = file + "#" + topic;
    return 1;
}

const std::string& LastHelpRequest() { return HelpRequest(); }
