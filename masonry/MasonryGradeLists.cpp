// Refill of a masonry page's unit-grade and mortar lists when the unit type changes.
#include "MasonryGradeLists.h"

#include <algorithm>

#include "GetMasonryFc.h"

namespace {
bool Contains(const CStringArray& list, const std::string& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}
}  // namespace

void FillMasonryGradeLists(CVexaDlg& dlg, int gradeId, int mortarId, const std::string& material,
                           const std::string& grade, const std::string& mortar) {
    CStringArray grades, mortars;
    GetMasonryGrades(material, grades);
    GetMasonryMortars(material, mortars);
    dlg.ResetComboBox(gradeId, grades);
    dlg.ResetComboBox(mortarId, mortars);
    if (grades.empty() || mortars.empty()) {
        return;
    }
    const std::string useGrade = Contains(grades, grade) ? grade : grades.front();
    std::string useMortar = mortar;
    if (!Contains(mortars, mortar)) {
        useMortar = mortars.front();
        for (std::size_t i = 1; i < mortars.size(); ++i) {
            if (GetMasonryFc(useGrade, material, mortars[i]) > 0) {
                useMortar = mortars[i];
                break;
            }
        }
    }
    dlg.SetComboBoxText(gradeId, useGrade);
    dlg.SetComboBoxText(mortarId, useMortar);
}
