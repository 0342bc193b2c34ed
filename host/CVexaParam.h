// The parameter-object base of every calculation: persisted fields, the two document writers,
// member number and result texts, and the material statics the calculations share.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "CWordObject.h"

// A typed pointer to one field of a live object.
using VexaFieldPtr = std::variant<double*, int*, std::string*, std::vector<int>*>;

// One named field of a live parameter object: the persisted key literal (or, for results,
// the member name) and where its value lives.
struct VexaField {
    VexaField(const char* literal, VexaFieldPtr p) : key(literal), ptr(p) {}
    VexaField(std::string_view literal, VexaFieldPtr p) : key(literal), ptr(p) {}   // a literal's view
    VexaField(std::string made, VexaFieldPtr p)   // a key made at run time: kept with the field
        : owned(std::make_shared<const std::string>(std::move(made))), key(*owned), ptr(p) {}

    std::shared_ptr<const std::string> owned;
    std::string_view key;   // the field table's literal, or the text `owned` holds
    VexaFieldPtr ptr;
};

// One row of a class's persisted-field table: key literal and member.
template <class T>
struct VexaFieldDef {
    std::string_view key;   // a literal: its length known when the table is made
    std::variant<double T::*, int T::*, std::string T::*, std::vector<int> T::*> member;
};

// Binds a class's field table to an object.
template <class T, std::size_t N>
std::vector<VexaField> VexaBindFields(T* self, const VexaFieldDef<T> (&defs)[N]) {
    std::vector<VexaField> out;
    out.reserve(N);
    for (const auto& def : defs) {
        std::visit([&](auto member) { out.push_back(VexaField{def.key, VexaFieldPtr{&(self->*member)}}); },
                   def.member);
    }
    return out;
}

// The same fields with every key prefixed (a drawing page's keys "<section>/<key>").
std::vector<VexaField> VexaPrefixFields(std::vector<VexaField> fields, const std::string& prefix);

// The value of a field as text: doubles in shortest round-trip form, ints in decimal, int
// arrays as comma-separated ints.
std::string VexaFieldText(const VexaField& field);
// Type name of a field: "double", "int", "text", "int[]".
const char* VexaFieldTypeName(const VexaField& field);

class CVexaParam {
public:
    CVexaParam();
    virtual ~CVexaParam();
    CVexaParam(const CVexaParam&) = default;
    CVexaParam& operator=(const CVexaParam& other);

    // Virtual slots in the framework's order.
    virtual int ReadParam(const std::string& section);
    virtual int WriteParam(const std::string& section);
    virtual int DoCalculate();
    virtual int WriteResult();
    virtual int WriteCalcBook();
    virtual void SetCmdInfo();
    virtual void InitDefaultParam();
    virtual int ShowHelp();

    // The persisted fields in key order (the class's field table bound to this object).
    virtual std::vector<VexaField> GetFields();
    // Named results that are not persisted (for reports and the program's JSON output).
    virtual std::vector<VexaField> GetResultFields();

    // Reads every field of GetFields() under section + key, each with its current value as the
    // default; WriteFields writes them, all in one store transaction. Both return 1.
    int ReadFields(const std::string& section);
    int WriteFields(const std::string& section);

    // Design strength f, design shear strength fv (N/mm2) of structural steel by grade and plate
    // thickness (mm), GB 50017-2003 table 3.4.1-1; modulus E (N/mm2). Unknown grades give 0.
    static double GetFa(const std::string& steelGrade, double thickness);
    static double GetFssv(const std::string& steelGrade, double thickness);
    static double GetEss(const std::string& steelGrade);
    // 30 for "C30"; 0 when the text is not a concrete grade.
    static int GetConcreteNum(const std::string& grade);
    // Number texts for the books: ftoa3 as ftos (at most 3 decimals, trailing zeros trimmed),
    // Ntoa2 with exactly two decimals.
    static std::string ftoa3(double value);
    static std::string Ntoa2(double value);

    // Whether the calculation book is written after the calculation (WriteCalcBook): a
    // calculation may leave out the steps only the book shows when it is not (a batch without
    // books). Wanted unless told otherwise.
    void SetBookWanted(bool wanted) { m_bBookWanted = wanted; }
    bool IsBookWanted() const { return m_bBookWanted; }

    CWordObject m_ResultWord;    // written by WriteResult
    CWordObject m_CalcBookWord;  // written by WriteCalcBook
    std::string m_strNumber;     // member number
    std::string m_strResult;     // one-line result

private:
    bool m_bBookWanted = true;
};
