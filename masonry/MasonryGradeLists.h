// Refill of a masonry page's unit-grade and mortar lists when the unit type changes.
#pragma once

#include <string>

#include "CVexaDlg.h"

// Fills the lists `gradeId` and `mortarId` of `dlg` with the row and column labels of the
// unit type's strength table and selects `grade` and `mortar` where the new lists have them;
// otherwise the lowest grade and the weakest mortar above "0" with a table value for it.
void FillMasonryGradeLists(CVexaDlg& dlg, int gradeId, int mortarId, const std::string& material,
                           const std::string& grade, const std::string& mortar);
