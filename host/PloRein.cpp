// Bar symbols and grade lists for bar notation and the pages' grade lists; concrete values for
// the pages that use the short PloConcrete names.
#include "PloRein.h"

#include <array>

#include "CQuorConcrete.h"
#include "CQuorSteelBar.h"

namespace {

struct BarSymbol {
    const char* grade;
    const char* schar;  // one-letter code in notation texts
    const char* ucode;  // symbol as read in a book (UTF-8)
};

// Book symbols: "Φ" (U+03A6) for the plain round bar; the ribbed grades carry combining strokes
// on Φ, one for the 335 class (U+0332 below), two for the 400 class (U+0332 below, U+0305
// above), three for the 500 class (U+0333 below, U+0305 above); the fine-grain (HRBF) and the
// remained-heat-treated (RRB) grades add the superscript letter that GB 50010-2010 table 4.2.2-1
// prints on their symbols: "ᶠ" (U+1DA0) and "ᴿ" (U+1D3F). Combining marks are in canonical order.
constexpr std::array<BarSymbol, 8> kSymbols{{
    {"HPB300", "d", "\u03A6"},
    {"HRB335", "D", "\u03A6\u0332"},
    {"HRBF335", "F", "\u03A6\u0332\u1DA0"},
    {"HRB400", "E", "\u03A6\u0332\u0305"},
    {"HRBF400", "G", "\u03A6\u0332\u0305\u1DA0"},
    {"RRB400", "R", "\u03A6\u0332\u0305\u1D3F"},
    {"HRB500", "H", "\u03A6\u0333\u0305"},
    {"HRBF500", "I", "\u03A6\u0333\u0305\u1DA0"},
}};

const BarSymbol& FindSymbol(const std::string& grade) {
    for (const auto& row : kSymbols) {
        if (grade == row.grade) {
            return row;
        }
    }
    return kSymbols[0];  // unknown grades read as the plain round bar
}

}  // namespace

double PloRein::GetFy(const std::string& grade) { return CQuorSteelBar::GetFy(grade); }

double PloRein::GetEs(const std::string& grade) { return CQuorSteelBar::GetEs(grade); }

std::string PloRein::Grade2Schar(const std::string& grade) { return FindSymbol(grade).schar; }

std::string PloRein::Grade2Ucode(const std::string& grade) { return FindSymbol(grade).ucode; }

void PloRein::InitComboBoxPort(CStringArray& list) { CQuorSteelBar::GetSteelBarGradeString(list); }

void PloRein::InitComboBoxHoop(CStringArray& list) {
    // The stirrup grades offered on the pages; GB 50010-2010 4.2.1 admits each for stirrups.
    list = {"HPB300", "HRB335", "HRB400", "HRB500"};
}

double PloConcrete::GetFc(const std::string& grade) { return CQuorConcrete::GetFc(grade); }

double PloConcrete::GetFtk(const std::string& grade) { return CQuorConcrete::GetFtk(grade); }

double PloConcrete::GetEc(const std::string& grade) { return CQuorConcrete::GetEc(grade); }

double PloConcrete::GetBc(const std::string& grade) { return CQuorConcrete::GetBetac(grade); }

void PloConcrete::InitComboBox(CStringArray& list) { CQuorConcrete::GetConcreteGradeString(list); }
