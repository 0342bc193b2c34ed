// The picture of a steel section: an SVG drawing of its I or H outline to scale, with its
// dimensions named ("h=630", "b=178", "tw=15", "t=22").
#pragma once

#include <string>

#include "CDataItem.h"

// The SVG text for `item`; "" when the row is empty or lacks the dimensions of an I or H shape
// (depth, flange widths and thicknesses, web thickness, all positive).
std::string VexaSectionSvg(const CDataItem& item);
