// Masonry design compressive strength tables of GB 50003-2001 3.2.1 and their lookup.
#include "masonry/GetMasonryFc.h"

#include <array>
#include <cstddef>
#include <span>

namespace {

constexpr double kNo = -1.0;   // combination the code does not tabulate

// One strength table: row labels (unit grades, descending as the code prints them),
// column labels (mortar grades, descending, "0" = mortar strength zero) and cells row by row.
struct MasonryTable {
    std::span<const char* const> grades;
    std::span<const char* const> mortars;
    std::span<const double> cells;
};

// GB 50003-2001 table 3.2.1-1: fired common and fired perforated bricks.
constexpr const char* kT1Grades[] = {"MU30", "MU25", "MU20", "MU15", "MU10"};
constexpr const char* kT1Mortars[] = {"M15", "M10", "M7.5", "M5", "M2.5", "0"};
constexpr double kT1[] = {
    3.94, 3.27, 2.93, 2.59, 2.26, 1.15,
    3.60, 2.98, 2.68, 2.37, 2.06, 1.05,
    3.22, 2.67, 2.39, 2.12, 1.84, 0.94,
    2.79, 2.31, 2.07, 1.83, 1.60, 0.82,
    kNo,  1.89, 1.69, 1.50, 1.30, 0.67,
};

// GB 50003-2001 table 3.2.1-2: autoclaved sand-lime and autoclaved fly-ash bricks.
constexpr const char* kT2Grades[] = {"MU25", "MU20", "MU15", "MU10"};
constexpr const char* kT2Mortars[] = {"M15", "M10", "M7.5", "M5", "0"};
constexpr double kT2[] = {
    3.60, 2.98, 2.68, 2.37, 1.05,
    3.22, 2.67, 2.39, 2.12, 0.94,
    2.79, 2.31, 2.07, 1.83, 0.82,
    kNo,  1.89, 1.69, 1.50, 0.67,
};

// GB 50003-2001 table 3.2.1-3: single-row hollow concrete and lightweight-aggregate concrete blocks.
constexpr const char* kT3Grades[] = {"MU20", "MU15", "MU10", "MU7.5", "MU5"};
constexpr const char* kT3Mortars[] = {"Mb15", "Mb10", "Mb7.5", "Mb5", "0"};
constexpr double kT3[] = {
    5.68, 4.95, 4.44, 3.94, 2.33,
    4.61, 4.02, 3.61, 3.20, 1.89,
    kNo,  2.79, 2.50, 2.22, 1.31,
    kNo,  kNo,  1.93, 1.71, 1.01,
    kNo,  kNo,  kNo,  1.19, 0.70,
};

// GB 50003-2001 table 3.2.1-4: lightweight-aggregate concrete blocks (volcanic slag, pumice, ceramsite).
constexpr const char* kT4Grades[] = {"MU10", "MU7.5", "MU5"};
constexpr const char* kT4Mortars[] = {"Mb10", "Mb7.5", "Mb5", "0"};
constexpr double kT4[] = {
    3.08, 2.76, 2.45, 1.44,
    kNo,  2.13, 1.88, 1.12,
    kNo,  kNo,  1.31, 0.78,
};

// GB 50003-2001 table 3.2.1-5: rough-dressed (block) stone.
constexpr const char* kStoneGrades[] = {"MU100", "MU80", "MU60", "MU50", "MU40", "MU30", "MU20"};
constexpr const char* kStoneMortars[] = {"M7.5", "M5", "M2.5", "0"};
constexpr double kT5[] = {
    5.42, 4.80, 4.18, 2.13,
    4.85, 4.29, 3.73, 1.91,
    4.20, 3.71, 3.23, 1.65,
    3.83, 3.39, 2.95, 1.51,
    3.43, 3.04, 2.64, 1.35,
    2.97, 2.63, 2.29, 1.17,
    2.42, 2.15, 1.87, 0.95,
};

// GB 50003-2001 table 3.2.1-6: rubble stone.
constexpr double kT6[] = {
    1.27, 1.12, 0.98, 0.34,
    1.13, 1.00, 0.87, 0.30,
    0.98, 0.87, 0.76, 0.26,
    0.90, 0.80, 0.69, 0.23,
    0.80, 0.71, 0.62, 0.21,
    0.69, 0.61, 0.53, 0.18,
    0.56, 0.51, 0.44, 0.15,
};

const MasonryTable kTables[] = {
    {kT1Grades, kT1Mortars, kT1},
    {kT2Grades, kT2Mortars, kT2},
    {kT3Grades, kT3Mortars, kT3},
    {kT4Grades, kT4Mortars, kT4},
    {kStoneGrades, kStoneMortars, kT5},
    {kStoneGrades, kStoneMortars, kT6},
};

// The unit types in page order, each with the index of its table.
struct UnitType {
    const char* name;
    int table;
};
constexpr UnitType kUnitTypes[] = {
    {"烧结普通砖", 0},
    {"烧结多孔砖", 0},
    {"蒸压灰砂砖", 1},
    {"蒸压粉煤灰砖", 1},
    {"单排孔砼砌块(灌注)", 2},
    {"单排孔砼砌块(非灌注)", 2},
    {"轻骨料砼砌块(煤矸石.水泥煤渣.ρ孔＞35%)", 2},
    {"轻骨料砼砌块(煤矸石.水泥煤渣.ρ孔≤35%)", 2},
    {"轻骨料砼砌块(火山渣.浮石.陶粒)", 3},
    {"毛料石", 4},
    {"毛石", 5},
};

const MasonryTable* FindTable(const std::string& unitType) {
    for (const UnitType& u : kUnitTypes)
        if (unitType == u.name) return &kTables[u.table];
    return nullptr;
}

int FindLabel(std::span<const char* const> labels, const std::string& text) {
    for (std::size_t i = 0; i < labels.size(); ++i)
        if (text == labels[i]) return static_cast<int>(i);
    return -1;
}

}  // namespace

double GetMasonryFc(const std::string& grade, const std::string& unitType, const std::string& mortar) {
    const MasonryTable* table = FindTable(unitType);
    if (!table) return -1.0;
    const int col = FindLabel(table->mortars, mortar);
    const int row = FindLabel(table->grades, grade);
    if (col < 0 || row < 0) return -1.0;
    return table->cells[static_cast<std::size_t>(row) * table->mortars.size() + static_cast<std::size_t>(col)];
}

void GetMasonryUnitTypes(CStringArray& types) {
    types.clear();
    for (const UnitType& u : kUnitTypes) types.emplace_back(u.name);
}

void GetMasonryGrades(const std::string& unitType, CStringArray& grades) {
    grades.clear();
    const MasonryTable* table = FindTable(unitType);
    if (!table) return;
    for (auto it = table->grades.rbegin(); it != table->grades.rend(); ++it) grades.emplace_back(*it);
}

void GetMasonryMortars(const std::string& unitType, CStringArray& mortars) {
    mortars.clear();
    const MasonryTable* table = FindTable(unitType);
    if (!table) return;
    for (auto it = table->mortars.rbegin(); it != table->mortars.rend(); ++it) mortars.emplace_back(*it);
}
