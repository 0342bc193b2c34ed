// The printed layout every book format shares: A4 pages and their margins, fonts, headings,
// line pitch, tab stops, tables and the page-number footer (sizes in points unless named).
#pragma once

#include <string>

#include <fmt/format.h>

namespace VexaBookLayout {

// A4 with a Chinese word processor's default margins: 2.54 cm top and bottom, 3.175 cm left and
// right; the footer's foot 1.75 cm above the lower edge.
inline constexpr double kPageWidth = 595.2756;    // 210 mm
inline constexpr double kPageHeight = 841.8898;   // 297 mm
inline constexpr double kMarginTop = 72.0;
inline constexpr double kMarginBottom = 72.0;
inline constexpr double kMarginLeft = 90.0;
inline constexpr double kMarginRight = 90.0;
inline constexpr double kFooterDistance = 49.6;
inline constexpr double kTextWidth = kPageWidth - kMarginLeft - kMarginRight;
inline constexpr double kTextHeight = kPageHeight - kMarginTop - kMarginBottom;

// Body text: 宋体 (SimSun) for Chinese, Times New Roman for Latin letters and figures, 10.5 pt.
inline constexpr const char* kEastAsianFont = "宋体";
inline constexpr const char* kEastAsianFontAlt = "SimSun";
inline constexpr const char* kLatinFont = "Times New Roman";
inline constexpr double kBodySize = 10.5;
// A line is at least 1.5 times its font size high.
inline constexpr double kLinePitch = 1.5;

// Tab stops every two characters of the body text (21 pt) from the start of the line, as a
// Chinese word processor sets them by default: the books line their columns up on them.
inline constexpr double kTabStop = 21.0;

// The title (a heading of level 1, centred) and the section titles (level 2), bold.
inline constexpr double kTitleSize = 16.0;
inline constexpr double kTitleSpaceBefore = 8.0;
inline constexpr double kTitleSpaceAfter = 8.0;
inline constexpr double kSectionSize = 12.0;
inline constexpr double kSectionSpaceBefore = 9.6;
inline constexpr double kSectionSpaceAfter = 3.6;

// Pictures: half a line of space above and below; bitmaps at print resolution.
inline constexpr double kPictureSpace = 5.25;
inline constexpr double kPictureDpi = 300.0;

// Tables: single lines of 0.5 pt around every cell; cell text 5.4 pt from the side lines.
inline constexpr double kTableBorder = 0.5;
inline constexpr double kCellPadding = 5.4;

// The footer: "第 X 页 共 Y 页", centred, 9 pt.
inline constexpr double kFooterSize = 9.0;
inline constexpr const char* kFooterBefore = "第 ";
inline constexpr const char* kFooterBetween = " 页 共 ";
inline constexpr const char* kFooterAfter = " 页";
inline std::string FooterText(int page, int pages) {
    return fmt::format("{}{}{}{}{}", kFooterBefore, page, kFooterBetween, pages, kFooterAfter);
}

}  // namespace VexaBookLayout
