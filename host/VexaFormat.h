// Free number and text helpers of the framework.
//
// Number style of the short forms (ftos, ftosp, CVexaParam::ftoa3): fixed notation with at most
// three decimals, trailing zeros and a trailing point trimmed, "-0" printed as "0"
// (1500 -> "1500", 2.5 -> "2.5", 0.12345 -> "0.123", 1e-9 -> "0").
// CVexaParam::Ntoa2 prints exactly two decimals ("12.30").
#pragma once

#include <string>

// Short number text in the style above.
std::string ftos(double value);
// Like ftos; the three trailing ints of the framework's signature (width, flags, mode) are
// accepted for compatibility and must be 0.
std::string ftosp(double value, int width = 0, int flags = 0, int mode = 0);
// Converts calculation-book mark-up to plain reading text: "f~tk~" -> "ftk", "mm$2$" -> "mm^2".
std::string TranString(const std::string& text);
// Rounds half away from zero to the nearest int (3.5 -> 4, -3.5 -> -4).
int ftoi(double value);
// y on the straight line through (x1, y1) and (x2, y2) at x; y1 when x1 == x2.
double GetInterNum(double x1, double y1, double x2, double y2, double x);
// Opens help topic `topic` of help file `file`. Without a help viewer this records the request
// (see LastHelpRequest) and returns 1.
int AdsHelp(const std::string& file, const std::string& topic, int flags);
// The last (file, topic) passed to AdsHelp, "file#topic"; empty when none.
const std::string& LastHelpRequest();
