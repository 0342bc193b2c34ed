// Bar symbols and grade lists for bar notation ("2d8@100 (2)") and the pages' grade lists.
//
// Symbols. Grade2Schar gives the one-letter code written into notation texts:
//   HPB300 "d", HRB335 "D", HRBF335 "F", HRB400 "E", HRBF400 "G", RRB400 "R",
//   HRB500 "H", HRBF500 "I"; unknown grades "d".
// Grade2Ucode gives the symbol an engineer reads in a book: "Φ" (U+03A6) for HPB300; the
//   ribbed grades carry combining strokes on Φ by strength class, one for 335 ("Φ̲", U+0332),
//   two for 400 ("Φ̲̅", U+0332 U+0305), three for 500 ("Φ̳̅", U+0333 U+0305), and the
//   fine-grain and RRB grades add the superscript letter of GB 50010-2010 table 4.2.2-1:
//   HRBF335 "Φ̲ᶠ", HRBF400 "Φ̲̅ᶠ", HRBF500 "Φ̳̅ᶠ" (U+1DA0), RRB400 "Φ̲̅ᴿ" (U+1D3F);
//   unknown grades "Φ".
#pragma once

#include <string>

#include "VexaTypes.h"

class PloRein {
public:
    static double GetFy(const std::string& grade);
    static double GetEs(const std::string& grade);
    static std::string Grade2Schar(const std::string& grade);
    static std::string Grade2Ucode(const std::string& grade);
    // Longitudinal-bar grades (all eight) and stirrup grades (HPB300, HRB335, HRB400, HRB500).
    static void InitComboBoxPort(CStringArray& list);
    static void InitComboBoxHoop(CStringArray& list);
};

class PloConcrete {
public:
    static double GetFc(const std::string& grade);
    static double GetFtk(const std::string& grade);
    static double GetEc(const std::string& grade);
    static double GetBc(const std::string& grade);  // βc
    static void InitComboBox(CStringArray& list);
};
